#pragma once
// The program's module: the main form, the autosave command behind its
// button, the wait for another program's window and the two visitors that
// fill and press that window's controls.

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Controls.h"
#include "framework/Form.h"
#include "platform/WindowSystem.h"
#include "report/QuickRep.h"

class TForm1 : public framework::TForm {
public:
    TForm1();
    ~TForm1() override;

    std::unique_ptr<report::TQuickRep> QuickRep1;
    report::TQRGroup* QRGroup1 = nullptr;  // owned by QuickRep1
    report::TQRBand* QRBand1 = nullptr;
    report::TQRLabel* QRLabel1 = nullptr;
    std::unique_ptr<framework::TButton> Button5;
    std::unique_ptr<framework::TMemo> Memo1;

    // The autosave command.
    void Button5Click(void* sender);

    // Looks for a top-level window titled `title` until one exists or
    // `seconds` (a decimal number as text) have passed; leaves the last
    // lookup's result in FoundWindow. Uses nothing of the form.
    bool WaitForWindow(const std::string& title, const std::string& seconds);

protected:
    bool OnCloseQuery() override;

private:
    bool running_ = false;         // an autosave run is under way
    bool closeRequested_ = false;  // closed during a run: close when it ends
};

extern TForm1* Form1;

// The window the last wait found, 0 when it gave up.
extern platform::WindowHandle FoundWindow;

// Visitors for the child-window enumeration; both always continue.
bool FillFileNameEdit(platform::WindowHandle window, std::intptr_t extra);
bool PressSaveButton(platform::WindowHandle window, std::intptr_t extra);
