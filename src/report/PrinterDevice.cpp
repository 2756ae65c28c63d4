#include "report/PrinterDevice.h"

#include <winspool.h>

#include "framework/Exception.h"
#include "report/Errors.h"

namespace report {
namespace {

std::string DefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    std::string name(size, '\0');
    if (size == 0 || !GetDefaultPrinterA(name.data(), &size)) return {};
    name.resize(size > 0 ? size - 1 : 0);
    return name;
}

std::string PortOf(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed ? needed : 1);
    if (!needed || !GetPrinterA(printer, 2, buffer.data(), needed, &needed)) return {};
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    return info->pPortName ? info->pPortName : "";
}

[[noreturn]] void NotValid() { throw framework::Exception(kPrinterNotValid); }

framework::ScopedPrinterHandle OpenPrinterHandle(const std::string& printer) {
    HANDLE h = nullptr;
    if (printer.empty() || !OpenPrinterA(const_cast<char*>(printer.c_str()), &h, nullptr)) return {};
    return framework::ScopedPrinterHandle(h);
}

// Whether the open printer offers the paper size (DMPAPER_xxx).
bool OffersPaper(HANDLE handle, const std::string& printer, short paper) {
    const std::string port = PortOf(handle);
    const int count = DeviceCapabilitiesA(printer.c_str(), port.c_str(), DC_PAPERS, nullptr, nullptr);
    if (count <= 0) return false;
    std::vector<WORD> papers(static_cast<std::size_t>(count));
    DeviceCapabilitiesA(printer.c_str(), port.c_str(), DC_PAPERS,
                        reinterpret_cast<char*>(papers.data()), nullptr);
    for (WORD p : papers)
        if (p == static_cast<WORD>(paper)) return true;
    return false;
}

}  // namespace

std::string SelectPrinter(const std::vector<std::string>& printers, int index) {
    if (index < -1 || index >= static_cast<int>(printers.size()))
        throw framework::Exception(kPrinterIndexOutOfRange);
    return index == -1 ? DefaultPrinter() : printers[static_cast<std::size_t>(index)];
}

framework::ScopedCreatedDc OpenPrinterDc(const std::string& printer, const PageDescription& page,
                                         const PrinterSettingsDescription& settings) {
    const framework::ScopedPrinterHandle handle = OpenPrinterHandle(printer);
    if (!handle) NotValid();
    char* name = const_cast<char*>(printer.c_str());
    const LONG size = DocumentPropertiesA(nullptr, handle.get(), name, nullptr, nullptr, 0);
    if (size <= 0) NotValid();
    std::vector<BYTE> buffer(static_cast<std::size_t>(size));
    auto* mode = reinterpret_cast<DEVMODEA*>(buffer.data());
    if (DocumentPropertiesA(nullptr, handle.get(), name, mode, nullptr, DM_OUT_BUFFER) != IDOK) NotValid();

    if (page.paper == PaperSize::A4 && OffersPaper(handle.get(), printer, DMPAPER_A4)) {
        mode->dmPaperSize = DMPAPER_A4;
        mode->dmFields |= DM_PAPERSIZE;
        mode->dmFields &= ~static_cast<DWORD>(DM_PAPERLENGTH | DM_PAPERWIDTH);
    }
    mode->dmOrientation = DMORIENT_PORTRAIT;
    mode->dmCopies = static_cast<short>(settings.copies);
    mode->dmDefaultSource = settings.outputBin == 0 ? DMBIN_AUTO : static_cast<short>(settings.outputBin);
    mode->dmFields |= DM_ORIENTATION | DM_COPIES | DM_DEFAULTSOURCE;
    DocumentPropertiesA(nullptr, handle.get(), name, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);

    framework::ScopedCreatedDc dc(CreateDCA("WINSPOOL", printer.c_str(), nullptr, mode));
    if (!dc) NotValid();
    return dc;
}

}  // namespace report
