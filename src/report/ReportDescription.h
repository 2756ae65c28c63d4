#pragma once
// A report as stored: lengths in tenths of a millimetre, texts in the ANSI
// code page.

#include "framework/FormDescription.h"

namespace report {

enum class PaperSize { A4 };
enum class Orientation { Portrait };
enum class BandType { Title, Group };

struct PageDescription {
    PaperSize paper;
    Orientation orientation;
    int columns;
    // In the stored order: bottom margin, length, top margin, width, left
    // margin, right margin, column space.
    double bottomMargin, length, topMargin, width, leftMargin, rightMargin, columnSpace;
};

struct FrameDescription {
    unsigned long color;
    bool top, bottom, left, right;
};

struct ReportFunction {
    const char* name;
    const char* expression;
};

struct PrinterSettingsDescription {
    int copies;
    bool duplex;
    int firstPage, lastPage;  // 0, 0: all pages
    int outputBin;            // 0: automatic
};

struct BandDescription {
    const char* name;
    BandType type;
    double height, width;
    unsigned long color;
    FrameDescription frame;
    bool alignToBottom, forceNewColumn, forceNewPage, reprintOnNewPage;
};

struct LabelDescription {
    const char* name;
    const char* parentBand;
    double height, left, top, width;
    const char* caption;
    framework::FontDescription font;  // height at 96 dpi; 20 point is -27
    int fontPoints;
    bool autoSize, autoStretch, transparent, wordWrap;
    unsigned long color;
    FrameDescription frame;
};

struct QuickRepDescription {
    const char* name;
    framework::Bounds bounds;  // on the form, before it sizes itself to its page
    PageDescription page;
    int zoom;
    framework::FontDescription font;
    FrameDescription frame;
    bool firstPageHeader, lastPageFooter, printIfEmpty, snapToGrid;
    ReportFunction functions[3];
    PrinterSettingsDescription printerSettings;
    const char* reportTitle;
};

}  // namespace report
