#include "Options.h"

#include <cstdlib>
#include <cstring>

namespace standin {

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(a, "--spool") && hasValue) o.spool = argv[++i];
        else if (!std::strcmp(a, "--english")) o.englishCaption = true;
        else if (!std::strcmp(a, "--english-dialog")) o.englishDialog = true;
        else if (!std::strcmp(a, "--delay") && hasValue) o.delayMs = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (!std::strcmp(a, "--no-first-window")) o.noFirstWindow = true;
        else if (!std::strcmp(a, "--log") && hasValue) o.logPath = argv[++i];
    }
    return o;
}

}  // namespace standin
