#pragma once
// The series impedance table's report: one of three pages of the grid's columns (R), every row
// (X), as the print-choice dialog chose it.
#include "printing/ColumnPages.h"
#include "printing/ReportTexts.h"

class TQRTabImpSerieRLC : public printing::ColumnPagesReport {
    Q_OBJECT
  public:
    TQRTabImpSerieRLC()
        : ColumnPagesReport(QStringLiteral("Tableur de l'impédance en circuit série R et X"), "StringGrid1") {
    }

  protected:
    QString Caption(const QString& first, const QString& last) const override {
        return printing::ReportText(
                   QStringLiteral("Z = \u221A(R\u00B2 + X\u00B2) en Ohms, R de %1 à %2 Ohms"))
            .arg(first, last);
    }
};
