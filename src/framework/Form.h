#pragma once
// A top-level window built from its stored description. The static window
// procedure hands every message to the form, whose handler unpacks it and
// calls a named OnXxx method.

#include <windows.h>

#include <map>
#include <string>

#include "framework/FormDescription.h"
#include "framework/ScopedWin.h"

namespace framework {

class TButton;

class TForm {
public:
    // `className` is the window class, the form class's own name.
    TForm(const char* className, const FormWindowDescription& description);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    HWND Handle() const { return window_.get(); }
    HFONT Font() const { return font_.get(); }
    void Show(int showCommand);
    void Close();

protected:
    // Routes the button's clicks to its OnClick.
    void AddButton(TButton& button);

    // Whether a close of the window may go ahead now.
    virtual bool OnCloseQuery() { return true; }
    virtual void OnCommand(HWND control, int notification);
    virtual void OnDestroy();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    ScopedWindow window_;
    ScopedFont font_;
    std::map<HWND, TButton*> buttons_;
};

}  // namespace framework
