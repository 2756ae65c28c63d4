#include "Unit1/FormDescription.h"

namespace unit1 {

namespace {
constexpr unsigned long clWindowText = 0x80000008;  // the system colour, not a fixed one
}

const TForm1Description kForm1Description = {
    /* Form1 */ {"Form1", {373, 119, 563, 526}, "Form1",
                 {"MS Sans Serif", -11, clWindowText},
                 /* Scaled */ false, /* PixelsPerInch */ 96, /* TextHeight */ 13},
    /* Button5 */ {"Button5", {16, 8, 137, 25}, "Autosave to Pdf", /* TabOrder */ 1},
    /* Memo1 */ {"Memo1", {184, 8, 185, 73}, {"Memo1", nullptr}, /* TabOrder */ 2},
};

}  // namespace unit1
