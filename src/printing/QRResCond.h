#pragma once
// The conductor report: length, metal and gauge, the resistance, beside the formula.
#include "printing/Layouts.h"

class TQRResCond : public printing::CalculatorReport {
    Q_OBJECT
  public:
    TQRResCond();
    void QuickRep1StartPage() override;
};
