#include "platform/Win32WindowSystem.h"

#include <windows.h>

namespace platform {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

struct EnumerationContext {
    ChildVisitor visitor;
    std::intptr_t extra;
};

BOOL CALLBACK VisitChild(HWND window, LPARAM context) {
    auto* c = reinterpret_cast<EnumerationContext*>(context);
    return c->visitor(reinterpret_cast<WindowHandle>(window), c->extra) ? TRUE : FALSE;
}

// Days since 0000-03-01 of a civil date (proleptic Gregorian).
constexpr long DaysFromCivil(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<long>(era) * 146097 + doe;
}

long DaysFromEpoch(int year, int month, int day) {
    constexpr long kEpoch = DaysFromCivil(1899, 12, 30);
    return DaysFromCivil(year, month, day) - kEpoch;
}

Win32WindowSystem& RealSystem() {
    static Win32WindowSystem real;
    return real;
}

WindowSystem* current = nullptr;

}  // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute,
                      int second, int millisecond) {
    const double time =
        (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / 86400000.0;
    return static_cast<double>(DaysFromEpoch(year, month, day)) + time;
}

WindowHandle Win32WindowSystem::FindTopLevelWindow(const char* title) {
    return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title));
}

void Win32WindowSystem::EnumerateChildWindows(WindowHandle parent, ChildVisitor visitor,
                                              std::intptr_t extra) {
    EnumerationContext context{visitor, extra};
    EnumChildWindows(ToHwnd(parent), VisitChild, reinterpret_cast<LPARAM>(&context));
}

void Win32WindowSystem::ReadClassName(WindowHandle window, char* buffer, int size) {
    if (size <= 0) return;
    buffer[0] = '\0';
    GetClassNameA(ToHwnd(window), buffer, size);
}

void Win32WindowSystem::ReadText(WindowHandle window, char* buffer, int size) {
    if (size <= 0) return;
    buffer[0] = '\0';
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(ToHwnd(window), WM_GETTEXT, static_cast<WPARAM>(size),
                             reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             kTextMessageTimeoutMs, &copied))
        buffer[0] = '\0';  // no answer: the buffer may hold anything
    buffer[size - 1] = '\0';
}

void Win32WindowSystem::WriteText(WindowHandle window, const char* text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(ToHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, kTextMessageTimeoutMs, &result);
}

// Moving another thread's window sends it messages and waits for the answer,
// so a window whose program stopped answering is left where it is.
void Win32WindowSystem::BringToTop(WindowHandle window) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(ToHwnd(window), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTextMessageTimeoutMs,
                             &ignored))
        return;
    BringWindowToTop(ToHwnd(window));
}

void Win32WindowSystem::PostLeftButtonDown(WindowHandle window) {
    PostMessageA(ToHwnd(window), WM_LBUTTONDOWN, 0, 0);
}

void Win32WindowSystem::PostLeftButtonUp(WindowHandle window) {
    PostMessageA(ToHwnd(window), WM_LBUTTONUP, 0, 0);
}

void Win32WindowSystem::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

double Win32WindowSystem::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return EncodeDateTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
                          t.wMilliseconds);
}

WindowSystem& Current() { return current ? *current : RealSystem(); }

ScopedWindowSystem::ScopedWindowSystem(WindowSystem& substitute) : previous_(current) {
    current = &substitute;
}

ScopedWindowSystem::~ScopedWindowSystem() { current = previous_; }

}  // namespace platform
