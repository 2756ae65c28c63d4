#include "report/PageRenderer.h"

#include "framework/ScopedWin.h"

namespace report {
namespace {

using framework::ScopedBrush;
using framework::ScopedFont;
using framework::ScopedSelect;

int ToPixels(double tenthsOfMm, int dpi) { return static_cast<int>(tenthsOfMm / 254.0 * dpi + 0.5); }

COLORREF ResolveColor(unsigned long color) {
    // System colours carry the high bit; the rest are plain RGB.
    return (color & 0x80000000u) ? GetSysColor(static_cast<int>(color & 0xFF)) : static_cast<COLORREF>(color);
}

void RenderLabel(HDC dc, const DeviceGeometry& g, const TQRLabel& label, int bandLeft, int bandTop) {
    const LabelDescription& d = label.description;
    ScopedFont font(CreateFontA(-MulDiv(d.fontPoints, g.dpiY, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, d.font.name));
    ScopedSelect selectFont(dc, font.get());
    const int left = bandLeft + ToPixels(d.left, g.dpiX);
    const int top = bandTop + ToPixels(d.top, g.dpiY);
    const int length = static_cast<int>(strlen(d.caption));
    SIZE extent{};
    GetTextExtentPoint32A(dc, d.caption, length, &extent);
    // Auto-size: the box follows the text.
    const int width = d.autoSize ? extent.cx : ToPixels(d.width, g.dpiX);
    const int height = d.autoSize ? extent.cy : ToPixels(d.height, g.dpiY);
    if (!d.transparent) {
        ScopedBrush fill(CreateSolidBrush(ResolveColor(d.color)));
        RECT box{left, top, left + width, top + height};
        FillRect(dc, &box, fill.get());
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColor(d.font.color));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutA(dc, left, top, d.caption, length);
}

}  // namespace

DeviceGeometry DeviceGeometry::Of(HDC dc) {
    DeviceGeometry g{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), 0, 0};
    if (GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER) {
        g.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
        g.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    }
    return g;
}

int PageCount(const QuickRepDescription& report) { return report.printIfEmpty ? 1 : 0; }

void RenderPage(HDC dc, const DeviceGeometry& g, const QuickRepDescription& report,
                const std::vector<std::unique_ptr<TQRCustomBand>>& bands) {
    framework::ScopedDcState state(dc);
    const int left = ToPixels(report.page.leftMargin, g.dpiX) - g.offsetX;
    int y = ToPixels(report.page.topMargin, g.dpiY) - g.offsetY;
    for (const auto& band : bands) {
        if (!band->PrintsWithoutRecords()) continue;
        const BandDescription& d = band->description;
        const int height = ToPixels(d.height, g.dpiY);
        RECT area{left, y, left + ToPixels(d.width, g.dpiX), y + height};
        ScopedBrush fill(CreateSolidBrush(ResolveColor(d.color)));
        FillRect(dc, &area, fill.get());
        for (const auto& label : band->Labels()) RenderLabel(dc, g, *label, left, y);
        y += height;
    }
}

}  // namespace report
