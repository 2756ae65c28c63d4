// Tells scripts where a window's control is and what it holds. Not part of
// the shipped program.
//   WindowProbe rect TITLE CHILDTEXT   screen rectangle "left top width height"
//   WindowProbe text TITLE CLASS       the first such child's text
//   WindowProbe texts TITLE CLASS      every such child's text, one a line
// TITLE and CHILDTEXT are in the ANSI code page. Exit 1 when not found.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* className;
    const char* text;
    HWND found;
    bool all;
};

BOOL CALLBACK Visit(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    char buffer[4096] = {};
    if (s->className) {
        GetClassNameA(w, buffer, sizeof buffer);
        if (std::strcmp(buffer, s->className) != 0) return TRUE;
    } else {
        // Another process's control answers only WM_GETTEXT with its text.
        SendMessageTimeoutA(w, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                            SMTO_ABORTIFHUNG, 5000, nullptr);
        if (std::strcmp(buffer, s->text) != 0) return TRUE;
    }
    if (s->all && s->className) {
        char text[4096] = {};
        SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 5000, nullptr);
        std::printf("%s\n", text);
    }
    s->found = w;
    return s->all ? TRUE : FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: WindowProbe rect TITLE CHILDTEXT | text TITLE CLASS\n");
        return 2;
    }
    HWND top = FindWindowA(nullptr, argv[2]);
    if (!top) return 1;
    const bool rect = std::strcmp(argv[1], "rect") == 0;
    const bool all = std::strcmp(argv[1], "texts") == 0;
    Search s{rect ? nullptr : argv[3], rect ? argv[3] : nullptr, nullptr, all};
    EnumChildWindows(top, Visit, reinterpret_cast<LPARAM>(&s));
    if (!s.found) return 1;
    if (all) return 0;
    if (rect) {
        RECT r;
        GetWindowRect(s.found, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else {
        DWORD_PTR n = 0;
        SendMessageTimeoutA(s.found, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &n);
        std::string text(n + 1, '\0');
        DWORD_PTR copied = 0;
        SendMessageTimeoutA(s.found, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, 5000, &copied);
        text.resize(copied);
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return 0;
}
