#pragma once
// The table of two resistors in parallel: 39 standard values across and down, in ohms, each
// cell R1 R2 / (R1 + R2).
#include "ui/Window.h"

#include <vector>

class QTableWidget;

class TFormTableauParallele : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormTableauParallele(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void BitBtn1Click(); // Print: the page choice

    void FillGrid();

    // The heading values, the same across and down: E12 from 10 ohms to 15 kilohms.
    static const std::vector<long double>& Values();

  private:
    QTableWidget* grid_;
};
