// The stand-in PDF printer program, driven through its windows from this
// process as a user would: find its window, press Save, type the name into
// the Save dialog, press its Save button.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/ChildProcess.h"
#include "support/Windows.h"

namespace {

using namespace std::chrono_literals;
using namespace testsupport;
namespace fs = std::filesystem;

const char kTitle[] = "PDFCreator 0.9.5";
const char kSaveDialog[] = "\xA5\x74\xA6\x73\xB7\x73\xC0\xC9";  // 另存新檔
const char kSaveChinese[] = "\xC0\x78\xA6\x73(&S)";          // 儲存(&S)
const fs::path kSpool = "C:\\StandInTestSpool";
const fs::path kOut = "C:\\StandInTestOut";

// Paths here are ANSI (code page 950) byte strings, read with the ANSI calls:
// std::filesystem would take the bytes as UTF-8.
std::string ReadAll(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
    CloseHandle(f);
    return bytes;
}
std::string ReadAll(const fs::path& p) { return ReadAll(p.string()); }
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

HWND FindChild(HWND parent, const std::string& className, const std::string& text = {}) {
    struct Search { std::string cls, text; HWND found; } s{className, text, nullptr};
    EnumChildWindows(parent, [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (ClassNameOf(w) == s->cls && (s->text.empty() || TextOf(w) == s->text)) { s->found = w; return FALSE; }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

int CountEdits(HWND parent) {
    int n = 0;
    EnumChildWindows(parent, [](HWND w, LPARAM p) -> BOOL {
        if (ClassNameOf(w) == "Edit") ++*reinterpret_cast<int*>(p);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&n));
    return n;
}

void Click(HWND button) {
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageA(button, WM_LBUTTONUP, 0, 0);
}

class StandInTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(kSpool);
        fs::remove_all(kOut);
        fs::create_directories(kSpool);
        fs::create_directories(kOut);
    }
    void TearDown() override {
        standIn_.reset();
        std::error_code ignored;
        fs::remove_all(kSpool, ignored);
        fs::remove_all(kOut, ignored);
    }
    void Start(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--spool", kSpool.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        standIn_ = std::make_unique<ChildProcess>("PDFCreatorStandIn.exe", args);
        // Generous: the first start in a new prefix loads the dialog libraries.
        ASSERT_TRUE(standIn_->WaitForLine("", 60s)) << "the stand-in did not start";
    }
    // A job as the test printer leaves it: NAME.pdf and NAME.title.
    std::string AddJob(const std::string& name, const std::string& body) {
        const std::string pdf = "%PDF-1.4\n% " + body + "\n%%EOF\n";
        std::ofstream(kSpool / (name + ".pdf.part"), std::ios::binary) << pdf;
        std::ofstream(kSpool / (name + ".title")) << "Document " << name << "\n";
        fs::rename(kSpool / (name + ".pdf.part"), kSpool / (name + ".pdf"));
        return pdf;
    }
    HWND WaitForJobWindow() {
        HWND w = nullptr;
        WaitUntil([&] { return (w = FindWindowA(nullptr, kTitle)) != nullptr; }, 30s);
        return w;
    }
    // Presses Save in the job window and, looking as fast as the automation
    // does, returns the dialog and how many Edits it had when first seen.
    std::pair<HWND, int> PressSaveAndCatchDialog(HWND jobWindow, const std::string& caption = kSaveChinese) {
        HWND save = FindChild(jobWindow, "Button", caption);
        if (!save) return {nullptr, -1};
        Click(save);
        const ULONGLONG end = GetTickCount64() + 10000;
        while (GetTickCount64() < end)
            if (HWND d = FindWindowA(nullptr, kSaveDialog)) return {d, CountEdits(d)};
        return {nullptr, -1};
    }
    void SaveAs(HWND dialog, const std::string& path) {
        HWND edit = FindChild(dialog, "Edit");
        ASSERT_NE(edit, nullptr);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        HWND save = FindChild(dialog, "Button", kSaveChinese);
        ASSERT_NE(save, nullptr) << "no 儲存(&S) in the dialog";
        Click(save);
    }

    std::unique_ptr<ChildProcess> standIn_;
};

TEST_F(StandInTest, JobWindowSaveDialogNameOkWritesTheJobsBytes) {
    Start();
    const std::string pdf = AddJob("job-1", "first");
    HWND window = WaitForJobWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(FindChild(window, "Static"), nullptr);
    EXPECT_NE(TextOf(FindChild(window, "Static")).find("Document job-1"), std::string::npos);
    auto [dialog, edits] = PressSaveAndCatchDialog(window);
    ASSERT_NE(dialog, nullptr) << "no dialog titled 另存新檔";
    EXPECT_EQ(edits, 1) << "the dialog was not complete when its title appeared";
    const std::string target = kOut.string() + "\\\xB4\xFA\xB8\xD5\xC2\xE0\xA4\x4Apdf";  // 測試轉入pdf
    SaveAs(dialog, target);
    EXPECT_TRUE(WaitUntil([&] { return Exists(target); }, 10s)) << "nothing saved";
    EXPECT_EQ(ReadAll(target), pdf);
    EXPECT_TRUE(WaitUntil([&] { return FindWindowA(nullptr, kTitle) == nullptr; }, 5s)) << "window left open";
    EXPECT_FALSE(fs::exists(kSpool / "job-1.pdf")) << "job left in the spool";
    bool logged = false;
    for (const auto& l : standIn_->Lines()) logged |= l.find("saved as " + target) != std::string::npos;
    EXPECT_TRUE(logged);
}

// The automation fills the dialog's Edit the moment the title appears: the
// dialog must by then have its Edit and must not write over it afterwards.
TEST_F(StandInTest, SaveDialogIsCompleteWhenItsTitleFirstAppears) {
    Start();
    for (int attempt = 0; attempt < 10; ++attempt) {
        AddJob("job-" + std::to_string(attempt), "x");
        HWND window = WaitForJobWindow();
        ASSERT_NE(window, nullptr);
        auto [dialog, edits] = PressSaveAndCatchDialog(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(edits, 1) << "attempt " << attempt;
        HWND edit = FindChild(dialog, "Edit");
        ASSERT_NE(edit, nullptr);
        const std::string name = (kOut / ("out-" + std::to_string(attempt))).string();
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        Sleep(300);
        EXPECT_EQ(TextOf(edit), name) << "attempt " << attempt << ": the dialog wrote over the name";
        SaveAs(dialog, name);
        ASSERT_TRUE(WaitUntil([&] { return FindWindowA(nullptr, kTitle) == nullptr; }, 10s));
    }
}

TEST_F(StandInTest, CancelLeavesNothing) {
    Start();
    AddJob("job-1", "x");
    HWND window = WaitForJobWindow();
    ASSERT_NE(window, nullptr);
    Click(FindChild(window, "Button", "\xA8\xFA\xAE\xF8"));  // 取消
    EXPECT_TRUE(WaitUntil([&] { return FindWindowA(nullptr, kTitle) == nullptr; }, 5s));
    EXPECT_TRUE(fs::is_empty(kOut));
    EXPECT_FALSE(fs::exists(kSpool / "job-1.pdf"));
}

TEST_F(StandInTest, TwoJobsGiveTwoWindowsOneAfterTheOther) {
    Start({"--english"});
    const std::string first = AddJob("job-1", "first");
    const std::string second = AddJob("job-2", "second");
    for (const auto& [name, bytes] : {std::pair{"one", first}, std::pair{"two", second}}) {
        HWND window = WaitForJobWindow();
        ASSERT_NE(window, nullptr);
        auto [dialog, edits] = PressSaveAndCatchDialog(window, "&Save");
        ASSERT_NE(dialog, nullptr);
        SaveAs(dialog, (kOut / name).string());
        ASSERT_TRUE(WaitUntil([&] { return fs::exists(kOut / name); }, 10s)) << name;
        EXPECT_EQ(ReadAll(kOut / name), bytes) << name;
        ASSERT_TRUE(WaitUntil([&] { return FindWindowA(nullptr, kTitle) != window; }, 10s));
    }
}

TEST_F(StandInTest, SavingOverAnExistingFileReplacesIt) {
    Start();
    std::ofstream(kOut / "same", std::ios::binary) << "old contents";
    const std::string pdf = AddJob("job-1", "new");
    HWND window = WaitForJobWindow();
    ASSERT_NE(window, nullptr);
    auto [dialog, edits] = PressSaveAndCatchDialog(window);
    ASSERT_NE(dialog, nullptr);
    SaveAs(dialog, (kOut / "same").string());
    EXPECT_TRUE(WaitUntil([&] { return ReadAll(kOut / "same") == pdf; }, 10s)) << ReadAll(kOut / "same");
}

TEST_F(StandInTest, ReportsAMissingSpoolFolderAndAnUnreadableJob) {
    fs::remove_all(kSpool);
    Start();
    EXPECT_TRUE(standIn_->WaitForLine("", 5s));
    EXPECT_TRUE(WaitUntil([&] {
        for (const auto& l : standIn_->Lines()) if (l.find("is missing") != std::string::npos) return true;
        return false; }, 5s));
    fs::create_directories(kSpool);
    std::ofstream(kSpool / "bad.pdf") << "not a pdf";
    EXPECT_TRUE(WaitUntil([&] {
        for (const auto& l : standIn_->Lines()) if (l.find("unreadable") != std::string::npos) return true;
        return false; }, 5s));
    EXPECT_EQ(FindWindowA(nullptr, kTitle), nullptr);
}

}  // namespace
