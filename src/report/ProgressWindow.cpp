#include "report/ProgressWindow.h"

#include <commctrl.h>

#include "framework/WindowClass.h"

namespace report {
namespace {

const char kClass[] = "TQRProgressForm";

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Cancel has no effect on a one-page report, and closing waits for the job.
    if (message == WM_CLOSE || message == WM_COMMAND) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterOnce() {
    framework::RegisterWindowClassOnce(kClass, Procedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

}  // namespace

ProgressWindow::ProgressWindow() {
    RegisterOnce();
    constexpr int width = 300, height = 130;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    window_.reset(CreateWindowExA(WS_EX_TOPMOST | WS_EX_DLGMODALFRAME, kClass, "Printing progress",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU, left, top, width, height,
                                  nullptr, nullptr, instance, nullptr));
    const HWND w = window_.get();
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    HWND status = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 8, 270, 16, w, nullptr,
                                  instance, nullptr);
    HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 28, 270, 18, w,
                               nullptr, instance, nullptr);
    SendMessageA(bar, PBM_SETRANGE32, 0, 100);
    SendMessageA(bar, PBM_SETPOS, 0, 0);
    HWND cancel = CreateWindowExA(0, "Button", "Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 105,
                                  56, 80, 24, w, reinterpret_cast<HMENU>(IDCANCEL), instance, nullptr);
    SendMessageA(status, WM_SETFONT, font, FALSE);
    SendMessageA(cancel, WM_SETFONT, font, FALSE);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    UpdateWindow(w);
}

}  // namespace report
