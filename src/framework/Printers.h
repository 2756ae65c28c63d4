#pragma once
// The installed printers, as the spooler lists them.

#include <string>
#include <vector>

namespace framework {

// Names of the installed printers (local ones and connections), in the
// spooler's order, read now.
std::vector<std::string> EnumerateInstalledPrinters();

// The application's printer object: its list is read once, on first use
// (while the main form loads), and kept for the run.
class TPrinter {
public:
    const std::vector<std::string>& Printers();

private:
    bool read_ = false;
    std::vector<std::string> printers_;
};

TPrinter& Printer();

}  // namespace framework
