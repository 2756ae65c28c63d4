#pragma once
// Form1 as stored: every position, size, caption and setting of the form and
// its components.

#include "framework/FormDescription.h"
#include "report/ReportDescription.h"

namespace unit1 {

struct TForm1Description {
    framework::FormWindowDescription form;
    report::QuickRepDescription quickRep1;
    report::BandDescription qrGroup1;
    report::BandDescription qrBand1;
    report::LabelDescription qrLabel1;
    framework::ButtonDescription button5;
    framework::MemoDescription memo1;
};

extern const TForm1Description kForm1Description;

}  // namespace unit1
