#pragma once
// A window of the fixture program, in its own process, built as described.

#include <windows.h>

#include <string>
#include <vector>

#include "support/ChildProcess.h"

namespace testsupport {

struct FixtureControl {
    int depth;  // 0: a child of the window; n: a child of the last control of depth n-1
    std::string className;
    std::string text;  // bytes in the ANSI code page
};

class WindowFixture {
public:
    WindowFixture(const std::string& title, const std::vector<FixtureControl>& controls,
                  const std::vector<std::string>& extraArguments = {});

    bool Ready() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    HWND Control(std::size_t i) const { return controls_.at(i); }
    ChildProcess& Process() { return process_; }

    // What control i was sent as WM_SETTEXT, in order.
    std::vector<std::string> TextsSetInto(std::size_t i);
    // Returns once the fixture has handled every message posted to it so far.
    bool Settle();
    // Report lines naming control i ("clicked 3", "down 3", ...), any kind.
    std::vector<std::string> Events(const std::string& kind);

private:
    static std::vector<std::string> Arguments(const std::string& title,
                                              const std::vector<FixtureControl>& controls,
                                              const std::vector<std::string>& extra);
    ChildProcess process_;
    HWND window_ = nullptr;
    std::vector<HWND> controls_;
};

HWND HandleFromReport(const std::string& line);

}  // namespace testsupport
