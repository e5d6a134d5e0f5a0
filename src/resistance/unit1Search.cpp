// The second and third tabs' handlers of the resistor window: the rings that mark a typed value,
// and the standard values' print.
#include "resistance/unit1.h"

#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/Regional.h"
#include "printing/Preview.h"
#include "resistance/CodeResTables.h"
#include "resistance/Shape.h"
#include "ui/CalculatorPage.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Widgets.h"

#include <QRadioButton>
#include <cmath>

using resistance::Shape;

bool TFormCodeRes::SearchValueMissing(const QString& french, const QString& english) {
    if (!searchValue_->text().isEmpty()) return false;
    ui::Message(this, ui::Tr(french, english));
    searchValue_->setFocus();
    return true;
}

void TFormCodeRes::BitBtn2Click() {
    if (SearchValueMissing(QStringLiteral("vide non admis"), QStringLiteral("Value: None"))) return;
    if (search5Rings_->isChecked())
        SearchFiveRings();
    else
        SearchFourRings();
}

void TFormCodeRes::ComboBox2Change() {
    BitBtn2Click();
}

void TFormCodeRes::RadioButton1Click() {
    SetSearchLayout(false);
    if (!searchValue_->text().isEmpty()) SearchFourRings();
}

void TFormCodeRes::RadioButton2Click() {
    SetSearchLayout(true);
    if (!searchValue_->text().isEmpty()) SearchFiveRings();
}

void TFormCodeRes::BitBtn1Click() {
    searchValue_->clear();
    for (QLabel* label : digitTexts_)
        label->clear();
    multiplierText_->clear();
    toleranceText_->clear();
    for (Shape* disc : digitDiscs_)
        disc->SetFill(Qt::black);
    multiplierDisc_->SetFill(Qt::black);
    for (QLabel* label : digitNames_)
        label->clear();
    multiplierName_->clear();
}

void TFormCodeRes::BitBtn4Click() {
    if (SearchValueMissing(QStringLiteral("Aucun résultat a imprimer"), QStringLiteral("No value to print")))
        return;
    printing::PreviewReport(QStringLiteral("TQRValeurRec"), this);
}

void TFormCodeRes::BitBtn5Click() {
    // The standard values always print.
    printing::PreviewReport(QStringLiteral("TQREia"), this);
}

void TFormCodeRes::SearchFourRings() {
    SearchRings(2);
}

void TFormCodeRes::SearchFiveRings() {
    SearchRings(3);
}

void TFormCodeRes::SearchRings(int count) {
    const core::Separators& separators = core::CurrentSeparators();
    const long double typed = ui::CalculatorPage::Read(searchValue_);
    // Both values under the guard; stored only once both fit.
    const double ohms = ui::Stored(ui::Compute([&] { return searchUnit_->Scale(typed); }));
    const double hundredths = ui::Stored(ui::Compute([&] { return searchUnit_->Scale(typed * 100); }));
    SearchOhms = ohms;
    SearchHundredths = hundredths;

    QString bound;
    if (count == 2 && SearchHundredths < 10)
        bound = ui::Tr(QStringLiteral("0,1 est le minimun"), QStringLiteral("0,1 is the minimun"));
    else if (SearchHundredths > 9.9e9)
        bound = ui::Tr(QStringLiteral("99 Mohm est le maximun"), QStringLiteral("99 Mohm is the maximun"));
    else if (count == 3 && SearchHundredths < 100)
        bound = ui::Tr(QStringLiteral("1 Ohm est le minimun"), QStringLiteral("1 Ohm is the minimun"));
    if (!bound.isEmpty()) {
        ui::Message(this, bound);
        searchValue_->setFocus();
        searchValue_->clear();
        return;
    }

    // The significant digits are the leading figures of the value in hundredths: cut, not rounded.
    SearchText = core::FormatNumber(SearchHundredths, core::FloatFormat::General, 15, 0, separators);
    SearchDigits = SearchText.left(count);
    for (int i = 0; i < count; ++i) {
        const int digit = SearchDigits.at(i).digitValue();
        if (digit < 0) throw core::IntegerConversionError(SearchDigits.mid(i, 1));
        digitTexts_[i]->setText(core::FormatNumber(digit, core::FloatFormat::Number, 10, 0, separators));
        digitDiscs_[i]->SetFill(resistance::DigitColour(digit));
        digitNames_[i]->setText(
            ui::Tr(resistance::DigitNamesFrench().at(digit), resistance::DigitNamesEnglish().at(digit)));
    }

    IntegerDigits = static_cast<int>(QString::number(static_cast<qlonglong>(std::trunc(SearchOhms))).size());
    int row = count == 2 ? (SearchOhms < 1 ? 0 : IntegerDigits) : IntegerDigits - 1;
    row = std::clamp(row, 0, 8);
    const resistance::SearchMultiplier& m = resistance::kSearchMultipliers[row];
    multiplierText_->setText(QLatin1String(m.text));
    multiplierDisc_->SetFill(m.colour);
    multiplierName_->setText(ui::Tr(QString::fromUtf8(m.french), QString::fromUtf8(m.english)));
}
