// The window wait: its loop against a scripted clock and lookup, then for
// real against a window of the fixture program that appears late.

#include <windows.h>

#include <gtest/gtest.h>

#include "Unit1/Unit1.h"
#include "framework/Exception.h"
#include "support/Form1InProcess.h"
#include "support/SubstituteWindowSystem.h"
#include "support/WindowFixture.h"

namespace {

using namespace testsupport;
using platform::WindowHandle;

constexpr double kSecond = 1.0 / 86400;
constexpr double kStart = 46367.5;  // a December noon
constexpr WindowHandle kWindow = 0x1234;

class WaitTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureForm1(); }
    bool Wait(const char* seconds) {
        platform::ScopedWindowSystem use(ws);
        return Form1->WaitForWindow("PDFCreator 0.9.5", seconds);
    }
    // Read 0 is the start; read n (after lookup n) is n - 0.5 s later, which
    // keeps every read clear of the limit itself.
    static double Read(int n) { return kStart + (n == 0 ? 0 : (n - 0.5) * kSecond); }
    void SecondPerRead() { ws.clock = Read; }
    void NeverFound() { ws.lookup = [](int) { return WindowHandle{0}; }; }

    SubstituteWindowSystem ws;
};

TEST_F(WaitTest, WindowThatExistsIsFoundAfterOneLookup) {
    SecondPerRead();
    ws.lookup = [](int) { return kWindow; };
    EXPECT_TRUE(Wait("20"));
    EXPECT_EQ(FoundWindow, kWindow);
    EXPECT_EQ(ws.lookups, 1);
}

TEST_F(WaitTest, GivesUpOnceMoreThanTheTimeOutHasPassed) {
    SecondPerRead();
    NeverFound();
    FoundWindow = kWindow;
    EXPECT_FALSE(Wait("20"));
    EXPECT_EQ(FoundWindow, 0u);
    // Reads at 0.5 .. 19.5 s are within the limit; the one at 20.5 s is past it.
    EXPECT_EQ(ws.lookups, 21);
}

TEST_F(WaitTest, WindowFoundInThePassWhereTimeRunsOutCounts) {
    SecondPerRead();
    ws.lookup = [](int n) { return n == 20 ? kWindow : WindowHandle{0}; };
    EXPECT_TRUE(Wait("20"));
    EXPECT_EQ(FoundWindow, kWindow);
}

TEST_F(WaitTest, ZeroTimeOutLooksUntilTheClockMoves) {
    ws.clock = [](int n) { return n < 6 ? kStart : kStart + 0.001 * kSecond; };
    NeverFound();
    EXPECT_FALSE(Wait("0"));
    EXPECT_EQ(ws.lookups, 6);
}

TEST_F(WaitTest, NegativeTimeOutMakesExactlyOneLookup) {
    ws.clock = [](int) { return kStart; };
    NeverFound();
    EXPECT_FALSE(Wait("-1"));
    EXPECT_EQ(ws.lookups, 1);
}

TEST_F(WaitTest, ClockSetBackLengthensTheWaitSetForwardEndsIt) {
    NeverFound();
    const struct { double jumpSeconds; int lookups; } cases[] = {
        {0, 21},
        {-60, 81},  // 60 s more
        {+30, 5},   // the 5th read is already past the limit
    };
    for (const auto& c : cases) {
        ws.lookups = ws.clockReads = 0;
        ws.clock = [&](int n) { return Read(n) + (n >= 5 ? c.jumpSeconds * kSecond : 0); };
        EXPECT_FALSE(Wait("20"));
        EXPECT_EQ(ws.lookups, c.lookups) << "clock jumped by " << c.jumpSeconds << " s";
    }
}

TEST_F(WaitTest, TimeOutThatIsNotANumberRaisesBeforeAnyLookup) {
    SecondPerRead();
    NeverFound();
    FoundWindow = kWindow;
    for (const char* bad : {"abc", "", "20 seconds"}) {
        EXPECT_THROW(Wait(bad), framework::EConvertError) << "'" << bad << "'";
        EXPECT_EQ(ws.lookups, 0);
        EXPECT_EQ(FoundWindow, kWindow) << "changed by a wait that never looked";
    }
}

TEST(RealWait, FindsAWindowThatAppearsLate) {
    EnsureForm1();
    WindowFixture late("late window", {{0, "Button", "&Save"}}, {"--delay", "1000"});
    // The fixture is only ready once its window exists, so wait here first.
    const ULONGLONG before = GetTickCount64();
    EXPECT_TRUE(Form1->WaitForWindow("late window", "10"));
    EXPECT_NE(FoundWindow, 0u);
    EXPECT_LT(GetTickCount64() - before, 10000u);
    ASSERT_TRUE(late.Ready());
    EXPECT_EQ(FoundWindow, reinterpret_cast<WindowHandle>(late.Window()));
}

TEST(RealWait, GivesUpOnAMissingWindow) {
    EnsureForm1();
    EXPECT_FALSE(Form1->WaitForWindow("no window has this title", "1"));
    EXPECT_EQ(FoundWindow, 0u);
}

}  // namespace
