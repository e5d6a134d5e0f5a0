#pragma once
// The table of RL time constants: t = L / R for resistances in ohms down and inductances in
// henries across.
#include "impedance/TableurConstante.h"

class TFormTableurRL : public TimeConstantTable {
    Q_OBJECT
  public:
    explicit TFormTableurRL(QWidget* parent = nullptr);

  private:
    static const ui::FormTable kForm;
    static const Axes kAxes;
};
