#pragma once
// The standard-values window as text, read from what it shows: the lines Ctrl+C copies and the
// report prints (value and series, nearest, below and above, tolerance, rings and marking,
// combinations).
#include "printing/Report.h"

#include <QStringList>

class QWidget;

namespace resistance {
QStringList StandardValuesLines(QWidget* form);
} // namespace resistance

// The report: title, the rings' picture (resistors), then the lines.
class TQRStandardValues : public printing::Report {
    Q_OBJECT
  public:
    TQRStandardValues();
    void QuickRep1StartPage() override;

  private:
    printing::QRImage* rings_;
    printing::QRMemo* lines_;
};
