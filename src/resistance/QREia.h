#pragma once
// The standard EIA values: the three grids of the window, as one picture.
#include "printing/Layouts.h"

class TQREia : public printing::Report {
    Q_OBJECT
  public:
    TQREia();
    void QuickRep1StartPage() override;

  private:
    printing::QRImage* picture_;
};
