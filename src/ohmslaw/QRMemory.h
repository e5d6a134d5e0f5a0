#pragma once
// The memory device's report: the quantity, its unit and formula, the two values and the result.
#include "printing/Layouts.h"

class TQRMemory : public printing::Report {
    Q_OBJECT
  public:
    TQRMemory();
    void QuickRep1StartPage() override;

  private:
    printing::QRLabel* unit_;
    printing::QRImage* formula_;
    printing::QRLabel* first_;
    printing::QRLabel* second_;
    printing::QRLabel* result_;
};
