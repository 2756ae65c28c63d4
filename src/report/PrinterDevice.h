#pragma once
// Opening the printer a report prints to, with the report's page settings
// applied where the printer offers them.

#include <windows.h>

#include <string>
#include <vector>

#include "framework/ScopedWin.h"
#include "report/ReportDescription.h"

namespace report {

// The printer at `index` of `printers` (-1: the system's default printer).
// Raises "Printer index out of range" below -1 or past the list.
std::string SelectPrinter(const std::vector<std::string>& printers, int index);

// A device context on the printer with A4 (where offered), portrait, one
// copy, automatic bin. Raises "Printer selected is not valid" when the
// printer cannot be opened.
framework::ScopedCreatedDc OpenPrinterDc(const std::string& printer, const PageDescription& page,
                                         const PrinterSettingsDescription& settings);

}  // namespace report
