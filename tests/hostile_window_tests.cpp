// The visitors and the wait against windows that misbehave: destroyed midway,
// owned by a program that stopped answering, with texts too long or not
// valid Big5, twins under one title, and hundreds of controls.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "Unit1/Texts.h"
#include "Unit1/Unit1.h"
#include "support/Form1InProcess.h"
#include "support/SubstituteWindowSystem.h"
#include "support/WindowFixture.h"
#include "support/Windows.h"

namespace {

using namespace std::chrono_literals;
using namespace testsupport;
using platform::WindowHandle;

const std::string kSave = unit1::kSaveCaptionEnglish;
const std::string kSaveChinese = unit1::kSaveCaptionChinese;

WindowHandle H(HWND w) { return reinterpret_cast<WindowHandle>(w); }

std::size_t LogLines() {
    const std::string log = Form1Log();
    std::size_t n = 0;
    for (std::size_t at = 0; (at = log.find("sendMessage to Edit \r\n", at)) != std::string::npos; ++at) ++n;
    return n;
}

// Fills, then presses, as the command does with the found window.
void FillAndPress(WindowHandle parent) {
    platform::WindowSystem& ws = platform::Current();
    ws.EnumerateChildWindows(parent, FillFileNameEdit, 0);
    ws.EnumerateChildWindows(parent, PressSaveButton, 0);
}

class HostileWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureForm1();
        ResetForm1Log();
    }
};

TEST_F(HostileWindowTest, WindowDestroyedWhileBeingFilled) {
    WindowFixture fixture("hostile", {{0, "Edit", ""}, {0, "Edit", ""}, {0, "Button", kSave}},
                          {"--destroy-on", "settext"});
    ASSERT_TRUE(fixture.Ready());
    FillAndPress(H(fixture.Window()));
    EXPECT_FALSE(IsWindow(fixture.Window()));
    EXPECT_TRUE(fixture.Process().WaitForLine("destroying on settext", 5s));
    EXPECT_EQ(fixture.TextsSetInto(0).size(), 1u);
    EXPECT_THAT(fixture.TextsSetInto(1), ::testing::IsEmpty()) << "a destroyed Edit was filled";
    EXPECT_THAT(fixture.Events("down"), ::testing::IsEmpty());
    EXPECT_EQ(LogLines(), 1u);
}

TEST_F(HostileWindowTest, WindowDestroyedWhileBeingPressed) {
    WindowFixture fixture("hostile", {{0, "Button", kSave}, {0, "Button", kSaveChinese}},
                          {"--destroy-on", "down"});
    ASSERT_TRUE(fixture.Ready());
    FillAndPress(H(fixture.Window()));
    EXPECT_TRUE(fixture.Process().WaitForLine("destroying on down", 5s));
    EXPECT_EQ(fixture.Events("down"), std::vector<std::string>{"down 0"});
    EXPECT_THAT(fixture.Events("up"), ::testing::IsEmpty());
    EXPECT_TRUE(fixture.Process().Running()) << "the fixture died: nothing could report";
}

TEST_F(HostileWindowTest, WindowDestroyedWhileItsTextIsRead) {
    WindowFixture fixture("hostile", {{0, "Button", kSave}, {0, "Edit", ""}}, {"--destroy-on", "gettext"});
    ASSERT_TRUE(fixture.Ready());
    FillAndPress(H(fixture.Window()));
    EXPECT_TRUE(fixture.Process().WaitForLine("destroying on gettext", 5s));
    EXPECT_FALSE(IsWindow(fixture.Window()));
}

TEST_F(HostileWindowTest, WindowDestroyedBetweenTheWaitAndTheEnumeration) {
    auto fixture = std::make_unique<WindowFixture>(
        "gone before enumeration", std::vector<FixtureControl>{{0, "Edit", ""}, {0, "Button", kSave}});
    ASSERT_TRUE(fixture->Ready());
    ASSERT_TRUE(Form1->WaitForWindow("gone before enumeration", "5"));
    const WindowHandle found = FoundWindow;
    fixture.reset();  // the program ends, its windows with it
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(reinterpret_cast<HWND>(found)); }, 5s));
    SubstituteWindowSystem ws;
    platform::ScopedWindowSystem use(ws);
    FillAndPress(found);
    EXPECT_THAT(ws.calls, ::testing::IsEmpty()) << "visited children of a destroyed window";
    EXPECT_EQ(LogLines(), 0u);
}

// Without a bound the first text message would wait for ever.
TEST_F(HostileWindowTest, HungOwnerDelaysButDoesNotFreezeTheVisitors) {
    WindowFixture fixture("hung", {{0, "Edit", ""}, {0, "Edit", ""}, {0, "Button", kSave}}, {"--hang"});
    ASSERT_TRUE(fixture.Ready());
    const auto started = std::chrono::steady_clock::now();
    FillAndPress(H(fixture.Window()));
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took, 60s) << "bounded by a few seconds per control";
    std::cout << "[ figure ] visitors against a hung program took "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms\n";
    EXPECT_EQ(LogLines(), 2u) << "the filler logs each Edit, answered or not";
    EXPECT_THAT(fixture.Events("down"), ::testing::IsEmpty()) << "a text never read cannot match";
}

TEST_F(HostileWindowTest, LongAndInvalidTextsNeitherOverflowNorMatch) {
    const std::vector<std::string> texts = {
        kSave + std::string(1023 - kSave.size(), 'x'),  // 1023 bytes
        kSave + std::string(1024 - kSave.size(), 'x'),  // 1024: cut to 1023
        kSave + std::string(5000 - kSave.size(), 'x'),
        std::string(5000, 'x'),
        kSave + "\xA4",                      // ends in a lead byte
        "\xA4" + kSave,                      // a lead byte swallows '&'
        "\xFF\xFF" + kSave,                  // not Big5 at all
        kSaveChinese.substr(0, kSaveChinese.size() - 1) + "\xA4",
    };
    // One fixture each: a command line holds about 32 K characters of hex.
    for (const auto& text : texts) {
        WindowFixture fixture("long texts", {{0, "Button", text}, {0, "Edit", text}});
        ASSERT_TRUE(fixture.Ready()) << text.size() << " bytes";
        SubstituteWindowSystem ws;
        platform::ScopedWindowSystem use(ws);
        FillAndPress(H(fixture.Window()));
        ASSERT_TRUE(fixture.Settle());
        // The system stores the text as Unicode: a lone lead byte at the end
        // is dropped there, so that control really holds "&Save". A press is
        // right exactly when what the control holds is a Save caption.
        const std::string held = TextOf(fixture.Control(0));
        const bool caption = held == kSave || held == kSaveChinese;
        EXPECT_EQ(fixture.Events("down").size(), caption ? 1u : 0u)
            << "text of " << text.size() << " bytes, held as " << held.size() << " bytes";
        EXPECT_EQ(fixture.TextsSetInto(1).size(), 1u) << "an Edit holding such a text is still filled";
        for (int size : ws.readSizes) EXPECT_EQ(size, 1024);
    }
    EXPECT_EQ(LogLines(), texts.size());
}

TEST_F(HostileWindowTest, LongClassNamesAreNotEdit) {
    WindowFixture fixture("long class names", {{0, "Edit", ""}});
    ASSERT_TRUE(fixture.Ready());
    for (std::size_t length : {1023u, 1024u, 5000u}) {
        SubstituteWindowSystem ws;
        ws.className = [&](WindowHandle) { return "Edit" + std::string(length - 4, 'x'); };
        platform::ScopedWindowSystem use(ws);
        EXPECT_TRUE(FillFileNameEdit(H(fixture.Control(0)), 0));
        EXPECT_EQ(ws.calls, std::vector<std::string>{"class ?"}) << length << " bytes";
        EXPECT_EQ(ws.readSizes, std::vector<int>{1024});
    }
    EXPECT_EQ(LogLines(), 0u);
}

TEST_F(HostileWindowTest, TwinWindowsUnderOneTitleOnlyTheFoundOneIsPressed) {
    WindowFixture first("twin", {{0, "Button", kSave}});
    WindowFixture second("twin", {{0, "Button", kSave}});
    ASSERT_TRUE(first.Ready() && second.Ready());
    ASSERT_TRUE(Form1->WaitForWindow("twin", "5"));
    ASSERT_TRUE(FoundWindow == H(first.Window()) || FoundWindow == H(second.Window()));
    platform::Current().EnumerateChildWindows(FoundWindow, PressSaveButton, 0);
    WindowFixture& found = FoundWindow == H(first.Window()) ? first : second;
    WindowFixture& other = FoundWindow == H(first.Window()) ? second : first;
    ASSERT_TRUE(found.Settle() && other.Settle());
    EXPECT_EQ(found.Events("down").size(), 1u);
    EXPECT_THAT(other.Events("down"), ::testing::IsEmpty());
}

TEST_F(HostileWindowTest, FiveHundredDescendantsAreAllVisited) {
    WindowFixture fixture("many controls", {{0, "Edit", ""}}, {"--count", "500"});
    ASSERT_TRUE(fixture.Ready());
    const auto started = std::chrono::steady_clock::now();
    platform::Current().EnumerateChildWindows(H(fixture.Window()), FillFileNameEdit, 0);
    const auto took = std::chrono::steady_clock::now() - started;
    ASSERT_TRUE(fixture.Settle());
    EXPECT_EQ(fixture.Events("settext").size(), 500u);
    EXPECT_EQ(LogLines(), 500u);
    std::cout << "[ figure ] one fill enumeration of 500 Edits took "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms\n";
}

}  // namespace
