// Prints Form1's report once, as the autosave command would, to the printer
// at the position the named printer held when the program loaded.
//   PrintReport NAME [--wait-for-file PATH]
// Prints "loaded INDEX" once the printer list is read; with --wait-for-file it
// then waits (up to 60 s) for PATH to exist before printing, so that a test
// can change the printers in between. Then "printed" or "error MESSAGE".

#include <windows.h>

#include <cstdio>
#include <string>

#include "Unit1/Unit1.h"
#include "framework/Exception.h"
#include "framework/Printers.h"
#include "framework/StringList.h"
#include "support/Form1InProcess.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: PrintReport NAME [--wait-for-file PATH]\n");
        return 2;
    }
    testsupport::EnsureForm1();
    framework::TStringList printers;
    printers.Assign(framework::Printer().Printers());
    const int index = printers.IndexOf(argv[1]);
    std::printf("loaded %d\n", index);
    std::fflush(stdout);
    if (argc == 4 && std::string(argv[2]) == "--wait-for-file")
        for (int i = 0; i < 600 && GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
    try {
        Form1->QuickRep1->PrinterSettings.PrinterIndex = index;
        Form1->QuickRep1->Preview();
        Form1->QuickRep1->Print();
        std::printf("printed\n");
    } catch (const framework::Exception& e) {
        std::printf("error %s\n", e.Message().c_str());
    }
    return 0;
}
