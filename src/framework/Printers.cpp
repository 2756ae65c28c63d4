#include "framework/Printers.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

namespace framework {

std::vector<std::string> EnumerateInstalledPrinters() {
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    EnumPrintersA(flags, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<std::string> names;
    if (needed == 0) return names;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersA(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return names;
    const auto* info = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        if (info[i].pPrinterName) names.emplace_back(info[i].pPrinterName);
    return names;
}

const std::vector<std::string>& TPrinter::Printers() {
    if (!read_) {
        printers_ = EnumerateInstalledPrinters();
        read_ = true;
    }
    return printers_;
}

TPrinter& Printer() {
    static TPrinter printer;
    return printer;
}

}  // namespace framework
