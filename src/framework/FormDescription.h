#pragma once
// The stored description a form and its controls are built from: positions
// and sizes in pixels at 96 dpi, texts in the ANSI code page.

namespace framework {

struct FontDescription {
    const char* name;
    int height;  // negative: character height in pixels
    unsigned long color;
};

struct Bounds {
    int left, top, width, height;
};

struct FormWindowDescription {
    const char* name;
    Bounds bounds;  // outer frame, relative to the screen
    const char* caption;
    FontDescription font;
    bool scaled;
    int pixelsPerInch;
    int textHeight;
};

struct ButtonDescription {
    const char* name;
    Bounds bounds;  // relative to the form's client area
    const char* caption;
    int tabOrder;
};

struct MemoDescription {
    const char* name;
    Bounds bounds;
    const char* lines[4];  // initial lines, up to the first null
    int tabOrder;
};

}  // namespace framework
