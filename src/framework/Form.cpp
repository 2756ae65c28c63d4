#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/WindowClass.h"

namespace framework {

TForm::TForm(const char* className, const FormWindowDescription& d) {
    RegisterWindowClassOnce(className, WindowProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                            LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
    // The description's font height is in pixels already; with scaling off
    // nothing is adjusted for the screen's dpi.
    font_.reset(CreateFontA(d.font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, d.font.name));
    CreateWindowExA(0, className, d.caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    d.bounds.left, d.bounds.top, d.bounds.width, d.bounds.height, nullptr,
                    nullptr, GetModuleHandleA(nullptr), this);
}

TForm::~TForm() {
    if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

void TForm::Show(int showCommand) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
}

void TForm::Close() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void TForm::AddButton(TButton& button) { buttons_[button.Handle()] = &button; }

void TForm::OnCommand(HWND control, int notification) {
    if (notification != BN_CLICKED) return;
    auto found = buttons_.find(control);
    if (found != buttons_.end()) found->second->Click();
}

void TForm::OnDestroy() {
    if (Application && Application->MainForm() == this) PostQuitMessage(0);
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_.reset(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    // No exception may unwind through the window system's frames.
    try {
        return form->HandleMessage(message, wParam, lParam);
    } catch (...) {
        if (Application) Application->HandleException();
        return 0;
    }
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_.get();
    switch (message) {
    case WM_COMMAND:
        OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        if (OnCloseQuery()) DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        window_.release();
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace framework
