#include <string>

#include "Unit1/Unit1.h"
#include "framework/TextToNumber.h"

platform::WindowHandle FoundWindow = 0;

// Polls without pause and without handling messages: the time-out, in local
// clock time, is what bounds it. The lookup comes before the time test, so a
// window found in the pass in which the time runs out still counts.
bool TForm1::WaitForWindow(const std::string& title, const std::string& seconds) {
    platform::WindowSystem& ws = platform::Current();
    const double start = ws.Now();
    const double limit = framework::StrToFloat(seconds) / 24 / 60 / 60;
    for (;;) {
        FoundWindow = ws.FindTopLevelWindow(title.c_str());
        const double now = ws.Now();
        if (FoundWindow != 0) break;
        if (now - start > limit) break;
    }
    return FoundWindow != 0;
}
