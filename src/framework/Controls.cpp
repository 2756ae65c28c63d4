#include "framework/Controls.h"

#include <vector>

namespace framework {
namespace {

HWND CreateChild(HWND parent, const char* windowClass, const char* text, DWORD style,
                 DWORD exStyle, const Bounds& b) {
    return CreateWindowExA(exStyle, windowClass, text, style | WS_CHILD | WS_VISIBLE,
                           b.left, b.top, b.width, b.height, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

std::string TWinControl::Text() const {
    const int length = GetWindowTextLengthA(Handle());
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    GetWindowTextA(Handle(), buffer.data(), length + 1);
    return std::string(buffer.data());
}

void TWinControl::SetText(const std::string& text) { SetWindowTextA(Handle(), text.c_str()); }

TButton::TButton(HWND parent, const ButtonDescription& d, HFONT font) {
    window_ = CreateChild(parent, "Button", d.caption,
                              WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON, 0, d.bounds);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

TMemo::TMemo(HWND parent, const MemoDescription& d, HFONT font) {
    // Word wrap: no ES_AUTOHSCROLL; no scroll bars; scrolls down as text is added.
    window_ = CreateChild(parent, "Edit", "",
                              WS_TABSTOP | WS_CLIPSIBLINGS | ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT,
                              WS_EX_CLIENTEDGE, d.bounds);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);  // no limit of its own
    for (const char* line : d.lines) {
        if (!line) break;
        lines_.Add(line);
    }
}

void TMemoLines::Add(const std::string& line) {
    const std::string text = memo_.Text();
    std::string insert;
    // Text typed by the user may not end with a line break.
    if (!text.empty() && (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0))
        insert = "\r\n";
    insert += line;
    insert += "\r\n";
    const auto end = static_cast<WPARAM>(text.size());
    SendMessageA(memo_.Handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(memo_.Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(insert.c_str()));
}

int TMemoLines::Count() const {
    const HWND edit = memo_.Handle();
    int lines = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    const int lastStart = static_cast<int>(SendMessageA(edit, EM_LINEINDEX, lines - 1, 0));
    if (lines > 0 && SendMessageA(edit, EM_LINELENGTH, lastStart, 0) == 0) --lines;
    return lines;
}

}  // namespace framework
