#pragma once
// The window-system operations the automation uses to reach other programs'
// windows. Everything goes through the current WindowSystem so that tests can
// put a substitute in its place (a clock that is set back, for one).

#include <cstdint>

namespace platform {

// Opaque handle of a window of any program; 0 means none.
using WindowHandle = std::uintptr_t;

// Called once per descendant window; answering false stops the enumeration.
using ChildVisitor = bool (*)(WindowHandle window, std::intptr_t extra);

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Top-level window whose whole title is `title` (any class), or 0.
    virtual WindowHandle FindTopLevelWindow(const char* title) = 0;
    // Every descendant of `parent`, at every depth, until `visitor` says stop.
    virtual void EnumerateChildWindows(WindowHandle parent, ChildVisitor visitor,
                                       std::intptr_t extra) = 0;
    // Both copy at most size - 1 bytes and a terminating zero into `buffer`.
    virtual void ReadClassName(WindowHandle window, char* buffer, int size) = 0;
    virtual void ReadText(WindowHandle window, char* buffer, int size) = 0;
    // Returns when the window has taken the text.
    virtual void WriteText(WindowHandle window, const char* text) = 0;
    virtual void BringToTop(WindowHandle window) = 0;
    // Queued for the window's owner with no key-state flags at point (0, 0).
    virtual void PostLeftButtonDown(WindowHandle window) = 0;
    virtual void PostLeftButtonUp(WindowHandle window) = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
    // Local date and time in days since 1899-12-30, to the millisecond.
    virtual double Now() = 0;
};

// The real operations unless a substitute was installed.
WindowSystem& Current();

// Installs `substitute` for the lifetime of this object (tests only).
class ScopedWindowSystem {
public:
    explicit ScopedWindowSystem(WindowSystem& substitute);
    ~ScopedWindowSystem();
    ScopedWindowSystem(const ScopedWindowSystem&) = delete;
    ScopedWindowSystem& operator=(const ScopedWindowSystem&) = delete;

private:
    WindowSystem* previous_;
};

}  // namespace platform
