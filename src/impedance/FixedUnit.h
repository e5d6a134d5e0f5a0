#pragma once
// The lime labels that name a result's fixed unit ("Ohms", "Degrés") in the impedance windows.
#include "ui/Widgets.h"

namespace impedance {

inline const QColor kLime{0x00, 0xFF, 0x00};

inline QLabel* MakeFixedUnit(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
                             int h = 17, bool centred = true) {
    QLabel* label = ui::MakeLabel(parent, name, text, x, y, w, h);
    if (centred) label->setAlignment(Qt::AlignCenter);
    ui::SetBackground(label, kLime);
    return label;
}

} // namespace impedance
