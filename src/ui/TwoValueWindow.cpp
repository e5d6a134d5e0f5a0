#include "ui/TwoValueWindow.h"

#include "ui/Guard.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace ui {

void TwoValueWindow::ComboBox1Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        unitEcho1_->setText(unit1_->currentText());
}

void TwoValueWindow::ComboBox2Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        unitEcho2_->setText(unit2_->currentText());
}

void TwoValueWindow::ComboBox3Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        result_->clear();
}

void TwoValueWindow::Echo() {
    echo1_->setText(edit1_->text());
    unitEcho1_->setText(unit1_->currentText());
    echo2_->setText(edit2_->text());
    unitEcho2_->setText(unit2_->currentText());
}

void TwoValueWindow::ConnectUnits() {
    On(unit1_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    On(unit2_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    On(resultUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
}

void TwoValueWindow::EnglishTableur() {
    tableur_->clear();
    LoadPictureInto(tableur_, QStringLiteral("interface/tableur_en.bmp"));
}

} // namespace ui
