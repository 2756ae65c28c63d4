#pragma once
// The application and Form1 created in the test process itself, for tests of
// the routines that write to Form1's log.

#include <string>

namespace testsupport {

void EnsureForm1();
std::string Form1Log();
void ResetForm1Log();

}  // namespace testsupport
