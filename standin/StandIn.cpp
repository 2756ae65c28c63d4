// Stand-in for the PDF printer program on the test desktop: for each job the
// test printer leaves in the spool folder it opens a window titled
// "PDFCreator 0.9.5" with a Save button; Save opens the system Save dialog
// and writes the job's PDF under the name given there. A test fixture and demo
// companion, not part of the shipped program.

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "Log.h"
#include "Options.h"
#include "Spool.h"

namespace {

using namespace standin;

const char kWindowClass[] = "PDFCreatorStandIn";
const char kTitle[] = "PDFCreator 0.9.5";
const char kSaveChinese[] = "\xC0\x78\xA6\x73(&S)";  // 儲存(&S)
const char kSaveEnglish[] = "&Save";
const char kCancelChinese[] = "\xA8\xFA\xAE\xF8";     // 取消
const char kEnglishDialogTitle[] = "Save As";
constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 200;
enum { kSaveId = 1001, kCancelId = 1002 };

Options options;
Spool* spool = nullptr;
Job current;
bool busy = false;              // a job is being shown; also guards the dialog's own loop
HWND jobWindow = nullptr;
bool reportedMissing = false;

void FinishJob() {
    if (jobWindow) {
        DestroyWindow(jobWindow);
        jobWindow = nullptr;
    }
    busy = false;
}

// True when the dialog ended with a name, whether or not saving worked.
bool RunSaveDialog(HWND owner) {
    char file[MAX_PATH * 4] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = "PDF (*.pdf)\0*.pdf\0*.*\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrTitle = options.englishDialog ? kEnglishDialogTitle : nullptr;
    // No default extension: the name typed is the name used. An existing
    // file is replaced without a question, as a fixed output path expects.
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    Log("save dialog opened");
    if (!GetSaveFileNameA(&ofn)) {
        const DWORD error = CommDlgExtendedError();
        Log(error ? "error: save dialog failed (" + std::to_string(error) + ")" : "save dialog cancelled");
        return false;
    }
    if (spool->SaveAs(current, file)) {
        Log(std::string("saved as ") + file);
        spool->Discard(current);
    } else {
        Log(std::string("error: cannot save as ") + file + " (error " + std::to_string(GetLastError()) + ")");
    }
    return true;
}

void OnSave() {
    if (RunSaveDialog(jobWindow)) FinishJob();
}

void OnCancel() {
    Log("cancelled " + current.pdfPath);
    spool->Discard(current);
    FinishJob();
}

LRESULT CALLBACK JobWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kSaveId && HIWORD(wParam) == BN_CLICKED) OnSave();
        else if (LOWORD(wParam) == kCancelId && HIWORD(wParam) == BN_CLICKED) OnCancel();
        return 0;
    case WM_CLOSE: OnCancel(); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Complete, every control created, before it carries the title that
// automation looks for.
void ShowJobWindow() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    jobWindow = CreateWindowExA(0, kWindowClass, "", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 420, 300,
                                420, 190, nullptr, nullptr, instance, nullptr);
    const std::string info = "Document: " + current.documentName + "\r\nTime: " + current.time +
                             "\r\nSize: " + std::to_string(current.size) + " bytes";
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    HWND text = CreateWindowExA(0, "Static", info.c_str(), WS_CHILD | WS_VISIBLE, 12, 10, 390, 60,
                                jobWindow, nullptr, instance, nullptr);
    HWND save = CreateWindowExA(0, "Button", options.englishCaption ? kSaveEnglish : kSaveChinese,
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 200, 110, 95, 28,
                                jobWindow, reinterpret_cast<HMENU>(kSaveId), instance, nullptr);
    HWND cancel = CreateWindowExA(0, "Button", options.englishCaption ? "Cancel" : kCancelChinese,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 305, 110, 95, 28,
                                  jobWindow, reinterpret_cast<HMENU>(kCancelId), instance, nullptr);
    for (HWND c : {text, save, cancel}) SendMessageA(c, WM_SETFONT, font, FALSE);
    SetWindowTextA(jobWindow, kTitle);
    ShowWindow(jobWindow, SW_SHOWNORMAL);
    SetForegroundWindow(jobWindow);
    Log("window shown");
}

bool Readable(const Job& job) {
    HANDLE f = CreateFileA(job.pdfPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    char head[5] = {};
    DWORD got = 0;
    ReadFile(f, head, 4, &got, nullptr);
    CloseHandle(f);
    return got == 4 && std::string(head) == "%PDF";
}

void Poll() {
    if (busy) return;
    switch (spool->Next(current)) {
    case SpoolState::Missing:
        if (!reportedMissing) Log("error: spool folder " + spool->Folder() + " is missing");
        reportedMissing = true;
        return;
    case SpoolState::Empty: reportedMissing = false; return;
    case SpoolState::HasJob: break;
    }
    reportedMissing = false;
    if (!Readable(current)) {
        Log("error: job " + current.pdfPath + " is unreadable; set aside");
        spool->SetAside(current);
        return;
    }
    busy = true;
    Log("job received " + current.pdfPath + " (" + current.documentName + ", " +
        std::to_string(current.size) + " bytes)");
    if (options.delayMs) Sleep(options.delayMs);
    if (options.noFirstWindow) {
        RunSaveDialog(nullptr);
        spool->Discard(current);
        busy = false;
        return;
    }
    ShowJobWindow();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    options = ParseOptions(__argc, __argv);
    OpenLog(options.logPath);
    Spool folder(options.spool);
    spool = &folder;

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = JobWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassExA(&wc);

    Log("started; watching " + options.spool + (options.englishCaption ? ", caption &Save" : ""));
    SetTimer(nullptr, kPollTimer, kPollMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) {
            Poll();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
