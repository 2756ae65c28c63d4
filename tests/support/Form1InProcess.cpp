#include "support/Form1InProcess.h"

#include "Unit1/Unit1.h"
#include "framework/Application.h"

namespace testsupport {

void EnsureForm1() {
    static framework::TApplication application;
    if (Form1) return;
    application.Initialize();
    application.CreateForm(Form1);
}

std::string Form1Log() { return Form1->Memo1->Text(); }

void ResetForm1Log() { Form1->Memo1->SetText("Memo1\r\n"); }

}  // namespace testsupport
