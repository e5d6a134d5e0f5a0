#pragma once
// Page choice for the inductive reactance table: two pages.
#include "printing/PrintChoice.h"

class TFormImpReacInd : public printing::PrintChoice {
    Q_OBJECT
  public:
    explicit TFormImpReacInd(QWidget* parent = nullptr);
};
