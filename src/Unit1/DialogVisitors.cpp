#include <cstring>

#include "Unit1/Texts.h"
#include "Unit1/Unit1.h"

namespace {

// Room for 1024 characters and a zero; the platform is told 1024, so at most
// 1023 characters come back and a longer text can never equal a caption.
constexpr int kTextBufferLength = 1025;
constexpr int kTextBufferSize = 1024;

bool IsSaveCaption(const char* text) {
    return std::strcmp(text, unit1::kSaveCaptionChinese) == 0 ||
           std::strcmp(text, unit1::kSaveCaptionEnglish) == 0;
}

}  // namespace

bool FillFileNameEdit(platform::WindowHandle window, std::intptr_t /*extra*/) {
    if (window == 0) return true;
    platform::WindowSystem& ws = platform::Current();
    char className[kTextBufferLength] = {};
    ws.ReadClassName(window, className, kTextBufferSize);
    if (std::strcmp(className, unit1::kEditClass) != 0) return true;
    ws.BringToTop(window);
    ws.WriteText(window, unit1::kOutputPath);
    if (Form1) Form1->Memo1->Lines()->Add(unit1::kFilledLogLine);
    return true;
}

// Posted, not sent: the owning program handles the press at its own pace.
bool PressSaveButton(platform::WindowHandle window, std::intptr_t /*extra*/) {
    if (window == 0) return true;
    platform::WindowSystem& ws = platform::Current();
    char text[kTextBufferLength] = {};
    ws.ReadText(window, text, kTextBufferSize);
    if (IsSaveCaption(text)) {
        ws.BringToTop(window);
        ws.PostLeftButtonDown(window);
        ws.Sleep(unit1::kPressHoldMs);
        ws.PostLeftButtonUp(window);
    }
    return true;
}
