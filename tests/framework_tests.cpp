// The small pieces whose rules are easy to get subtly wrong: the texts'
// bytes, the error display's full stop, the title, number parsing, and the
// case-blind printer lookup.

#include <windows.h>

#include <gtest/gtest.h>

#include "Unit1/Texts.h"
#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/StringList.h"
#include "framework/TextToNumber.h"
#include "platform/Win32WindowSystem.h"

namespace {

std::wstring FromCodePage950(const std::string& bytes) {
    std::wstring wide(bytes.size(), L'\0');
    const int n = MultiByteToWideChar(950, MB_ERR_INVALID_CHARS, bytes.data(),
                                      static_cast<int>(bytes.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return wide;
}

TEST(Texts, DecodeFromBig5ToTheTextsTheUserSees) {
    const struct { const char* bytes; const wchar_t* text; } cases[] = {
        {unit1::kSaveDialogTitle, L"另存新檔"},
        {unit1::kPrinterMissingMessage, L"找不到印表機"},
        {unit1::kConversionFailedMessage, L"轉檔失敗"},
        {unit1::kOutputPath, L"C:\\測試轉入pdf"},
        {unit1::kSaveCaptionChinese, L"儲存(&S)"},
        {unit1::kReportLine, L"測試轉pdf檔"},
        {unit1::kFilledLogLine, L"sendMessage to Edit "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FromCodePage950(c.bytes), std::wstring(c.text)) << "bytes of " << c.bytes;
}

TEST(ErrorDisplay, AppendsAFullStopWhenTheLastCharacterSortsAfterIt) {
    const struct { std::string message, shown; } cases[] = {
        {unit1::kPrinterMissingMessage, std::string(unit1::kPrinterMissingMessage) + "."},
        {"Printer index out of range", "Printer index out of range."},
        {"Done.", "Done."},
        {"Really?", "Really?."},  // '?' is 0x3F
        {"trailing-", "trailing-"},  // '-' is 0x2D
        {"", ""},
        // The last character is judged by its first byte: 0xA4 0x2E would be
        // wrongly judged as '.' if read byte-wise from the end.
        {"\xA4\x2E", "\xA4\x2E."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(framework::WithFullStop(c.message), c.shown) << "message: " << c.message;
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithTheRestLowerCase) {
    const struct { const char* path, *title; } cases[] = {
        {"C:\\Program Files\\Autosave.exe", "Autosave"},
        {"Z:\\build\\PDFAutoSave.EXE", "Pdfautosave"},
        {"c:\\x\\autosave.v2.exe", "autosave"},
        {"Autosave", "Autosave"},
    };
    for (const auto& c : cases) EXPECT_EQ(framework::DefaultTitle(c.path), c.title) << c.path;
}

TEST(TextToNumber, AcceptsDecimalNumbersOnly) {
    const struct { const char* text; double value; } good[] = {
        {"20", 20}, {"0", 0}, {"-1", -1}, {" 2.5 ", 2.5}, {"+3", 3}, {"1e1", 10}, {".5", 0.5},
    };
    for (const auto& c : good) EXPECT_DOUBLE_EQ(framework::StrToFloat(c.text), c.value) << c.text;
    for (const char* bad : {"", "abc", "20s", "0x10", "inf", "nan", "1,5", "--1", "1e", " "})
        EXPECT_THROW(framework::StrToFloat(bad), framework::EConvertError) << "'" << bad << "'";
}

TEST(StringList, IndexOfMatchesWholeEntriesIgnoringCaseFirstOneWins) {
    framework::TStringList list;
    for (const char* name : {"Microsoft XPS", "PDFCreator2", "PDFCreator on LPT1:", "pdfcreator",
                             "PDFCreator"})
        list.Add(name);
    EXPECT_EQ(list.IndexOf("PDFCreator"), 3);
    EXPECT_EQ(list.IndexOf("PDFCREATOR2"), 1);
    EXPECT_EQ(list.IndexOf("PDF"), -1);
    EXPECT_EQ(framework::TStringList().IndexOf("PDFCreator"), -1);
}

TEST(LocalTime, EncodesDaysSinceTheRunTimesEpoch) {
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(1899, 12, 30, 0, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(1900, 1, 1, 0, 0, 0, 0), 2.0);
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(2000, 1, 1, 12, 0, 0, 0), 36526.5);
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(2026, 12, 11, 0, 0, 1, 500), 46367 + 1.5 / 86400);
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(1899, 12, 29, 0, 0, 0, 0), -1.0);
}

}  // namespace
