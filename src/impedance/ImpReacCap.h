#pragma once
// Page choice for the series impedance table (R across, X down).
#include "printing/PrintChoice.h"

class TFormImpSerieRLC : public printing::PrintChoice {
    Q_OBJECT
  public:
    explicit TFormImpSerieRLC(QWidget* parent = nullptr);
};
