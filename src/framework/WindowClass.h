#pragma once
#include <windows.h>

namespace framework {

// Registers a window class of this program once; later calls find it
// registered and do nothing.
void RegisterWindowClassOnce(const char* name, WNDPROC procedure, HBRUSH background,
                             HICON icon = nullptr);

}  // namespace framework
