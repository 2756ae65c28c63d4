// Form1 as the user sees it: the program runs in its own process and the
// test looks at its windows from outside.

#include <windows.h>

#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/Windows.h"

namespace {

using namespace std::chrono_literals;
using namespace testsupport;

class Form1Test : public ::testing::Test {
protected:
    void Start(int showCommand = -1) {
        StartOptions options;
        options.showCommand = showCommand;
        program_ = std::make_unique<ChildProcess>("Autosave.exe", std::vector<std::string>{}, options);
        form_ = WaitForWindowOf(program_->Id(), "TForm1", 15s);
        ASSERT_NE(form_, nullptr) << "Form1 did not appear";
    }
    HWND Child(const char* className) {
        for (HWND c : ChildrenOf(form_))
            if (ClassNameOf(c) == className) return c;
        return nullptr;
    }

    std::unique_ptr<ChildProcess> program_;
    HWND form_ = nullptr;
};

void ExpectBounds(HWND window, RECT expected, const char* what) {
    const RECT r = BoundsInParent(window);
    EXPECT_EQ(r.left, expected.left) << what << " left";
    EXPECT_EQ(r.top, expected.top) << what << " top";
    EXPECT_EQ(r.right - r.left, expected.right) << what << " width";
    EXPECT_EQ(r.bottom - r.top, expected.bottom) << what << " height";
}

TEST_F(Form1Test, OpensAtItsStoredPlaceWithItsCaption) {
    Start();
    ExpectBounds(form_, {373, 119, 563, 526}, "Form1");
    EXPECT_EQ(TextOf(form_), "Form1");
    const LONG style = GetWindowLongA(form_, GWL_STYLE);
    for (LONG bit : {WS_THICKFRAME, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX})
        EXPECT_TRUE(style & bit) << "style bit " << std::hex << bit;
}

TEST_F(Form1Test, ButtonAndLogAreWhereTheDescriptionPutsThemInTabOrder) {
    Start();
    HWND button = Child("Button");
    HWND memo = Child("Edit");
    ASSERT_TRUE(button && memo);
    EXPECT_EQ(TextOf(button), "Autosave to Pdf");
    ExpectBounds(button, {16, 8, 137, 25}, "Button5");
    ExpectBounds(memo, {184, 8, 185, 73}, "Memo1");

    std::vector<HWND> tabStops;
    for (HWND c : ChildrenOf(form_))
        if (GetWindowLongA(c, GWL_STYLE) & WS_TABSTOP) tabStops.push_back(c);
    EXPECT_EQ(tabStops, (std::vector<HWND>{button, memo}));
}

TEST_F(Form1Test, LogIsAWordWrappingMultiLineEditWithoutScrollBars) {
    Start();
    HWND memo = Child("Edit");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(TextOf(memo), "Memo1\r\n");
    const LONG style = GetWindowLongA(memo, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_FALSE(style & ES_AUTOHSCROLL) << "would not wrap words";
    EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL)) << "has a scroll bar";
}

TEST_F(Form1Test, TypedTextStaysInTheLog) {
    Start();
    HWND memo = Child("Edit");
    ASSERT_NE(memo, nullptr);
    SendMessageA(memo, EM_SETSEL, 7, 7);
    for (char c : std::string("typed"))
        SendMessageA(memo, WM_CHAR, static_cast<WPARAM>(c), 1);
    EXPECT_EQ(TextOf(memo), "Memo1\r\ntyped");
    Sleep(200);
    EXPECT_EQ(TextOf(memo), "Memo1\r\ntyped");
}

TEST_F(Form1Test, OpensAsTheProcessWasAskedToShowIt) {
    const struct { int show; bool zoomed, iconic; } cases[] = {
        {SW_SHOWMAXIMIZED, true, false},
        {SW_SHOWMINIMIZED, false, true},
        {SW_SHOWNORMAL, false, false},
    };
    for (const auto& c : cases) {
        Start(c.show);
        EXPECT_TRUE(WaitUntil([&] { return (IsZoomed(form_) != 0) == c.zoomed &&
                                           (IsIconic(form_) != 0) == c.iconic; }, 3s))
            << "show command " << c.show << ": zoomed " << IsZoomed(form_) << ", iconic "
            << IsIconic(form_);
        program_.reset();
    }
}

TEST_F(Form1Test, ClosingFormEndsTheProcessAtOnce) {
    const UINT closes[] = {WM_CLOSE, WM_SYSCOMMAND};
    for (UINT how : closes) {
        Start();
        if (how == WM_CLOSE) PostMessageA(form_, WM_CLOSE, 0, 0);
        else PostMessageA(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(program_->WaitForExit(3s)) << "still running after message " << how;
        program_.reset();
    }
}

}  // namespace
