// Installs or removes a printer of the test desktop, on the Wine PostScript
// driver. Not part of the shipped program.
//   InstallPrinter driver-dir               prints the printer-driver folder
//   InstallPrinter add NAME PORT PPDFILE [DRIVER]
//                                           PPDFILE already lies in that folder;
//                                           one driver name per PPD (default
//                                           "Wine PostScript Driver")
//   InstallPrinter remove NAME
//   InstallPrinter list
// Exit code 0 on success; a message on standard error otherwise.

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

char kDriverFile[] = "wineps.drv";
char kPrintProcessor[] = "winprint";
char kDataType[] = "RAW";

int Fail(const char* what) {
    std::fprintf(stderr, "InstallPrinter: %s failed (error %lu)\n", what, GetLastError());
    return 1;
}

int DriverDir() {
    char dir[MAX_PATH];
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(dir), sizeof dir, &needed))
        return Fail("GetPrinterDriverDirectory");
    std::printf("%s\n", dir);
    return 0;
}

int Add(char* name, char* port, char* ppd, char* driverName) {
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = driverName;
    driver.pDriverPath = kDriverFile;
    driver.pDataFile = ppd;
    driver.pConfigFile = kDriverFile;
    if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED)
        return Fail("AddPrinterDriverEx");

    HANDLE existing = nullptr;
    if (OpenPrinterA(name, &existing, nullptr)) {  // installing twice is harmless
        ClosePrinter(existing);
        return 0;
    }
    PRINTER_INFO_2A info{};
    info.pPrinterName = name;
    info.pPortName = port;
    info.pDriverName = driverName;
    info.pPrintProcessor = kPrintProcessor;
    info.pDatatype = kDataType;
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer) return Fail("AddPrinter");
    ClosePrinter(printer);
    return 0;
}

int Remove(char* name) {
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterA(name, &printer, &access)) return 0;  // not there: nothing to do
    const BOOL deleted = DeletePrinter(printer);
    ClosePrinter(printer);
    return deleted ? 0 : Fail("DeletePrinter");
}

int List() {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed ? needed : 1);
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count))
        return needed ? Fail("EnumPrinters") : 0;
    const auto* p = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) std::printf("%s\t%s\n", p[i].pPrinterName, p[i].pPortName);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && !std::strcmp(argv[1], "driver-dir")) return DriverDir();
    if (argc == 2 && !std::strcmp(argv[1], "list")) return List();
    static char defaultDriver[] = "Wine PostScript Driver";
    if ((argc == 5 || argc == 6) && !std::strcmp(argv[1], "add"))
        return Add(argv[2], argv[3], argv[4], argc == 6 ? argv[5] : defaultDriver);
    if (argc == 3 && !std::strcmp(argv[1], "remove")) return Remove(argv[2]);
    std::fprintf(stderr, "usage: InstallPrinter driver-dir | list | add NAME PORT PPD [DRIVER] | remove NAME\n");
    return 2;
}
