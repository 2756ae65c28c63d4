#pragma once
// Draws the report's one page on any device context: a printer's, a
// metafile's. Lengths in tenths of a millimetre become device pixels.

#include <windows.h>

#include <memory>
#include <vector>

#include "report/Bands.h"

namespace report {

struct DeviceGeometry {
    int dpiX, dpiY;
    int offsetX, offsetY;  // the device's unprintable margin: (0, 0) is that far into the paper
    static DeviceGeometry Of(HDC dc);
};

// How many pages one rendering produces: with no data source only the
// print-if-empty path yields a page.
int PageCount(const QuickRepDescription& report);

// Draws page 1: every band that prints without records, from the top margin
// down, its area filled, its labels at their offsets.
void RenderPage(HDC dc, const DeviceGeometry& geometry, const QuickRepDescription& report,
                const std::vector<std::unique_ptr<TQRCustomBand>>& bands);

}  // namespace report
