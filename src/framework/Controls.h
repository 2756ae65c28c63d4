#pragma once
// The push button and the memo of a form.

#include <windows.h>

#include <functional>
#include <string>

#include "framework/FormDescription.h"

namespace framework {

class TWinControl {
public:
    virtual ~TWinControl() = default;
    // Child windows are destroyed with their parent, so this does not own it.
    HWND Handle() const { return window_; }
    std::string Text() const;
    void SetText(const std::string& text);

protected:
    HWND window_ = nullptr;
};

class TButton : public TWinControl {
public:
    TButton(HWND parent, const ButtonDescription& description, HFONT font);
    std::function<void()> OnClick;
    void Click() { if (OnClick) OnClick(); }
};

class TMemo;

// The memo's text as a list of lines.
class TMemoLines {
public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}
    // Appends a new last line, ended by CR LF.
    void Add(const std::string& line);
    int Count() const;

private:
    TMemo& memo_;
};

class TMemo : public TWinControl {
public:
    TMemo(HWND parent, const MemoDescription& description, HFONT font);
    TMemoLines* Lines() { return &lines_; }

private:
    TMemoLines lines_{*this};
};

}  // namespace framework
