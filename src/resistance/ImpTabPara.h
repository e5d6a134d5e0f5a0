#pragma once
// Page choice for the table of two resistors in parallel.
#include "printing/PrintChoice.h"

class TFormImpTabPara : public printing::PrintChoice {
    Q_OBJECT
  public:
    explicit TFormImpTabPara(QWidget* parent = nullptr);
};
