#include "inductance/AirCoil.h"

#include "pictures/Glyphs.h"

#include <QCheckBox>
#include <QLabel>

using Op = ui::UnitList::Op;

std::vector<ui::UnitList::Unit> AirCoilWindow::LengthUnits() {
    return {{QStringLiteral("mètres"), Op::Divide, 1.0L},
            {QStringLiteral("cm"), Op::Divide, 100.0L},
            {QStringLiteral("mm"), Op::Divide, 1000.0L}};
}

std::vector<ui::UnitList::Unit> AirCoilWindow::InductanceUnits() {
    return {{QStringLiteral("uH"), Op::Divide, 1.0L},
            {QStringLiteral("mH"), Op::Divide, 1000.0L},
            {QStringLiteral("H"), Op::Divide, 1000000.0L}};
}

void AirCoilWindow::MakeSymbol(QWidget* parent, const char* name, const char* symbol, const QRect& at,
                               QSize size) {
    if (size.isEmpty()) size = at.size();
    ui::MakePicture(
        parent, name, [text = QString::fromUtf8(symbol), size] { return pictures::LegendSymbol(text, size); },
        at.x(), at.y(), at.width(), at.height());
}

QLabel* AirCoilWindow::MakeCaption(QWidget* parent, const char* name, const QString& text, int x, int y,
                                   int w) {
    QLabel* label = ui::MakeLabel(parent, name, text, x, y, w, 13);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

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
