#include "Unit1/FormDescription.h"
#include "Unit1/Unit1.h"
#include "framework/Printers.h"

TForm1* Form1 = nullptr;

TForm1::TForm1() : TForm("TForm1", unit1::kForm1Description.form) {
    const auto& d = unit1::kForm1Description;
    // Creation order is tab order.
    QuickRep1 = std::make_unique<report::TQuickRep>(Handle(), d.quickRep1);
    QRGroup1 = QuickRep1->AddBand<report::TQRGroup>(d.qrGroup1);
    QRBand1 = QuickRep1->AddBand<report::TQRBand>(d.qrBand1);
    QRLabel1 = QRBand1->AddLabel(d.qrLabel1);
    // The printer list is read while the form loads and kept for the run.
    framework::Printer().Printers();
    Button5 = std::make_unique<framework::TButton>(Handle(), d.button5, Font());
    Button5->OnClick = [this] { Button5Click(Button5.get()); };
    AddButton(*Button5);
    Memo1 = std::make_unique<framework::TMemo>(Handle(), d.memo1, Font());
}

TForm1::~TForm1() = default;
