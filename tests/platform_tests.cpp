// The window-system operations against real windows of the fixture program,
// in another process, on the Traditional Chinese desktop.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/Win32WindowSystem.h"
#include "support/WindowFixture.h"

namespace {

using namespace std::chrono_literals;
using platform::WindowHandle;
using testsupport::FixtureControl;
using testsupport::WindowFixture;

WindowHandle H(HWND w) { return reinterpret_cast<WindowHandle>(w); }

// "測試轉入" and "儲存(&S)" in code page 950 (not the titles the program looks
// for: other tests run those windows at the same time).
const std::string kChineseTitle = "\xB4\xFA\xB8\xD5\xC2\xE0\xA4\x4A";
const std::string kChineseSave = "\xC0\x78\xA6\x73(&S)";

std::vector<WindowHandle> Descendants(WindowHandle parent) {
    std::vector<WindowHandle> found;
    platform::Win32WindowSystem().EnumerateChildWindows(
        parent,
        [](WindowHandle w, std::intptr_t list) {
            reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(w);
            return true;
        },
        reinterpret_cast<std::intptr_t>(&found));
    return found;
}

TEST(Desktop, AnsiCodePageIs950) { EXPECT_EQ(GetACP(), 950u); }

TEST(WindowSystem, FindsTopLevelWindowsByWholeTitleOnly) {
    WindowFixture fixture(kChineseTitle, {{0, "Edit", ""}});
    ASSERT_TRUE(fixture.Ready());
    platform::Win32WindowSystem ws;
    EXPECT_EQ(ws.FindTopLevelWindow(kChineseTitle.c_str()), H(fixture.Window()));
    EXPECT_EQ(ws.FindTopLevelWindow("\xB4\xFA\xB8\xD5"), 0u) << "a part of the title";
    EXPECT_EQ(ws.FindTopLevelWindow("no window has this title"), 0u);
}

TEST(WindowSystem, EnumerationReachesEveryDepthInCreationOrder) {
    WindowFixture fixture("nested", {{0, "FixturePanel", ""},
                                     {1, "FixturePanel", ""},
                                     {2, "FixturePanel", ""},
                                     {3, "Edit", "deep"},
                                     {0, "Button", "top"}});
    ASSERT_TRUE(fixture.Ready());
    std::vector<WindowHandle> expected;
    for (std::size_t i = 0; i < 5; ++i) expected.push_back(H(fixture.Control(i)));
    EXPECT_EQ(Descendants(H(fixture.Window())), expected);
}

TEST(WindowSystem, EnumerationStopsWhenTheVisitorSaysSo) {
    WindowFixture fixture("stop", {{0, "Edit", ""}, {0, "Edit", ""}, {0, "Edit", ""}});
    ASSERT_TRUE(fixture.Ready());
    int visits = 0;
    platform::Win32WindowSystem().EnumerateChildWindows(
        H(fixture.Window()),
        [](WindowHandle, std::intptr_t count) { return ++*reinterpret_cast<int*>(count) < 2; },
        reinterpret_cast<std::intptr_t>(&visits));
    EXPECT_EQ(visits, 2);
}

TEST(WindowSystem, ReadsClassNamesAsRegistered) {
    WindowFixture fixture("classes", {{0, "Edit", ""}, {0, "Button", ""}, {0, "EditX", ""}});
    ASSERT_TRUE(fixture.Ready());
    platform::Win32WindowSystem ws;
    const char* expected[] = {"Edit", "Button", "EditX"};
    for (std::size_t i = 0; i < 3; ++i) {
        char name[1025];
        ws.ReadClassName(H(fixture.Control(i)), name, 1024);
        EXPECT_STREQ(name, expected[i]);
    }
}

TEST(WindowSystem, Big5TextsCrossIntoAnotherProcessByteForByte) {
    WindowFixture fixture(kChineseTitle, {{0, "Edit", "Memo1"}, {0, "Button", kChineseSave}});
    ASSERT_TRUE(fixture.Ready());
    platform::Win32WindowSystem ws;
    char text[1025];
    ws.ReadText(H(fixture.Control(1)), text, 1024);
    EXPECT_EQ(std::string(text), kChineseSave);

    const std::string path = "C:\\\xB4\xFA\xB8\xD5\xC2\xE0\xA4\x4A" "pdf";
    ws.WriteText(H(fixture.Control(0)), path.c_str());
    ASSERT_TRUE(fixture.Settle());  // its report of the text may still be in the pipe
    EXPECT_THAT(fixture.TextsSetInto(0), ::testing::ElementsAre(path)) << "what the control received";
    ws.ReadText(H(fixture.Control(0)), text, 1024);
    EXPECT_EQ(std::string(text), path) << "what the control holds";
}

TEST(WindowSystem, ReadTextNeverOverrunsTheGivenSize) {
    const std::string longText(3000, 'x');
    WindowFixture fixture("long", {{0, "Edit", longText}});
    ASSERT_TRUE(fixture.Ready());
    char text[16];
    std::fill(std::begin(text), std::end(text), '#');
    platform::Win32WindowSystem().ReadText(H(fixture.Control(0)), text, 8);
    EXPECT_EQ(std::string(text), "xxxxxxx");
    EXPECT_EQ(text[8], '#') << "wrote past the size";
}

TEST(WindowSystem, PostedButtonDownAndUpAreSeenAsAClick) {
    WindowFixture fixture("click", {{0, "Button", "&Save"}});
    ASSERT_TRUE(fixture.Ready());
    platform::Win32WindowSystem ws;
    ws.BringToTop(H(fixture.Control(0)));
    ws.PostLeftButtonDown(H(fixture.Control(0)));
    ws.PostLeftButtonUp(H(fixture.Control(0)));
    EXPECT_TRUE(fixture.Process().WaitForLine("clicked 0", 5s)) << "no BN_CLICKED in the fixture";
    EXPECT_EQ(fixture.Events("down").size(), 1u);
    EXPECT_EQ(fixture.Events("up").size(), 1u);
}

TEST(WindowSystem, NowIsTheLocalTimeInDays) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    const double expected = platform::EncodeDateTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                                                     t.wSecond, t.wMilliseconds);
    EXPECT_NEAR(platform::Win32WindowSystem().Now(), expected, 2.0 / 86400);
}

}  // namespace
