// Many autosave runs in a row in one program instance, against the stand-in
// and the real test printer: every PDF saved, and what the program holds of
// the window system printed after each run and flat.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "Unit1/Texts.h"
#include "Unit1/Unit1.h"
#include "support/ChildProcess.h"
#include "support/Form1InProcess.h"
#include "support/ProcessResources.h"
#include "support/Windows.h"

namespace {

using namespace std::chrono_literals;
using namespace testsupport;

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

void HandleWaitingMessages() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

int Runs() {
    const char* runs = std::getenv("AUTOSAVE_SOAK_RUNS");
    return runs ? std::atoi(runs) : 10;
}

TEST(Soak, RunsInARowSaveEveryPdfAndHoldNoMore) {
    EnsureForm1();
    // A job another test left behind would open a window of its own.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("C:\\PDFCreatorSpool\\*", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((std::string("C:\\PDFCreatorSpool\\") + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    ChildProcess standIn("PDFCreatorStandIn.exe", {});
    ASSERT_TRUE(standIn.WaitForLine("", 10s));
    const char* output = unit1::kOutputPath;
    std::vector<ProcessResources> after;
    for (int run = 1; run <= Runs(); ++run) {
        DeleteFileA(output);
        Form1->Button5Click(nullptr);
        if (!WaitUntil([&] { return Exists(output); }, 20s)) {
            std::string log;
            for (const auto& line : standIn.Lines()) log += "\n  " + line;
            FAIL() << "run " << run << " saved nothing; the stand-in's log:" << log;
        }
        HandleWaitingMessages();
        after.push_back(CurrentProcessResources());
        const auto& r = after.back();
        std::printf("[ soak ] run %2d: GDI objects %zu, windows %zu, private memory %zu KiB\n", run,
                    r.gdiObjects, r.windows, r.privateBytes / 1024);
    }
    std::fflush(stdout);
    ASSERT_GE(after.size(), 3u);
    // The first runs may fill caches (fonts, the printer driver); from then on nothing grows.
    const ProcessResources& settled = after[1];
    const ProcessResources& last = after.back();
    EXPECT_LE(last.gdiObjects, settled.gdiObjects) << "GDI objects leak";
    EXPECT_LE(last.windows, settled.windows) << "windows leak";
    EXPECT_LT(last.privateBytes, settled.privateBytes + 4 * 1024 * 1024) << "memory grows";
    EXPECT_GT(settled.gdiObjects, 0u) << "the GDI count reads nothing";
}

}  // namespace
