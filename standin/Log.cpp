#include "Log.h"

#include <windows.h>

namespace standin {
namespace {
HANDLE logFile = INVALID_HANDLE_VALUE;

void Write(HANDLE h, const std::string& text) {
    if (h == INVALID_HANDLE_VALUE || h == nullptr) return;
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
}  // namespace

void OpenLog(const std::string& path) {
    if (path.empty()) return;
    logFile = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void Log(const std::string& line) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char stamp[32];
    wsprintfA(stamp, "%02d:%02d:%02d.%03d ", t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    const std::string text = stamp + line + "\r\n";
    Write(GetStdHandle(STD_OUTPUT_HANDLE), text);
    Write(logFile, text);
}

}  // namespace standin
