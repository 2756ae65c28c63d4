#pragma once
// Every text the program shows, looks for or writes, as code page 950 (Big5)
// bytes. The windows of the PDF printer program report their texts in the
// ANSI code page, and they are compared byte for byte.

namespace unit1 {

// "PDFCreator"
inline constexpr char kPrinterName[] = "PDFCreator";
// "PDFCreator 0.9.5"
inline constexpr char kPrinterWindowTitle[] = "PDFCreator 0.9.5";
// "另存新檔": A5 74 A6 73 B7 73 C0 C9
inline constexpr char kSaveDialogTitle[] = "\xA5\x74\xA6\x73\xB7\x73\xC0\xC9";
// Time-out of each wait, in seconds, as text.
inline constexpr char kWaitSeconds[] = "20";
// Between filling the file name and pressing Save.
inline constexpr unsigned kPauseBeforeSaveMs = 1000;
// Between the posted button-down and button-up of one press.
inline constexpr unsigned kPressHoldMs = 100;

// "找不到印表機": A7 E4 A4 A3 A8 EC A6 4C AA ED BE F7
inline constexpr char kPrinterMissingMessage[] =
    "\xA7\xE4\xA4\xA3\xA8\xEC\xA6\x4C\xAA\xED\xBE\xF7";
// "轉檔失敗": C2 E0 C0 C9 A5 A2 B1 D1
inline constexpr char kConversionFailedMessage[] = "\xC2\xE0\xC0\xC9\xA5\xA2\xB1\xD1";

// "Edit": 45 64 69 74
inline constexpr char kEditClass[] = "Edit";
// "C:\測試轉入pdf": 43 3A 5C B4 FA B8 D5 C2 E0 A4 4A 70 64 66 (no extension)
inline constexpr char kOutputPath[] = "C:\\\xB4\xFA\xB8\xD5\xC2\xE0\xA4\x4A" "pdf";
// "sendMessage to Edit " (ends with one blank)
inline constexpr char kFilledLogLine[] = "sendMessage to Edit ";
// "儲存(&S)": C0 78 A6 73 28 26 53 29
inline constexpr char kSaveCaptionChinese[] = "\xC0\x78\xA6\x73" "(&S)";
// "&Save": 26 53 61 76 65
inline constexpr char kSaveCaptionEnglish[] = "&Save";

// "測試轉pdf檔": B4 FA B8 D5 C2 E0 70 64 66 C0 C9
inline constexpr char kReportLine[] = "\xB4\xFA\xB8\xD5\xC2\xE0" "pdf" "\xC0\xC9";

}  // namespace unit1
