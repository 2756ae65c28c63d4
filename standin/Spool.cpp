#include "Spool.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace standin {
namespace {

std::string WithoutExtension(const std::string& path) { return path.substr(0, path.rfind('.')); }

std::string ReadSmallFile(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    char buffer[512];
    DWORD got = 0;
    ReadFile(f, buffer, sizeof buffer - 1, &got, nullptr);
    CloseHandle(f);
    std::string text(buffer, got);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

}  // namespace

SpoolState Spool::Next(Job& job) const {
    const DWORD attributes = GetFileAttributesA(folder_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return SpoolState::Missing;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return SpoolState::Empty;
    std::vector<std::string> names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    if (names.empty()) return SpoolState::Empty;
    std::sort(names.begin(), names.end());  // names carry the spool time
    job = Job{};
    job.pdfPath = folder_ + "\\" + names.front();
    job.documentName = ReadSmallFile(WithoutExtension(job.pdfPath) + ".title");

    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(job.pdfPath.c_str(), GetFileExInfoStandard, &data)) {
        job.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        FILETIME local;
        SYSTEMTIME t;
        FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
        FileTimeToSystemTime(&local, &t);
        char text[32];
        wsprintfA(text, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond);
        job.time = text;
    }
    return SpoolState::HasJob;
}

bool Spool::SaveAs(const Job& job, const std::string& path) const {
    const std::string partial = path + ".saving";
    if (!CopyFileA(job.pdfPath.c_str(), partial.c_str(), FALSE)) return false;
    if (!MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(partial.c_str());
        return false;
    }
    return true;
}

void Spool::Discard(const Job& job) const {
    DeleteFileA(job.pdfPath.c_str());
    DeleteFileA((WithoutExtension(job.pdfPath) + ".title").c_str());
}

void Spool::SetAside(const Job& job) const {
    MoveFileExA(job.pdfPath.c_str(), (job.pdfPath + ".unreadable").c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace standin
