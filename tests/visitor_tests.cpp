// The two visitors against real dialogs of the fixture program in another
// process: what the controls received, what the log gained, and the calls
// made, in order.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "Unit1/Texts.h"
#include "Unit1/Unit1.h"
#include "support/Form1InProcess.h"
#include "support/SubstituteWindowSystem.h"
#include "support/WindowFixture.h"

namespace {

using namespace testsupport;
using platform::WindowHandle;

// Not the real dialog's title: other tests look that one up at the same time.
const std::string kDialogTitle = "\xB4\xFA\xB8\xD5 visitor fixture";  // 測試 ...
const std::string kChineseSave = unit1::kSaveCaptionChinese;
const std::string kEnglishSave = unit1::kSaveCaptionEnglish;

struct VisitorCase {
    const char* name;
    std::vector<FixtureControl> controls;
    std::vector<std::size_t> filled;   // controls that must receive the output path
    std::vector<std::size_t> pressed;  // controls that must be pressed, in this order
};

std::ostream& operator<<(std::ostream& os, const VisitorCase& c) { return os << c.name; }

std::size_t LogLines(const std::string& log) {
    std::size_t n = 0;
    for (std::size_t at = 0; (at = log.find("sendMessage to Edit \r\n", at)) != std::string::npos; ++at) ++n;
    return n;
}

class VisitorTest : public ::testing::TestWithParam<VisitorCase> {
protected:
    void SetUp() override {
        EnsureForm1();
        ResetForm1Log();
    }
};

TEST_P(VisitorTest, FillsEveryEditAndPressesEverySaveCaption) {
    const VisitorCase& c = GetParam();
    WindowFixture fixture(kDialogTitle, c.controls);
    ASSERT_TRUE(fixture.Ready());
    SubstituteWindowSystem ws;
    for (std::size_t i = 0; i < c.controls.size(); ++i)
        ws.windows.push_back(reinterpret_cast<WindowHandle>(fixture.Control(i)));
    platform::ScopedWindowSystem use(ws);
    const auto parent = reinterpret_cast<WindowHandle>(fixture.Window());

    ws.EnumerateChildWindows(parent, FillFileNameEdit, 0);
    ws.EnumerateChildWindows(parent, PressSaveButton, 0);
    ASSERT_TRUE(fixture.Settle());

    for (std::size_t i = 0; i < c.controls.size(); ++i) {
        const bool filled = std::count(c.filled.begin(), c.filled.end(), i) > 0;
        EXPECT_EQ(fixture.TextsSetInto(i),
                  filled ? std::vector<std::string>{unit1::kOutputPath} : std::vector<std::string>{})
            << "control " << i << " (" << c.controls[i].className << ")";
    }
    EXPECT_EQ(LogLines(Form1Log()), c.filled.size()) << "log: " << Form1Log();

    std::vector<std::string> downs, expectedDowns, pressCalls, expectedPressCalls;
    for (const auto& line : fixture.Events("down")) downs.push_back(line);
    for (std::size_t i : c.pressed) {
        const std::string n = std::to_string(i);
        expectedDowns.push_back("down " + n);
        expectedPressCalls.insert(expectedPressCalls.end(), {"top " + n, "down " + n, "sleep 100", "up " + n});
        // That the pair becomes BN_CLICKED is the platform tests' concern: it
        // needs mouse capture, which a click elsewhere on the shared display can take.
    }
    EXPECT_EQ(downs, expectedDowns) << "presses the fixture received";
    EXPECT_EQ(fixture.Events("up").size(), c.pressed.size());
    for (const auto& call : ws.calls)
        if (call.rfind("down", 0) == 0 || call.rfind("up", 0) == 0 || call.rfind("sleep", 0) == 0 ||
            call.rfind("top", 0) == 0)
            pressCalls.push_back(call);
    // Filling brings each Edit to the top too; those come first.
    std::vector<std::string> fillTops;
    for (std::size_t i : c.filled) fillTops.push_back("top " + std::to_string(i));
    expectedPressCalls.insert(expectedPressCalls.begin(), fillTops.begin(), fillTops.end());
    EXPECT_EQ(pressCalls, expectedPressCalls);
}

const std::string kLong(1030, 'x');

INSTANTIATE_TEST_SUITE_P(
    Dialogs, VisitorTest,
    ::testing::Values(
        VisitorCase{"TwoEditsBothFilled",
                    {{0, "Edit", ""}, {0, "Edit", "old"}, {0, "Button", kChineseSave}}, {0, 1}, {2}},
        VisitorCase{"OtherEditLikeClassesNotFilled",
                    {{0, "TEdit", ""}, {0, "EditX", ""}, {0, "RichEdit20A", ""}}, {}, {}},
        VisitorCase{"EnglishSaveInChineseDialogPressed", {{0, "Button", kEnglishSave}}, {}, {0}},
        VisitorCase{"NearMissCaptionsNotPressed",
                    {{0, "Button", "Save"},
                     {0, "Button", "\xC0\x78\xA6\x73"},
                     {0, "Button", "\xC0\x78\xA6\x73(S)"},
                     {0, "Button", "&save"},
                     {0, "Button", "&Save "}},
                    {},
                    {}},
        VisitorCase{"TwoSaveControlsPressedInOrder",
                    {{0, "Button", kChineseSave}, {0, "Edit", ""}, {0, "Button", kEnglishSave}},
                    {1},
                    {0, 2}},
        VisitorCase{"StaticWithSaveCaptionPressed", {{0, "Static", kEnglishSave}}, {}, {0}},
        VisitorCase{"NoEditsNothingFilledOrLogged",
                    {{0, "Static", "File name:"}, {0, "ComboBox", ""}}, {}, {}},
        VisitorCase{"NestedEditFilled",
                    {{0, "FixturePanel", ""},
                     {1, "FixturePanel", ""},
                     {2, "FixturePanel", ""},
                     {3, "Edit", ""},
                     {3, "Button", kChineseSave}},
                    {3},
                    {4}},
        VisitorCase{"LongTextsNeitherOverflowNorMatch",
                    {{0, "Button", kEnglishSave + kLong}, {0, "Edit", kLong}}, {1}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Visitors, ClassNameMustBeEditInThatCaseExactly) {
    EnsureForm1();
    WindowFixture fixture(kDialogTitle, {{0, "Edit", ""}});
    ASSERT_TRUE(fixture.Ready());
    for (const char* name : {"edit", "EDIT", "Edit ", "Edi"}) {
        ResetForm1Log();
        SubstituteWindowSystem ws;
        ws.className = [&](WindowHandle) { return std::string(name); };
        platform::ScopedWindowSystem use(ws);
        EXPECT_TRUE(FillFileNameEdit(reinterpret_cast<WindowHandle>(fixture.Control(0)), 0));
        EXPECT_EQ(ws.calls, std::vector<std::string>{"class ?"}) << "class " << name;
    }
    ASSERT_TRUE(fixture.Settle());
    EXPECT_THAT(fixture.TextsSetInto(0), ::testing::IsEmpty());
    EXPECT_EQ(Form1Log(), "Memo1\r\n");
}

TEST(Visitors, AnswerContinueForNoWindowAndDoNothing) {
    EnsureForm1();
    ResetForm1Log();
    SubstituteWindowSystem ws;
    platform::ScopedWindowSystem use(ws);
    EXPECT_TRUE(FillFileNameEdit(0, 0));
    EXPECT_TRUE(PressSaveButton(0, 0));
    EXPECT_THAT(ws.calls, ::testing::IsEmpty());
    EXPECT_EQ(Form1Log(), "Memo1\r\n");
}

}  // namespace
