#pragma once
// The real window-system operations with a record of every call, and the
// lookup, the clock and the sleep replaceable by a script.

#include <functional>
#include <string>
#include <vector>

#include "platform/Win32WindowSystem.h"

namespace testsupport {

class SubstituteWindowSystem : public platform::Win32WindowSystem {
public:
    using WindowHandle = platform::WindowHandle;

    // Each is used in place of the real operation when set; the argument
    // counts the calls from 0.
    std::function<WindowHandle(int lookup)> lookup;
    std::function<double(int read)> clock;
    // Window class names as the script gives them (real class names of one
    // spelling share one atom, so "edit" cannot be made for real).
    std::function<std::string(WindowHandle)> className;
    bool realSleep = true;

    // "find", "class H", "text H", "settext H", "top H", "down H", "up H",
    // "sleep MS": H is the window's position in `windows` or "?".
    std::vector<std::string> calls;
    std::vector<WindowHandle> windows;
    std::vector<int> readSizes;  // the size passed with each class-name or text read
    int lookups = 0;
    int clockReads = 0;

    WindowHandle FindTopLevelWindow(const char* title) override;
    void ReadClassName(WindowHandle w, char* buffer, int size) override;
    void ReadText(WindowHandle w, char* buffer, int size) override;
    void WriteText(WindowHandle w, const char* text) override;
    void BringToTop(WindowHandle w) override;
    void PostLeftButtonDown(WindowHandle w) override;
    void PostLeftButtonUp(WindowHandle w) override;
    void Sleep(unsigned milliseconds) override;
    double Now() override;

private:
    std::string Name(WindowHandle w) const;
};

}  // namespace testsupport
