#include "Unit1/Texts.h"
#include "Unit1/Unit1.h"
#include "framework/Dialogs.h"
#include "framework/Exception.h"
#include "framework/Printers.h"
#include "framework/StringList.h"

namespace {

// Marks a run in progress for as long as it lasts, however it ends.
class RunInProgress {
public:
    explicit RunInProgress(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunInProgress() { flag_ = false; }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

private:
    bool& flag_;
};

}  // namespace

// Prints the report to the PDF printer, then answers its window and its Save
// dialog so that the PDF is saved under the fixed output path.
void TForm1::Button5Click(void* /*sender*/) {
    // Printing lets messages through: a second press then must not start a
    // second run on the same report.
    if (running_) return;
    {
        RunInProgress run(running_);
        int printer = -1;
        {
            framework::TStringList printers;
            printers.Assign(framework::Printer().Printers());
            printer = printers.IndexOf(unit1::kPrinterName);
        }
        if (printer == -1) throw framework::Exception(unit1::kPrinterMissingMessage);

        QuickRep1->PrinterSettings.PrinterIndex = printer;
        try {
            QuickRep1->Preview();
            QuickRep1->Print();
        } catch (...) {
            framework::ShowMessage(unit1::kConversionFailedMessage);
        }

        platform::WindowSystem& ws = platform::Current();
        if (WaitForWindow(unit1::kPrinterWindowTitle, unit1::kWaitSeconds))
            ws.EnumerateChildWindows(FoundWindow, PressSaveButton, 0);
        if (WaitForWindow(unit1::kSaveDialogTitle, unit1::kWaitSeconds)) {
            ws.EnumerateChildWindows(FoundWindow, FillFileNameEdit, 0);
            ws.Sleep(unit1::kPauseBeforeSaveMs);
            ws.EnumerateChildWindows(FoundWindow, PressSaveButton, 0);
        }
    }
    // A close asked for while printing takes effect once the run is over.
    if (closeRequested_) Close();
}

bool TForm1::OnCloseQuery() {
    if (!running_) return true;
    closeRequested_ = true;
    return false;
}
