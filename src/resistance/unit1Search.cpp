// The second and third tabs of the resistor window: the rings that mark a typed value, and the
// standard values.
#include "resistance/unit1.h"

#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/Regional.h"
#include "pictures/resistance/CodeResPictures.h"
#include "printing/Preview.h"
#include "resistance/CodeResTables.h"
#include "resistance/Shape.h"
#include "ui/CalculatorPage.h"
#include "ui/Density.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <cmath>

using resistance::Shape;

namespace {

constexpr int kPageWidth = 457;
constexpr int kPageHeight = 407;
constexpr int kDiscSize = 41;
constexpr int kDiscTop = 46;
constexpr int kDigitDiscLeft[3] = {20, 92, 164};
constexpr int kMultiplierDiscLeft = 256;
constexpr int kToleranceDiscLeft = 360;
constexpr int kDigitsHeadingFour = 113; // over two discs
constexpr int kDigitsHeadingFive = 185; // over three discs

QLabel* MakeDiscText(QWidget* parent, const char* name, int discLeft, int top, int width) {
    QLabel* label = ui::MakeCentredLabel(parent, name, discLeft + kDiscSize / 2 - width / 2, top, width, 16);
    return label;
}

// The E24 series over one decade, in tenths: 1, 1.1 ... 9.1.
constexpr int kE24Tenths[24] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

QStringList StandardValues(int decades, int extra) {
    QStringList values;
    long double scale = 1;
    for (int decade = 0; decade < decades; ++decade, scale *= 10)
        for (int tenths : kE24Tenths)
            values << core::FormatGeneral(tenths * scale / 10, core::CurrentSeparators());
    for (int i = 0; i < extra; ++i)
        values << core::FormatGeneral(kE24Tenths[i] * scale / 10, core::CurrentSeparators());
    return values;
}

} // namespace

void TFormCodeRes::BuildSearch(QWidget* page) {
    QFrame* panel = ui::MakePanel(page, "Panel2", 0, 0, kPageWidth, kPageHeight, ui::kBtnFace);

    searchGroup_ =
        ui::MakeGroup(panel, "GroupBox1", QStringLiteral("Valeur recherchée"), 8, 8, 300, 84, ui::kBtnFace);
    QPushButton* reset = ui::MakeResetButton(searchGroup_, "BitBtn1", 12, 33, 32, 28);
    reset->setToolTip(QStringLiteral("Reset"));
    searchValue_ = ui::MakeValueBox(searchGroup_, "Edit1", 52, 36, 100);
    searchUnit_ = ui::MakeUnitList(searchGroup_, "ComboBox2", 160, 36, 80,
                                   {{QStringLiteral("Ohms"), ui::UnitList::Op::Multiply, 1.0L},
                                    {QStringLiteral("KOhms"), ui::UnitList::Op::Multiply, 1000.0L},
                                    {QStringLiteral("MOhms"), ui::UnitList::Op::Multiply, 1000000.0L}});
    searchUnit_->setPlaceholderText(QStringLiteral("Ohms")); // no item chosen reads as ohms
    QPushButton* search = ui::MakeGlyphButton(
        searchGroup_, "BitBtn2", [] { return pictures::MagnifyingGlass(32); }, 248, 27, 41, 41);

    ringsGroup_ =
        ui::MakeGroup(panel, "GroupBox2", QStringLiteral("Nombre d'anneaux"), 316, 8, 133, 84, ui::kBtnFace);
    search4Rings_ = new QRadioButton(QStringLiteral("4"), ringsGroup_);
    search4Rings_->setObjectName(QStringLiteral("RadioButton1"));
    search4Rings_->setGeometry(24, 38, 40, 18);
    search5Rings_ = new QRadioButton(QStringLiteral("5"), ringsGroup_);
    search5Rings_->setObjectName(QStringLiteral("RadioButton2"));
    search5Rings_->setGeometry(76, 38, 40, 18);

    orderGroup_ = ui::MakeGroup(panel, "GroupBox3", QStringLiteral("Résultat dans l'ordre"), 8, 104, 441, 146,
                                ui::kSilver);
    digitsHeading_ =
        ui::MakeCentredLabel(orderGroup_, "Label7", kDigitDiscLeft[0], 24, kDigitsHeadingFive, 16);
    digitsHeading_->setText(QStringLiteral("Chiffres significatifs"));
    multiplierHeading_ = MakeDiscText(orderGroup_, "Label8", kMultiplierDiscLeft, 24, 120);
    multiplierHeading_->setText(QStringLiteral("Multiplificateur"));
    toleranceHeading_ = MakeDiscText(orderGroup_, "Label9", kToleranceDiscLeft, 24, 100);
    toleranceHeading_->setText(QStringLiteral("Tolérance"));
    for (QLabel* heading : {digitsHeading_, multiplierHeading_, toleranceHeading_})
        heading->setFont(ui::FormFont("MS Sans Serif", 11, true));

    const char* discNames[3] = {"Shape11", "Shape12", "Shape20"};
    const char* digitNames[3] = {"Label10", "Label11", "Label12"};
    const char* colourNames[3] = {"Label17", "Label18", "Label19"};
    for (int i = 0; i < 3; ++i) {
        digitDiscs_[i] = new Shape(orderGroup_, discNames[i], Shape::Kind::Circle, kDigitDiscLeft[i],
                                   kDiscTop, kDiscSize, kDiscSize);
        digitDiscs_[i]->SetFill(Qt::black);
        digitTexts_[i] = MakeDiscText(orderGroup_, digitNames[i], kDigitDiscLeft[i], 92, 60);
        digitNames_[i] = MakeDiscText(orderGroup_, colourNames[i], kDigitDiscLeft[i], 112, 70);
    }
    multiplierDisc_ = new Shape(orderGroup_, "Shape21", Shape::Kind::Circle, kMultiplierDiscLeft, kDiscTop,
                                kDiscSize, kDiscSize);
    multiplierDisc_->SetFill(Qt::black);
    auto* toleranceDisc = new Shape(orderGroup_, "Shape22", Shape::Kind::Circle, kToleranceDiscLeft, kDiscTop,
                                    kDiscSize, kDiscSize);
    toleranceDisc->SetFill(resistance::kRingSilver);
    multiplierText_ = MakeDiscText(orderGroup_, "Label13", kMultiplierDiscLeft, 92, 100);
    toleranceText_ = MakeDiscText(orderGroup_, "Label14", kToleranceDiscLeft, 92, 100);
    multiplierName_ = MakeDiscText(orderGroup_, "Label20", kMultiplierDiscLeft, 112, 100);
    toleranceName_ = MakeDiscText(orderGroup_, "Label21", kToleranceDiscLeft, 112, 100);
    toleranceName_->setText(QStringLiteral("Argent"));
    for (QLabel* text : digitTexts_)
        text->setFont(ui::FormFont("MS Sans Serif", 12, true));
    multiplierText_->setFont(ui::FormFont("MS Sans Serif", 12, true));

    QFrame* printPanel = ui::MakePanel(panel, "Panel4", 401, 262, 48, 40, ui::kBtnFace);
    QPushButton* print = ui::MakePrintButton(printPanel, "BitBtn4", 4, 4, 40, 32);

    ui::On(search, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(searchUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(search4Rings_, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    ui::On(search5Rings_, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
}

void TFormCodeRes::BuildStandardValues(QWidget* page) {
    standardHeading_ = ui::MakeResultLabel(page, "Label15", 8, 6, 441, 20);
    standardHeading_->setText(QStringLiteral("Le standard de EIA (Electronics Industry Association) "));
    standardHeading_->setFont(ui::FormFont("MS Sans Serif", 12, true));

    const struct {
        const char* group;
        const char* caption;
        const char* image;
        int top;
        int decades;
        int extra;
        int rows;
        int width;
    } grids[] = {
        {"GroupBox4", "Ohms", "Image1", 30, 3, 0, 7, 441},
        {"GroupBox5", "KOhms", "Image2", 152, 3, 0, 7, 441},
        {"GroupBox6", "MOhms", "Image3", 274, 1, 9, 4, 378},
    };
    for (const auto& g : grids) {
        const int imageHeight = g.rows * 13 + 4;
        QGroupBox* group = ui::MakeGroup(page, g.group, QLatin1String(g.caption), 8, g.top, g.width,
                                         imageHeight + 26, ui::kBtnFace);
        const QSize size(g.width - 16, imageHeight);
        // The values show the decimal separator: one stored picture for each.
        QLabel* grid = ui::MakePicture(group, g.image, {}, 8, 18, size.width(), size.height());
        const auto draw = [decades = g.decades, extra = g.extra, rows = g.rows, size] {
            return pictures::StandardValuesGrid(StandardValues(decades, extra), rows, size);
        };
        grid->setPixmap(
            ui::StoredPixmap(grid, QLatin1String(g.image) + core::CurrentSeparators().decimal, draw));
        ui::FollowDensity(grid, draw);
    }
    QPushButton* print = ui::MakePrintButton(page, "BitBtn5", 400, 300, 41, 32);
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
}

void TFormCodeRes::SetSearchLayout(bool fiveRings) {
    digitsHeading_->resize(fiveRings ? kDigitsHeadingFive : kDigitsHeadingFour, digitsHeading_->height());
    digitNames_[2]->setVisible(fiveRings);
    digitDiscs_[2]->setVisible(fiveRings);
    digitTexts_[2]->setVisible(fiveRings);
}

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
