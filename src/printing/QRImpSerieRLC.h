#pragma once
// The series RLC report: R, Xl and Xc, the impedance and its phase angle.
#include "printing/Layouts.h"

class TQRImpSerieRLC : public printing::CalculatorReport {
    Q_OBJECT
  public:
    TQRImpSerieRLC();
    void QuickRep1StartPage() override;
};
