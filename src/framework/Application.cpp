#include "framework/Application.h"

#include <vector>

#include "framework/Exception.h"

namespace framework {

TApplication* Application = nullptr;

namespace {

// Disables the thread's enabled top-level windows and enables them again.
class ScopedThreadWindowsDisabled {
public:
    ScopedThreadWindowsDisabled() {
        EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&disabled_));
        for (HWND w : disabled_) EnableWindow(w, FALSE);
    }
    ~ScopedThreadWindowsDisabled() {
        for (HWND w : disabled_)
            if (IsWindow(w)) EnableWindow(w, TRUE);
    }
    ScopedThreadWindowsDisabled(const ScopedThreadWindowsDisabled&) = delete;
    ScopedThreadWindowsDisabled& operator=(const ScopedThreadWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM list) {
        if (IsWindowVisible(window) && IsWindowEnabled(window))
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
    }
    std::vector<HWND> disabled_;
};

std::string ProgramPath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string WithFullStop(const std::string& message) {
    if (message.empty()) return message;
    const char* begin = message.c_str();
    const char* last = CharPrevExA(CP_ACP, begin, begin + message.size(), 0);
    if (static_cast<unsigned char>(*last) > static_cast<unsigned char>('.')) return message + ".";
    return message;
}

std::string DefaultTitle(const std::string& programPath) {
    const std::size_t slash = programPath.find_last_of("\\/:");
    std::string name = programPath.substr(slash == std::string::npos ? 0 : slash + 1);
    name = name.substr(0, name.find('.'));
    if (name.size() > 1) CharLowerBuffA(name.data() + 1, static_cast<DWORD>(name.size() - 1));
    return name;
}

void TApplication::Initialize() {
    Application = this;
    title_ = DefaultTitle(ProgramPath());
}

void TApplication::Run() {
    if (!mainForm_) return;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
    mainForm_->Show(show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
}

void TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // leave it for Run
            return;
        }
        Dispatch(message);
    }
}

void TApplication::Dispatch(MSG& message) {
    // Tab and arrow keys move between the form's controls.
    if (mainForm_ && mainForm_->Handle() && IsDialogMessageA(mainForm_->Handle(), &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void TApplication::HandleException() {
    try {
        throw;
    } catch (const Exception& e) {
        ShowException(e.Message());
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown error");
    }
}

void TApplication::ShowException(const std::string& message) {
    ShowMessageBox(WithFullStop(message), title_, MB_OK | MB_ICONSTOP);
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    ScopedThreadWindowsDisabled disabled;
    const HWND owner = mainForm_ ? mainForm_->Handle() : nullptr;
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

}  // namespace framework
