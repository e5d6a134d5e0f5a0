#pragma once
// The capacitive reactance report: f and C with their units, Xc, the circuit and the formula.
#include "printing/Layouts.h"

class TQRReacCap : public printing::CalculatorReport {
    Q_OBJECT
  public:
    TQRReacCap();
    void QuickRep1StartPage() override;
};
