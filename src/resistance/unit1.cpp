#include "resistance/unit1.h"

#include "core/Numbers.h"
#include "core/Regional.h"
#include "printing/Preview.h"
#include "resistance/CodeResTables.h"
#include "resistance/Shape.h"
#include "ui/CalculatorPage.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using resistance::Shape;

namespace {

constexpr int kListTop = 245;
constexpr int kBodyTop = 92;
constexpr int kBodyHeight = 113;
constexpr int kRingWidth = 33;
constexpr int kLineBend = 224; // where the joining lines turn towards their list
constexpr int kDigitListWidth = 73;
constexpr int kToleranceListWidth = 105;

// Left edges in the 4-ring and 5-ring layouts.
struct Lefts {
    int four;
    int five;
};
constexpr Lefts kMultiplierList{184, 264};
constexpr Lefts kMultiplierRing{200, 256};
constexpr Lefts kToleranceList{264, 344};
constexpr Lefts kToleranceRing{256, 312};

QListWidget* MakeColourList(QWidget* parent, const char* name, int x, int width, int rows, const char* hint) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setToolTip(QString::fromUtf8(hint));
    list->setCursor(Qt::PointingHandCursor);
    list->viewport()->setCursor(Qt::PointingHandCursor);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette p = list->palette();
    p.setColor(QPalette::Base, ui::kYellow);
    p.setColor(QPalette::Text, Qt::black);
    list->setPalette(p);
    const int rowHeight = list->fontMetrics().height() + 2;
    list->setGeometry(x, kListTop, width, rows * rowHeight + 2 * list->frameWidth());
    return list;
}

Shape* MakeLine(QWidget* parent, const char* name) {
    auto* line = new Shape(parent, name, Shape::Kind::Rectangle, 0, 0, 1, 1);
    line->SetFill(Qt::black);
    line->SetOutline(false);
    return line;
}

// Three lines from the bottom of a ring down, across and down to the top of its list.
void RouteLines(Shape* down, Shape* across, Shape* toList, int ringCentre, int listCentre) {
    const int bottom = kBodyTop + kBodyHeight;
    down->setGeometry(ringCentre - 1, bottom, 2, kLineBend - bottom + 2);
    const int left = std::min(ringCentre, listCentre) - 1;
    across->setGeometry(left, kLineBend, std::abs(ringCentre - listCentre) + 2, 2);
    toList->setGeometry(listCentre - 1, kLineBend, 2, kListTop - kLineBend);
}

int Centre(const QWidget* w) {
    return w->x() + w->width() / 2;
}

QString FormatResult(long double value) {
    return core::FormatNumber(value, core::FloatFormat::Number, 20, 2, core::CurrentSeparators());
}

} // namespace

TFormCodeRes::TFormCodeRes(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormCodeRes"));
    SetForm(QStringLiteral("Résistance (utilitaire)"), 465, 433, resistance::k3DLight);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(0, 0, 465, 433);
    const struct {
        const char* name;
        const char* caption;
    } tabs[] = {{"TabSheet1", "Code de résistance"},
                {"TabSheet2", "Valeur recherchée"},
                {"TabSheet3", "Standard de EIA"}};
    for (const auto& t : tabs) {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(t.name));
        page->setProperty("formCaption", QString::fromUtf8(t.caption));
        pages_->addTab(page, QString::fromUtf8(t.caption));
    }
    BuildDecoder(pages_->widget(0));
    BuildSearch(pages_->widget(1));
    BuildStandardValues(pages_->widget(2));
}

void TFormCodeRes::BuildDecoder(QWidget* page) {
    QFrame* modes = ui::MakePanel(page, "Panel3", 8, 8, 118, 48, ui::kBtnFace);
    radio4Rings_ = new QRadioButton(QStringLiteral("4 anneaux"), modes);
    radio4Rings_->setObjectName(QStringLiteral("RadioButton3"));
    radio4Rings_->setGeometry(10, 5, 104, 18);
    radio5Rings_ = new QRadioButton(QStringLiteral("5 anneaux"), modes);
    radio5Rings_->setObjectName(QStringLiteral("RadioButton4"));
    radio5Rings_->setGeometry(10, 25, 104, 18);

    QPushButton* print = ui::MakePrintButton(page, "BitBtn3", 8, 62, 34, 26);

    resultGroup_ =
        ui::MakeGroup(page, "GroupBox7", QStringLiteral("Résultat"), 134, 4, 319, 76, ui::kBtnFace);
    valueCaption_ = ui::MakeLabel(resultGroup_, "Label5", QStringLiteral("Valeur"), 8, 25);
    QFrame* valuePanel = ui::MakePanel(resultGroup_, "Panel1", 62, 20, 116, 24, ui::kWhite, false);
    value_ = ui::MakeLabel(valuePanel, "Label1", QString(), 2, 2, 112, 20);
    value_->setAlignment(Qt::AlignCenter);
    value_->setFont(ui::FormFont("MS Sans Serif", 12, true));
    ui::SetTextColour(value_, Qt::black);
    displayUnit_ = ui::MakeUnitList(resultGroup_, "ComboBox1", 186, 21, 76,
                                    {{QStringLiteral("Ohms"), ui::UnitList::Op::Divide, 1.0L},
                                     {QStringLiteral("KOhms"), ui::UnitList::Op::Divide, 1000.0L},
                                     {QStringLiteral("MOhms"), ui::UnitList::Op::Divide, 1000000.0L}});
    toleranceCaption_ = ui::MakeLabel(resultGroup_, "Label6", QStringLiteral("Tolérance"), 8, 52);
    lowest_ = ui::MakeResultLabel(resultGroup_, "Label2", 62, 50, 100, 18);
    to_ = ui::MakeLabel(resultGroup_, "Label4", QStringLiteral("A"), 164, 52, 16, 14);
    to_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    highest_ = ui::MakeResultLabel(resultGroup_, "Label3", 182, 50, 100, 18);
    ui::SetTextColour(lowest_, ui::kYellow);
    ui::SetTextColour(highest_, ui::kYellow);

    // The resistor: leads, body, then the rings over the body.
    for (const auto& lead : {std::pair{"Shape6", 8}, std::pair{"Shape7", 401}}) {
        auto* bar = new Shape(page, lead.first, Shape::Kind::Rectangle, lead.second, kBodyTop + 52, 48, 10);
        bar->SetFill(QColor(150, 150, 150));
        bar->SetOutline(false);
    }
    auto* body = new Shape(page, "Shape1", Shape::Kind::RoundRect, 56, kBodyTop, 345, kBodyHeight);
    body->SetFill(resistance::kInactiveCaption);
    auto ring = [&](const char* name, int x) {
        return new Shape(page, name, Shape::Kind::Rectangle, x, kBodyTop, kRingWidth, kBodyHeight);
    };
    ring1_ = ring("Shape2", 88);
    ring2_ = ring("Shape3", 144);
    ring3_ = ring("Shape15", 200);
    ringMultiplier_ = ring("Shape4", kMultiplierRing.five);
    ringTolerance_ = ring("Shape5", kToleranceRing.five);

    digit1_ = MakeColourList(page, "ListBox1", 24, kDigitListWidth, 10, "Chiffre significatifs");
    digit2_ = MakeColourList(page, "ListBox2", 104, kDigitListWidth, 10, "Chiffre significatifs");
    digit3_ = MakeColourList(page, "ListBox5", 184, kDigitListWidth, 10, "Chiffre significatifs");
    multiplier_ =
        MakeColourList(page, "ListBox3", kMultiplierList.five, kDigitListWidth, 9, "Multiplificateur");
    tolerance_ = MakeColourList(page, "ListBox4", kToleranceList.five, kToleranceListWidth, 7, "Tolérance");
    FillColourLists(false);

    RouteLines(MakeLine(page, "Shape8"), MakeLine(page, "Shape9"), MakeLine(page, "Shape10"), Centre(ring1_),
               Centre(digit1_));
    RouteLines(MakeLine(page, "Shape13"), MakeLine(page, "Shape14"), MakeLine(page, "Shape16"),
               Centre(ring2_), Centre(digit2_));
    ring3Lines_ = {MakeLine(page, "Shape17"), MakeLine(page, "Shape18"), MakeLine(page, "Shape25")};
    RouteLines(ring3Lines_[0], ring3Lines_[1], ring3Lines_[2], Centre(ring3_), Centre(digit3_));
    multiplierLines_ = {MakeLine(page, "Shape19"), MakeLine(page, "Shape23"), MakeLine(page, "Shape24")};
    toleranceLines_ = {MakeLine(page, "Shape26"), MakeLine(page, "Shape27"), MakeLine(page, "Shape28"),
                       MakeLine(page, "Shape29")};

    auto onRow = [this](QListWidget* list, void (TFormCodeRes::*handler)()) {
        ui::On(list, &QListWidget::currentRowChanged, this, [this, handler] { (this->*handler)(); });
    };
    onRow(digit1_, &TFormCodeRes::ListBox1Click);
    onRow(digit2_, &TFormCodeRes::ListBox2Click);
    onRow(digit3_, &TFormCodeRes::ListBox5Click);
    onRow(multiplier_, &TFormCodeRes::ListBox3Click);
    onRow(tolerance_, &TFormCodeRes::ListBox4Click);
    ui::On(radio4Rings_, &QRadioButton::clicked, this, [this] { RadioButton3Click(); });
    ui::On(radio5Rings_, &QRadioButton::clicked, this, [this] { RadioButton4Click(); });
    ui::On(displayUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

void TFormCodeRes::FillColourLists(bool english) {
    auto refill = [](QListWidget* list, const QStringList& items) {
        const QSignalBlocker block(list);
        const int row = list->currentRow();
        list->clear();
        list->addItems(items);
        list->setCurrentRow(row); // the user's choice survives the change of language
    };
    const QStringList& digits = english ? resistance::DigitNamesEnglish() : resistance::DigitNamesFrench();
    refill(digit1_, digits);
    refill(digit2_, digits);
    refill(digit3_, digits);
    QStringList multipliers;
    for (const auto& m : resistance::kMultipliers)
        multipliers << QString::fromUtf8(english ? m.english : m.french);
    refill(multiplier_, multipliers);
    QStringList tolerances;
    for (const auto& t : resistance::kTolerances)
        tolerances << QString::fromUtf8(english ? t.english : t.french);
    refill(tolerance_, tolerances);
}

void TFormCodeRes::FormCreate() {
    SetRingLayout(false);
    radio4Rings_->setChecked(true);
    pages_->setCurrentIndex(0);
    PaintRing(ring1_, resistance::DigitColour(0));
    PaintRing(ring2_, resistance::DigitColour(1));
    PaintRing(ringMultiplier_, resistance::kMultipliers[0].colour);
    PaintRing(ringTolerance_, resistance::kTolerances[0].colour);
    PaintRing(ring3_, resistance::DigitColour(4));
    const std::pair<QListWidget*, int> defaults[] = {
        {digit1_, 0}, {digit2_, 1}, {multiplier_, 0}, {tolerance_, 0}, {digit3_, 4}};
    for (const auto& [list, row] : defaults) {
        const QSignalBlocker block(list);
        list->setCurrentRow(row);
    }
    displayUnit_->setCurrentIndex(0);
    DecodeFourRings();

    search4Rings_->setChecked(true);
    SetSearchLayout(false);
}

void TFormCodeRes::FormActivate() {
    if (ui::IsEnglish()) ApplyEnglish();
}

void TFormCodeRes::ApplyEnglish() {
    setWindowTitle(QStringLiteral("Resistance"));
    pages_->setTabText(0, QStringLiteral("Resistor color code"));
    pages_->setTabText(1, QStringLiteral("Resistor search"));
    pages_->setTabText(2, QStringLiteral("Standard EIA"));
    radio4Rings_->setText(QStringLiteral("4 rings"));
    radio5Rings_->setText(QStringLiteral("5 rings"));
    resultGroup_->setTitle(QStringLiteral("calculator"));
    valueCaption_->setText(QStringLiteral("Value"));
    toleranceCaption_->setText(QStringLiteral("Tolerance"));
    to_->setText(QStringLiteral("to"));
    for (QLabel* label : {valueCaption_, toleranceCaption_})
        label->adjustSize();
    FillColourLists(true);

    searchGroup_->setTitle(QStringLiteral("Resistor search"));
    ringsGroup_->setTitle(QStringLiteral("Number of rings"));
    orderGroup_->setTitle(QStringLiteral("Order result"));
    digitsHeading_->setText(QStringLiteral("Digits"));
    multiplierHeading_->setText(QStringLiteral("Multiplier"));
    toleranceHeading_->setText(QStringLiteral("Tolerance"));
    toleranceName_->setText(QStringLiteral("Silver"));
    standardHeading_->setText(QStringLiteral("Standard EIA (Electronics Industry Association)"));
}

void TFormCodeRes::SetRingLayout(bool fiveRings) {
    digit3_->setVisible(fiveRings);
    ring3_->setVisible(fiveRings);
    for (Shape* line : ring3Lines_)
        line->setVisible(fiveRings);
    multiplier_->move(fiveRings ? kMultiplierList.five : kMultiplierList.four, kListTop);
    ringMultiplier_->move(fiveRings ? kMultiplierRing.five : kMultiplierRing.four, kBodyTop);
    tolerance_->move(fiveRings ? kToleranceList.five : kToleranceList.four, kListTop);
    ringTolerance_->move(fiveRings ? kToleranceRing.five : kToleranceRing.four, kBodyTop);
    // The joining lines follow the lists and rings they join.
    RouteLines(multiplierLines_[0], multiplierLines_[1], multiplierLines_[2], Centre(ringMultiplier_),
               Centre(multiplier_));
    RouteLines(toleranceLines_[0], toleranceLines_[1], toleranceLines_[2], Centre(ringTolerance_),
               Centre(tolerance_));
    toleranceLines_[3]->setGeometry(Centre(tolerance_) - 12, kListTop - 2, 24, 2);
}

void TFormCodeRes::PaintRing(Shape* ring, const QColor& colour) {
    // No colour ("Aucun") clears the ring so the body shows through.
    ring->SetFill(colour);
    ring->SetOutline(colour.isValid());
}

void TFormCodeRes::ListBox1Click() {
    PaintRing(ring1_, resistance::DigitColour(std::max(0, digit1_->currentRow())));
    Decode();
}

void TFormCodeRes::ListBox2Click() {
    PaintRing(ring2_, resistance::DigitColour(std::max(0, digit2_->currentRow())));
    Decode();
}

void TFormCodeRes::ListBox5Click() {
    PaintRing(ring3_, resistance::DigitColour(std::max(0, digit3_->currentRow())));
    Decode();
}

void TFormCodeRes::ListBox3Click() {
    PaintRing(ringMultiplier_, resistance::kMultipliers[std::max(0, multiplier_->currentRow())].colour);
    Decode();
}

void TFormCodeRes::ListBox4Click() {
    PaintRing(ringTolerance_, resistance::kTolerances[std::max(0, tolerance_->currentRow())].colour);
    Decode();
}

void TFormCodeRes::RadioButton3Click() {
    SetRingLayout(false);
    DecodeFourRings();
}

void TFormCodeRes::RadioButton4Click() {
    SetRingLayout(true);
    DecodeFiveRings();
}

void TFormCodeRes::ComboBox1Change() {
    Decode();
}

void TFormCodeRes::BitBtn3Click() {
    // The decoder always has a result.
    printing::PreviewReport(QStringLiteral("TQRCodeRes"), this);
}

void TFormCodeRes::Decode() {
    if (radio5Rings_->isChecked())
        DecodeFiveRings();
    else
        DecodeFourRings();
}

void TFormCodeRes::DecodeFourRings() {
    DecodeRings(false);
}

void TFormCodeRes::DecodeFiveRings() {
    DecodeRings(true);
}

void TFormCodeRes::DecodeRings(bool fiveRings) {
    value_->show();
    // The digits are the list positions, written one after the other ("01" is 1).
    QString digitsText = QString::number(std::max(0, digit1_->currentRow())) +
                         QString::number(std::max(0, digit2_->currentRow()));
    if (fiveRings) digitsText += QString::number(std::max(0, digit3_->currentRow()));
    const resistance::Multiplier& multiplier =
        resistance::kMultipliers[std::max(0, multiplier_->currentRow())];
    const int percent = resistance::kTolerances[std::max(0, tolerance_->currentRow())].percent;

    // Each step under the guard; the four values are stored only once all of them fit.
    const long double digits =
        ui::Compute([&] { return core::ParseNumber(digitsText, core::CurrentSeparators()); });
    long double power = 1;
    for (int i = 0; i < std::abs(multiplier.power); ++i)
        power *= 10;
    const long double value = ui::Compute(
        [&] { return displayUnit_->Scale(multiplier.power >= 0 ? digits * power : digits / power); });
    const long double highest = ui::Compute([&] { return value + value * percent / 100; });
    const long double lowest = ui::Compute([&] { return value - (highest - value); });
    const double stored[] = {ui::Stored(digits), ui::Stored(value), ui::Stored(highest), ui::Stored(lowest)};
    Digits = stored[0];
    Resistance = stored[1];
    Highest = stored[2];
    Lowest = stored[3];

    highest_->setText(FormatResult(highest));
    lowest_->setText(FormatResult(lowest));
    value_->setText(FormatResult(value));
}

OHMBRIX_REGISTER_WINDOW(TFormCodeRes)
