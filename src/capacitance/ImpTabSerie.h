#pragma once
// Page choice for the table of two capacitors in series.
#include "printing/PrintChoice.h"

class TFormImpTabserie : public printing::PrintChoice {
    Q_OBJECT
  public:
    explicit TFormImpTabserie(QWidget* parent = nullptr);
};
