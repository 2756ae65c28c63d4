#include "Unit1/FormDescription.h"

#include "Unit1/Texts.h"

namespace unit1 {

namespace {
constexpr unsigned long clWindowText = 0x80000008;  // the system colour, not a fixed one
constexpr unsigned long clBlack = 0x000000;
constexpr unsigned long clWhite = 0xFFFFFF;
constexpr report::FrameDescription kNoFrame = {clBlack, false, false, false, false};
}  // namespace

using report::BandType;

const TForm1Description kForm1Description = {
    /* Form1 */ {"Form1", {373, 119, 563, 526}, "Form1",
                 {"MS Sans Serif", -11, clWindowText},
                 /* Scaled */ false, /* PixelsPerInch */ 96, /* TextHeight */ 13},
    /* QuickRep1 */
    {"QuickRep1", {14, 88, 507, 393},
     // bottom, length, top, width, left, right margins and column space, in 0.1 mm
     {report::PaperSize::A4, report::Orientation::Portrait, /* Columns */ 1,
      100, 2970, 100, 2100, 100, 100, 0},
     /* Zoom */ 100, {"Arial", -13, clWindowText}, kNoFrame,
     /* FirstPageHeader */ true, /* LastPageFooter */ true, /* PrintIfEmpty */ true,
     /* SnapToGrid */ true,
     {{"PAGENUMBER", "0"}, {"COLUMNNUMBER", "0"}, {"REPORTTITLE", "''"}},
     {/* Copies */ 1, /* Duplex */ false, /* FirstPage */ 0, /* LastPage */ 0, /* OutputBin */ 0},
     /* ReportTitle */ ""},
    /* QRGroup1 */
    {"QRGroup1", BandType::Group, /* Height */ 105.8333, /* Width */ 1140.3542, clWhite, kNoFrame,
     false, false, false, false},
    /* QRBand1 */
    {"QRBand1", BandType::Title, 105.8333, 1140.3542, clWhite, kNoFrame, false, false, false, false},
    /* QRLabel1 */
    {"QRLabel1", "QRBand1", /* Height */ 87.3125, /* Left */ 127, /* Top */ 7.9375,
     /* Width */ 396.875, unit1::kReportLine, {"Arial", -27, clWindowText}, /* points */ 20,
     /* AutoSize */ true, /* AutoStretch */ false, /* Transparent */ false, /* WordWrap */ true,
     clWhite, kNoFrame},
    /* Button5 */ {"Button5", {16, 8, 137, 25}, "Autosave to Pdf", /* TabOrder */ 1},
    /* Memo1 */ {"Memo1", {184, 8, 185, 73}, {"Memo1", nullptr}, /* TabOrder */ 2},
};

}  // namespace unit1
