#pragma once
// The report of the table of two resistors in parallel: a third of the grid's columns per page.
#include "printing/ColumnPages.h"
#include "printing/ReportTexts.h"

class TQRTabResPara : public printing::ColumnPagesReport {
    Q_OBJECT
  public:
    TQRTabResPara()
        : ColumnPagesReport(QStringLiteral("Tableur de deux résistances parallèle"), "StringGrid1") {}

  protected:
    QString Caption(const QString& first, const QString& last) const override {
        return printing::ReportText(
                   QStringLiteral("Rt = R1 \u00D7 R2 / (R1 + R2) en Ohms, R1 de %1 à %2 Ohms"))
            .arg(first, last);
    }
};
