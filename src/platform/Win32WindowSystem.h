#pragma once
#include "platform/WindowSystem.h"

namespace platform {

// The operations over the ANSI Win32 calls, so texts cross them in the
// system's ANSI code page (950 on a Traditional Chinese desktop).
class Win32WindowSystem : public WindowSystem {
public:
    // A window whose owner does not answer a message within this time is
    // given up on (text messages, bring-to-top): without a bound one hung
    // program would freeze ours.
    static constexpr unsigned kTextMessageTimeoutMs = 5000;

    WindowHandle FindTopLevelWindow(const char* title) override;
    void EnumerateChildWindows(WindowHandle parent, ChildVisitor visitor,
                               std::intptr_t extra) override;
    void ReadClassName(WindowHandle window, char* buffer, int size) override;
    void ReadText(WindowHandle window, char* buffer, int size) override;
    void WriteText(WindowHandle window, const char* text) override;
    void BringToTop(WindowHandle window) override;
    void PostLeftButtonDown(WindowHandle window) override;
    void PostLeftButtonUp(WindowHandle window) override;
    void Sleep(unsigned milliseconds) override;
    double Now() override;
};

// Days since 1899-12-30 for a civil date and time of day (the run-time's
// date-time encoding).
double EncodeDateTime(int year, int month, int day, int hour, int minute,
                      int second, int millisecond);

}  // namespace platform
