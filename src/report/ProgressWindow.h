#pragma once
// The report engine's "Printing progress" window: on top, centred on the
// screen, not modal; open for as long as this object lives.

#include <windows.h>

#include "framework/ScopedWin.h"

namespace report {

class ProgressWindow {
public:
    ProgressWindow();
    HWND Handle() const { return window_.get(); }

private:
    framework::ScopedWindow window_;
};

}  // namespace report
