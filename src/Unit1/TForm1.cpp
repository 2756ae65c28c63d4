#include "Unit1/FormDescription.h"
#include "Unit1/Unit1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1() : TForm("TForm1", unit1::kForm1Description.form) {
    const auto& d = unit1::kForm1Description;
    // Creation order is tab order.
    Button5 = std::make_unique<framework::TButton>(Handle(), d.button5, Font());
    Button5->OnClick = [this] { Button5Click(Button5.get()); };
    AddButton(*Button5);
    Memo1 = std::make_unique<framework::TMemo>(Handle(), d.memo1, Font());
}

TForm1::~TForm1() = default;
