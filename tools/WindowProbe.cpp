// Tells scripts where a window's control is and what it holds. Not part of
// the shipped program.
//   WindowProbe rect TITLE CHILDTEXT   screen rectangle "left top width height"
//   WindowProbe text TITLE CLASS       the first such child's text
//   WindowProbe texts TITLE CLASS      every such child's text, one a line
//   WindowProbe presses TITLE CHILDTEXT N [close]
//                                      queues N presses of the control (and a
//                                      close of the window) all at once
//   WindowProbe icon TITLE             the icon a message box shows: "stop",
//                                      "other" or "none"
// TITLE and CHILDTEXT are in the ANSI code page. Exit 1 when not found, 3
// when the window's program does not answer.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/ScopedWin.h"

namespace {

// Another process's control answers only WM_GETTEXT with its text. False
// when its program does not answer.
bool ReadText(HWND window, std::string& text) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return false;
    text.assign(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied))
        return false;
    text.resize(copied);
    return true;
}

struct Search {
    const char* className;
    const char* text;
    HWND found;
    bool all;
};

BOOL CALLBACK Visit(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    std::string text;
    if (s->className) {
        char name[256] = {};
        GetClassNameA(w, name, sizeof name);
        if (std::strcmp(name, s->className) != 0) return TRUE;
    } else if (!ReadText(w, text) || text != s->text) {
        return TRUE;
    }
    if (s->all && s->className && ReadText(w, text)) std::printf("%s\n", text.c_str());
    s->found = w;
    return s->all ? TRUE : FALSE;
}

}  // namespace

// Whether the control shows `icon`: its pixels on screen against the icon
// drawn here on the same background (icon handles do not cross processes).
bool Shows(HWND control, HICON icon) {
    RECT r{};
    GetClientRect(control, &r);
    const int w = r.right, h = r.bottom;
    if (w <= 0 || h <= 0) return false;
    framework::ScopedGetDc screen(nullptr);
    framework::ScopedCreatedDc shot(CreateCompatibleDC(screen.get())), drawn(CreateCompatibleDC(screen.get()));
    framework::ScopedBitmap shotBits(CreateCompatibleBitmap(screen.get(), w, h));
    framework::ScopedBitmap drawnBits(CreateCompatibleBitmap(screen.get(), w, h));
    framework::ScopedSelect selectShot(shot.get(), shotBits.get()), selectDrawn(drawn.get(), drawnBits.get());
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    BitBlt(shot.get(), 0, 0, w, h, screen.get(), origin.x, origin.y, SRCCOPY);
    framework::ScopedBrush background(CreateSolidBrush(GetPixel(shot.get(), w - 1, h - 1)));
    FillRect(drawn.get(), &r, background.get());
    DrawIconEx(drawn.get(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    int differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) differing += GetPixel(shot.get(), x, y) != GetPixel(drawn.get(), x, y);
    return differing <= w * h / 50;  // a few pixels of antialiasing
}

// A message box shows its icon in a visible SS_ICON static.
int PrintIcon(HWND box) {
    HWND child = nullptr;
    const char* shown = "none";
    while ((child = FindWindowExA(box, child, "Static", nullptr)) != nullptr) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON || !IsWindowVisible(child)) continue;
        DWORD_PTR icon = 0;
        SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &icon);
        if (!icon) continue;
        shown = Shows(child, LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND))) ? "stop" : "other";
    }
    std::printf("%s\n", shown);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "icon") == 0) {
        HWND box = FindWindowA(nullptr, argv[2]);
        return box ? PrintIcon(box) : 1;
    }
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "presses") == 0) {
        HWND top = FindWindowA(nullptr, argv[2]);
        Search s{nullptr, argv[3], nullptr, false};
        if (top) EnumChildWindows(top, Visit, reinterpret_cast<LPARAM>(&s));
        if (!s.found) return 1;
        for (int i = std::atoi(argv[4]); i > 0; --i) {
            PostMessageA(s.found, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            PostMessageA(s.found, WM_LBUTTONUP, 0, 0);
        }
        if (argc == 6 && std::strcmp(argv[5], "close") == 0) PostMessageA(top, WM_CLOSE, 0, 0);
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: WindowProbe rect TITLE CHILDTEXT | text[s] TITLE CLASS | presses TITLE CHILDTEXT N [close] | icon TITLE\n");
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
        std::string text;
        if (!ReadText(s.found, text)) return 3;  // its program does not answer
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return 0;
}
