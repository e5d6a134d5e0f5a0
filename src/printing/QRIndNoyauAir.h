#pragma once
// The toroidal coil report: turns and the two diameters with their units, the inductance.
#include "printing/Layouts.h"

class TQRIndNoyauAir : public printing::CalculatorReport {
    Q_OBJECT
  public:
    TQRIndNoyauAir();
    void QuickRep1StartPage() override;
};
