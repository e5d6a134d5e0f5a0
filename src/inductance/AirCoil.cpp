#include "inductance/AirCoil.h"

#include <QCheckBox>
#include <QLabel>

using Op = ui::UnitList::Op;

namespace aircoil {

std::vector<ui::UnitList::Unit> LengthUnits() {
    return {{QStringLiteral("mètres"), Op::Divide, 1.0L},
            {QStringLiteral("cm"), Op::Divide, 100.0L},
            {QStringLiteral("mm"), Op::Divide, 1000.0L}};
}

std::vector<ui::UnitList::Unit> InductanceUnits() {
    return {{QStringLiteral("uH"), Op::Divide, 1.0L},
            {QStringLiteral("mH"), Op::Divide, 1000.0L},
            {QStringLiteral("H"), Op::Divide, 1000000.0L}};
}

ui::FormRow Caption(const char* name, const char* parent, QRect at, const QString& french,
                    const QString& english) {
    return ui::form::Label(name, parent, at, french, english).Align(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace aircoil

void AirCoilWindow::MetresAgain(std::initializer_list<ui::UnitList*> lengthUnits) {
    const QStringList metres = {QStringLiteral("metre"), QStringLiteral("cm"), QStringLiteral("mm")};
    for (ui::UnitList* list : lengthUnits) {
        list->SetItems(metres);
        list->setCurrentIndex(0);
    }
}

void AirCoilWindow::RefreshDisplay() {
    page_.Refresh(result_, twoDigits_->isChecked(), Inductance);
}

void AirCoilWindow::Recalculate() {
    Calculate();
    RefreshDisplay();
}

void AirCoilWindow::RecalculateWhenComplete() {
    if (page_.AllHoldText()) Recalculate();
}
