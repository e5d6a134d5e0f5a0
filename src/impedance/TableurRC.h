#pragma once
// The table of RC time constants: t = R x C for resistances in kilohms down and capacitances in
// microfarads across.
#include "impedance/TableurConstante.h"

class TFormTableurRC : public TimeConstantTable {
    Q_OBJECT
  public:
    explicit TFormTableurRC(QWidget* parent = nullptr);

  private:
    static const ui::FormTable kForm;
    static const Axes kAxes;
};
