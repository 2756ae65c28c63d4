#pragma once
// How the stand-in was started.

#include <string>

namespace standin {

struct Options {
    std::string spool = "C:\\PDFCreatorSpool";
    bool englishCaption = false;  // "&Save" instead of "儲存(&S)"
    bool englishDialog = false;   // the Save dialog titled "Save As"
    unsigned delayMs = 0;         // before each window opens
    bool noFirstWindow = false;   // go straight to the Save dialog
    std::string logPath;          // also append the log here
};

Options ParseOptions(int argc, char** argv);

}  // namespace standin
