#pragma once
// The report component: its bands, its printer settings, and the two
// operations on it. On the form it shows as a layout surface, never as the
// rendered output.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/ScopedWin.h"
#include "report/Bands.h"
#include "report/ReportDescription.h"

namespace report {

struct TQRPrinterSettings {
    int PrinterIndex = -1;  // position in the installed-printer list; -1: the default printer
};

class TQuickRep {
public:
    TQuickRep(HWND parent, const QuickRepDescription& description);
    ~TQuickRep();

    template <typename Band>
    Band* AddBand(const BandDescription& d) {
        bands_.push_back(std::make_unique<Band>(d));
        return static_cast<Band*>(bands_.back().get());
    }

    HWND Handle() const { return surface_; }
    const QuickRepDescription& Description() const { return description_; }
    const std::vector<std::unique_ptr<TQRCustomBand>>& Bands() const { return bands_; }

    TQRPrinterSettings PrinterSettings;

    // Renders every page into memory: no window, no message handled.
    void Preview();
    // Renders to the printer at PrinterSettings.PrinterIndex of the spooler's
    // current list under the progress window, and returns once the job is
    // with the spooler. With no printer installed it does nothing.
    void Print();

    // The pages the last preview left in memory.
    const std::vector<framework::ScopedEnhMetaFile>& PreparedPages() const { return pages_; }

private:
    void PaintSurface(HDC dc) const;
    static LRESULT CALLBACK SurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const QuickRepDescription& description_;
    std::vector<std::unique_ptr<TQRCustomBand>> bands_;
    std::vector<framework::ScopedEnhMetaFile> pages_;
    HWND surface_ = nullptr;  // a child of the form, destroyed with it
};

}  // namespace report
