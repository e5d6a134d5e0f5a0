#include "converter/Convertisseur.h"
#include "ui/Registry.h"

#include "converter/ConvertisseurLists.h"
#include "core/Numbers.h"
#include "core/Regional.h"
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

namespace {

// The row the user chose; a list's first focus makes a row current without choosing it.
int ChosenRow(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.front());
}

} // namespace

TFormConvertisseur::TFormConvertisseur(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormConvertisseur"));
    SetForm(QString(), 510, 332, ui::kBtnFace);
    BuildPages();
    Connect();
}

void TFormConvertisseur::Connect() {
    ui::On(precision_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(decimals_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(general_, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    ui::On(integral_, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
    ui::On(pageControl_, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    ui::On(twoDigits_, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    int listNumber = 0;
    for (int i = 0; i < kPages; ++i) {
        const Page& page = pages_[i];
        // Selection, not the current row: the list's first focus sets a current row without
        // any choice of the user.
        for (QListWidget* list : {page.from, page.to, page.pairs}) {
            if (!list) continue;
            ++listNumber;
            ui::On(list, &QListWidget::itemSelectionChanged, this,
                   [this, listNumber] { ListBoxClick(listNumber); });
        }
        ui::On(page.input, &QLineEdit::textEdited, this, [this, i] { InputChange(i); });
    }
}

void TFormConvertisseur::FormCreate() {
    {
        const QSignalBlocker block(pageControl_);
        pageControl_->setCurrentIndex(0);
    }
    digCaption_->hide();
    twoDigits_->hide();
    general_->setChecked(true);
    RadioButton1Click();
    DisplayMode = Mode::General;
    decimals_->setCurrentIndex(4);
    decimalsShown_ = 6;
    precision_->setCurrentIndex(0);
    DisplayPrecision = 8;
}

void TFormConvertisseur::FormActivate() {
    const bool english = ui::IsEnglish();
    if (english) {
        setWindowTitle(QStringLiteral("conversion"));
        ui::ApplyEnglish(this, Form());
        precision_->clear();
        for (int digits = 8; digits <= 20; digits += 2)
            precision_->addItem(QStringLiteral("Precision=%1").arg(digits));
        precision_->setCurrentIndex(0);
        DisplayPrecision = 8;
        decimals_->clear();
        for (int digits = 2; digits <= 12; ++digits)
            decimals_->addItem(QStringLiteral("Decimal=%1").arg(digits));
        decimals_->setCurrentIndex(4);
        decimalsShown_ = 6;
    }
    FillPairLists(english);
}

void TFormConvertisseur::ComboBox2Change() {
    const int item = precision_->currentIndex();
    if (item >= 0 && item <= 6) DisplayPrecision = 8 + 2 * item;
    ConvertInPageOrder();
    RefreshPairDisplay();
}

void TFormConvertisseur::ComboBox1Change() {
    const int item = decimals_->currentIndex();
    if (item >= 0 && item <= 10) decimalsShown_ = 2 + item;
    ConvertInPageOrder();
    RefreshPairDisplay();
}

void TFormConvertisseur::RadioButton1Click() {
    if (!general_->isChecked()) return;
    DisplayMode = Mode::General;
    SetDecimalsEnabled(false);
    ConvertAll({7, 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11});
}

void TFormConvertisseur::RadioButton2Click() {
    if (!integral_->isChecked()) return;
    DisplayMode = Mode::Integral;
    SetDecimalsEnabled(true);
    ConvertAll({7, 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11});
}

void TFormConvertisseur::PageControl1Change() {
    const int index = pageControl_->currentIndex();
    const bool pairPage = index >= kFirstPairPage;
    digCaption_->setVisible(pairPage);
    twoDigits_->setVisible(pairPage);
    if (pairPage) {
        Convert(index);
        RefreshPairDisplay();
    } else {
        general_->setEnabled(true);
        integral_->setEnabled(true);
    }
}

void TFormConvertisseur::CheckBox1Click() {
    RefreshPairDisplay();
}

void TFormConvertisseur::ListBoxClick(int listNumber) {
    // Lists 1 to 14 are the prefix pages' from and to lists, 15 to 19 the pair lists.
    if (listNumber <= 2 * kFirstPairPage)
        UnitClick((listNumber - 1) / 2, listNumber % 2 == 0);
    else
        PairClick(kFirstPairPage + listNumber - 2 * kFirstPairPage - 1);
}

void TFormConvertisseur::UnitClick(int index, bool toList) {
    Page& page = pages_[index];
    page.input->setFocus();
    QListWidget* list = toList ? page.to : page.from;
    if (const int row = ChosenRow(list); row >= 0) {
        QString unit = list->item(row)->text();
        while (unit.endsWith(QChar(' ')))
            unit.chop(1);
        (toList ? page.toLabel : page.fromLabel)->setText(unit);
    }
    if (!page.input->text().isEmpty()) Convert(index);
}

void TFormConvertisseur::PairClick(int index) {
    Page& page = pages_[index];
    if (const int row = ChosenRow(page.pairs); row >= 0)
        page.pairLabel->setText(page.pairs->item(row)->text());
    if (index == kFirstPairPage) page.input->setFocus();
    if (page.input->text().isEmpty()) return;
    Convert(index);
    if (twoDigits_->isChecked()) {
        const double value = ReadShown(page);
        decimals_->setEnabled(false);
        ShowTwoDigits(page, value);
    }
}

void TFormConvertisseur::InputChange(int index) {
    Page& page = pages_[index];
    try {
        Convert(index);
        if (page.pairs && twoDigits_->isChecked() && !page.input->text().isEmpty())
            ShowTwoDigits(page, ReadShown(page));
    } catch (const core::Failure&) {
        // A text on its way to a number ("1." on the way to "1.5" under French separators, a
        // zero before its decimals): nothing to show yet, and no box while typing. The
        // triggers (unit, pair, options, page) still report it.
        page.output->clear();
    }
}

void TFormConvertisseur::RefreshPairDisplay() {
    const int index = pageControl_->currentIndex();
    if (index < kFirstPairPage) return;
    Page& page = pages_[index];
    if (twoDigits_->isChecked()) {
        general_->setEnabled(false);
        integral_->setEnabled(false);
        SetDecimalsEnabled(false);
        if (page.input->text().isEmpty()) return;
        ShowTwoDigits(page, ReadShown(page));
    } else {
        general_->setEnabled(true);
        integral_->setEnabled(true);
        SetDecimalsEnabled(!general_->isChecked());
        Convert(index);
    }
}

void TFormConvertisseur::Convert(int index) {
    Page& page = pages_[index];
    if (page.input->text().isEmpty()) {
        page.output->clear();
        return;
    }
    const long double value = ui::CalculatorPage::Read(page.input);
    long double result = 0;
    if (page.pairs) {
        const int row = ChosenRow(page.pairs);
        if (row < 0) {
            page.output->clear();
            return;
        }
        result = ui::Compute([&] { return formulas::ConvertPair(page.kind, row, value); });
    } else {
        const int from = ChosenRow(page.from);
        const int to = ChosenRow(page.to);
        if (from < 0 || to < 0) {
            page.output->clear(); // no unit chosen yet on one side
            return;
        }
        result = ui::Compute([&] {
            return formulas::ConvertPrefix(value, page.units->fromUnits[from].exponent,
                                           page.units->toUnits[to].exponent);
        });
    }
    page.output->setText(Shown(result));
}

void TFormConvertisseur::ConvertAll(std::initializer_list<int> order) {
    for (int index : order)
        Convert(index);
}

void TFormConvertisseur::ConvertInPageOrder() {
    ConvertAll({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
}

// General: the precision in significant digits; Integral: the precision with the chosen
// decimals. Neither groups thousands, so "Dig 2" reads every text back.
QString TFormConvertisseur::Shown(long double value) const {
    if (DisplayMode == Mode::General)
        return core::FormatNumber(value, core::FloatFormat::General, DisplayPrecision, 0,
                                  core::CurrentSeparators());
    return core::FormatNumber(value, core::FloatFormat::Fixed, DisplayPrecision, decimalsShown_,
                              core::CurrentSeparators());
}

double TFormConvertisseur::ReadShown(const Page& page) const {
    return ui::Stored(ui::CalculatorPage::Read(page.output));
}

void TFormConvertisseur::ShowTwoDigits(Page& page, double value) {
    *page.stored = value;
    page.output->setText(
        core::FormatNumber(value, core::FloatFormat::Number, DisplayPrecision, 2, core::CurrentSeparators()));
}

void TFormConvertisseur::SetDecimalsEnabled(bool enabled) {
    const QColor colour = enabled ? QColor(Qt::black) : QColor(128, 128, 128);
    QPalette p = decimals_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            p.setColor(group, role, colour);
    decimals_->setPalette(p);
    decimals_->setEnabled(enabled);
}

OHMBRIX_REGISTER_WINDOW(TFormConvertisseur)
