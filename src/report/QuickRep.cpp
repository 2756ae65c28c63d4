#include "report/QuickRep.h"

#include "framework/Application.h"
#include "framework/Printers.h"
#include "framework/Exception.h"
#include "report/Errors.h"
#include "report/PageRenderer.h"
#include "report/PrinterDevice.h"
#include "report/ProgressWindow.h"

namespace report {
namespace {

// Ends the document however printing is left, so the spooler never keeps a
// half-open job.
class ScopedDocument {
public:
    ScopedDocument(HDC dc, const char* name) : dc_(dc) {
        DOCINFOA info{};
        info.cbSize = sizeof info;
        info.lpszDocName = name;
        started_ = StartDocA(dc, &info) > 0;
    }
    ~ScopedDocument() {
        if (started_ && !ended_) AbortDoc(dc_);
    }
    bool Started() const { return started_; }
    bool End() {
        ended_ = true;
        return EndDoc(dc_) > 0;
    }

private:
    HDC dc_;
    bool started_ = false, ended_ = false;
};

}  // namespace

void TQuickRep::Preview() {
    pages_.clear();
    // Laid out for the selected printer, as the print will be; with none
    // installed, for the screen.
    const std::vector<std::string> printers = framework::EnumerateInstalledPrinters();
    framework::ScopedCreatedDc reference;
    if (!printers.empty())
        reference = OpenPrinterDc(SelectPrinter(printers, PrinterSettings.PrinterIndex),
                                  description_.page, description_.printerSettings);
    const HDC referenceDc = reference.get();
    const DeviceGeometry geometry = referenceDc ? DeviceGeometry::Of(referenceDc)
                                                : DeviceGeometry{96, 96, 0, 0};
    for (int page = 0; page < PageCount(description_); ++page) {
        RECT frame{0, 0, static_cast<LONG>(description_.page.width * 10),
                   static_cast<LONG>(description_.page.length * 10)};  // in 0.01 mm
        HDC metafile = CreateEnhMetaFileA(referenceDc, nullptr, &frame, nullptr);
        RenderPage(metafile, geometry, description_, bands_);
        pages_.emplace_back(CloseEnhMetaFile(metafile));
    }
}

void TQuickRep::Print() {
    const std::vector<std::string> printers = framework::EnumerateInstalledPrinters();
    if (printers.empty()) return;
    const std::string printer = SelectPrinter(printers, PrinterSettings.PrinterIndex);
    ProgressWindow progress;
    framework::ScopedCreatedDc dc =
        OpenPrinterDc(printer, description_.page, description_.printerSettings);
    const int pages = PageCount(description_);
    if (pages == 0) return;  // no page, no print job
    ScopedDocument document(dc.get(), description_.reportTitle);
    if (!document.Started()) throw framework::Exception(kPrinterNotValid);
    const DeviceGeometry geometry = DeviceGeometry::Of(dc.get());
    for (int page = 0; page < pages; ++page) {
        StartPage(dc.get());
        RenderPage(dc.get(), geometry, description_, bands_);
        EndPage(dc.get());
        // The printing system lets the application handle its messages
        // while the job is spooled.
        if (framework::Application) framework::Application->ProcessMessages();
    }
    document.End();
    if (framework::Application) framework::Application->ProcessMessages();
}

}  // namespace report
