#pragma once
// The stand-in's plain log: one line per event, on standard output and, when
// asked, appended to a file.

#include <string>

namespace standin {

void OpenLog(const std::string& path);
void Log(const std::string& line);

}  // namespace standin
