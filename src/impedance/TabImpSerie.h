#pragma once
// The table of series impedances: resistances across, reactances down, Z = sqrt(R^2 + X^2) in
// ohms. Printed in three pages of columns through its print-choice dialog.
#include "ui/Window.h"

#include <vector>

class QTableWidget;

class TFormTableurImpedance : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormTableurImpedance(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void BitBtn1Click(); // Print

    void FillGrid();

    // The 35 heading values, the same across (R) and down (X), in ohms.
    static const std::vector<long double>& Values();

  private:
    QTableWidget* grid_;
};
