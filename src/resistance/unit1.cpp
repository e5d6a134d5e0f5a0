#include "resistance/unit1.h"

#include "core/Numbers.h"
#include "core/Regional.h"
#include "pictures/resistance/CodeResPictures.h"
#include "printing/Preview.h"
#include "resistance/CodeResTables.h"
#include "resistance/Shape.h"
#include "ui/CalculatorPage.h"
#include "ui/Density.h"
#include "ui/FormTable.h"
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

// The value search's discs.
constexpr int kDiscSize = 41;
constexpr int kDiscTop = 46;
constexpr int kDigitDiscLeft[3] = {20, 92, 164};
constexpr int kMultiplierDiscLeft = 256;
constexpr int kToleranceDiscLeft = 360;
constexpr int kDigitsHeadingFour = 113; // over two discs
constexpr int kDigitsHeadingFive = 185; // over three discs

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

namespace form = ui::form;
using Kind = Shape::Kind;

// A list of colour names, as many rows high as it has items to show.
ui::FormMaker ColourList(int x, int width, int rows, const char* hint) {
    return [=](QWidget* parent) -> QWidget* {
        auto* list = new QListWidget(parent);
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
    };
}

// A drawn shape, filled, with or without its outline.
ui::FormMaker MakeShape(Kind kind, QRect at, const QColor& fill, bool outline = true) {
    return [=](QWidget* parent) -> QWidget* {
        auto* shape = new Shape(parent, "", kind, at.x(), at.y(), at.width(), at.height());
        if (fill.isValid()) shape->SetFill(fill);
        shape->SetOutline(outline);
        return shape;
    };
}

ui::FormRow Ring(const char* name, int x) {
    return form::Own(name, "TabSheet1", {},
                     MakeShape(Kind::Rectangle, {x, kBodyTop, kRingWidth, kBodyHeight}, {}));
}

// A joining line: placed by RouteLines once its ring and list stand.
ui::FormRow Line(const char* name) {
    return form::Own(name, "TabSheet1", {}, MakeShape(Kind::Rectangle, {0, 0, 1, 1}, Qt::black, false));
}

ui::FormRow Disc(const char* name, int x, const QColor& fill) {
    return form::Own(name, "GroupBox3", {},
                     MakeShape(Kind::Circle, {x, kDiscTop, kDiscSize, kDiscSize}, fill));
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

// A grid of standard values: it shows the decimal separator, so one stored picture for each.
ui::FormMaker ValuesGrid(const char* name, int decades, int extra, int rows, QSize size) {
    return [=](QWidget* parent) -> QWidget* {
        QLabel* grid = ui::MakePicture(parent, name, {}, 8, 18, size.width(), size.height());
        const auto draw = [=] {
            return pictures::StandardValuesGrid(StandardValues(decades, extra), rows, size);
        };
        grid->setPixmap(
            ui::StoredPixmap(grid, QLatin1String(name) + core::CurrentSeparators().decimal, draw));
        ui::FollowDensity(grid, draw);
        return grid;
    };
}

const QColor kLeadGrey(150, 150, 150);
constexpr Qt::Alignment kTop = Qt::AlignHCenter | Qt::AlignTop;

const ui::FormTable kForm{
    {form::Tabs("PageControl1", nullptr, {0, 0, 465, 433}),
     form::Page("TabSheet1", "PageControl1", QStringLiteral("Code de résistance"),
                QStringLiteral("Resistor color code")),
     form::Page("TabSheet2", "PageControl1", QStringLiteral("Valeur recherchée"),
                QStringLiteral("Resistor search")),
     form::Page("TabSheet3", "PageControl1", QStringLiteral("Standard de EIA"),
                QStringLiteral("Standard EIA")),

     // The decoder.
     form::Panel("Panel3", "TabSheet1", {8, 8, 118, 48}, ui::kBtnFace),
     form::Radio("RadioButton3", "Panel3", {10, 5, 104, 18}, QStringLiteral("4 anneaux"),
                 QStringLiteral("4 rings")),
     form::Radio("RadioButton4", "Panel3", {10, 25, 104, 18}, QStringLiteral("5 anneaux"),
                 QStringLiteral("5 rings")),
     form::Print("BitBtn3", "TabSheet1", {8, 62, 34, 26}),
     form::Group("GroupBox7", "TabSheet1", {134, 4, 319, 76}, QStringLiteral("Résultat"),
                 QStringLiteral("calculator"), ui::kBtnFace),
     form::Label("Label5", "GroupBox7", {8, 25, 0, 0}, QStringLiteral("Valeur"), QStringLiteral("Value"))
         .FitsText()
         .For("Label1"),
     form::Panel("Panel1", "GroupBox7", {62, 20, 116, 24}, ui::kWhite).Flat(),
     form::Label("Label1", "Panel1", {2, 2, 112, 20}, QString())
         .Font("MS Sans Serif", 12, true)
         .Align(Qt::AlignCenter)
         .Ink(Qt::black)
         .Says("R"),
     form::Units("ComboBox1", "GroupBox7", {186, 21, 76, 0},
                 {{QStringLiteral("Ohms"), ui::UnitList::Op::Divide, 1.0L},
                  {QStringLiteral("KOhms"), ui::UnitList::Op::Divide, 1000.0L},
                  {QStringLiteral("MOhms"), ui::UnitList::Op::Divide, 1000000.0L}})
         .For("Label1"),
     form::Label("Label6", "GroupBox7", {8, 52, 0, 0}, QStringLiteral("Tolérance"),
                 QStringLiteral("Tolerance"))
         .FitsText()
         .For("Label2"),
     form::Result("Label2", "GroupBox7", {62, 50, 100, 18}).Ink(ui::kYellow).Says("R min"),
     form::Label("Label4", "GroupBox7", {164, 52, 16, 14}, QStringLiteral("A"), QStringLiteral("to"))
         .Align(kTop),
     form::Result("Label3", "GroupBox7", {182, 50, 100, 18}).Ink(ui::kYellow).Says("R max"),
     // The resistor: leads, body, then the rings over the body.
     form::Own("Shape6", "TabSheet1", {},
               MakeShape(Kind::Rectangle, {8, kBodyTop + 52, 48, 10}, kLeadGrey, false)),
     form::Own("Shape7", "TabSheet1", {},
               MakeShape(Kind::Rectangle, {401, kBodyTop + 52, 48, 10}, kLeadGrey, false)),
     form::Own("Shape1", "TabSheet1", {},
               MakeShape(Kind::RoundRect, {56, kBodyTop, 345, kBodyHeight}, resistance::kInactiveCaption))
         .Says("Résistance et ses anneaux", "Resistor and its rings"),
     Ring("Shape2", 88), Ring("Shape3", 144), Ring("Shape15", 200), Ring("Shape4", kMultiplierRing.five),
     Ring("Shape5", kToleranceRing.five),
     form::Own("ListBox1", "TabSheet1", {}, ColourList(24, kDigitListWidth, 10, "Chiffre significatifs")),
     form::Own("ListBox2", "TabSheet1", {}, ColourList(104, kDigitListWidth, 10, "Chiffre significatifs")),
     form::Own("ListBox5", "TabSheet1", {}, ColourList(184, kDigitListWidth, 10, "Chiffre significatifs")),
     form::Own("ListBox3", "TabSheet1", {},
               ColourList(kMultiplierList.five, kDigitListWidth, 9, "Multiplificateur")),
     form::Own("ListBox4", "TabSheet1", {},
               ColourList(kToleranceList.five, kToleranceListWidth, 7, "Tolérance")),
     Line("Shape8"), Line("Shape9"), Line("Shape10"), Line("Shape13"), Line("Shape14"), Line("Shape16"),
     Line("Shape17"), Line("Shape18"), Line("Shape25"), Line("Shape19"), Line("Shape23"), Line("Shape24"),
     Line("Shape26"), Line("Shape27"), Line("Shape28"), Line("Shape29"),

     // The value search.
     form::Panel("Panel2", "TabSheet2", {0, 0, 457, 407}, ui::kBtnFace),
     form::Group("GroupBox1", "Panel2", {8, 8, 300, 84}, QStringLiteral("Valeur recherchée"),
                 QStringLiteral("Resistor search"), ui::kBtnFace),
     form::Reset("BitBtn1", "GroupBox1", {12, 33, 32, 28}),
     form::Box("Edit1", "GroupBox1", {52, 36, 100, 21}).Says("R"),
     form::Units("ComboBox2", "GroupBox1", {160, 36, 80, 0},
                 {{QStringLiteral("Ohms"), ui::UnitList::Op::Multiply, 1.0L},
                  {QStringLiteral("KOhms"), ui::UnitList::Op::Multiply, 1000.0L},
                  {QStringLiteral("MOhms"), ui::UnitList::Op::Multiply, 1000000.0L}})
         .For("Edit1"),
     form::GlyphButton("BitBtn2", "GroupBox1", {248, 27, 41, 41},
                       [] { return pictures::MagnifyingGlass(32); })
         .Says("Rechercher", "Search"),
     form::Group("GroupBox2", "Panel2", {316, 8, 133, 84}, QStringLiteral("Nombre d'anneaux"),
                 QStringLiteral("Number of rings"), ui::kBtnFace),
     form::Radio("RadioButton1", "GroupBox2", {24, 38, 40, 18}, QStringLiteral("4")),
     form::Radio("RadioButton2", "GroupBox2", {76, 38, 40, 18}, QStringLiteral("5")),
     form::Group("GroupBox3", "Panel2", {8, 104, 441, 146}, QStringLiteral("Résultat dans l'ordre"),
                 QStringLiteral("Order result"), ui::kSilver),
     // Headings over the discs, values under them, then the colours' names.
     form::Echo("Label7", "GroupBox3", {kDigitDiscLeft[0], 24, kDigitsHeadingFive, 16})
         .Text(QStringLiteral("Chiffres significatifs"), QStringLiteral("Digits"))
         .Font("MS Sans Serif", 11, true),
     form::Echo("Label8", "GroupBox3", {216, 24, 120, 16})
         .Text(QStringLiteral("Multiplificateur"), QStringLiteral("Multiplier"))
         .Font("MS Sans Serif", 11, true),
     form::Echo("Label9", "GroupBox3", {330, 24, 100, 16})
         .Text(QStringLiteral("Tolérance"), QStringLiteral("Tolerance"))
         .Font("MS Sans Serif", 11, true),
     Disc("Shape11", kDigitDiscLeft[0], Qt::black),
     form::Echo("Label10", "GroupBox3", {10, 92, 60, 16}).Font("MS Sans Serif", 12, true),
     form::Echo("Label17", "GroupBox3", {5, 112, 70, 16}), Disc("Shape12", kDigitDiscLeft[1], Qt::black),
     form::Echo("Label11", "GroupBox3", {82, 92, 60, 16}).Font("MS Sans Serif", 12, true),
     form::Echo("Label18", "GroupBox3", {77, 112, 70, 16}), Disc("Shape20", kDigitDiscLeft[2], Qt::black),
     form::Echo("Label12", "GroupBox3", {154, 92, 60, 16}).Font("MS Sans Serif", 12, true),
     form::Echo("Label19", "GroupBox3", {149, 112, 70, 16}), Disc("Shape21", kMultiplierDiscLeft, Qt::black),
     Disc("Shape22", kToleranceDiscLeft, resistance::kRingSilver),
     form::Echo("Label13", "GroupBox3", {226, 92, 100, 16}).Font("MS Sans Serif", 12, true),
     form::Echo("Label14", "GroupBox3", {330, 92, 100, 16}),
     form::Echo("Label20", "GroupBox3", {226, 112, 100, 16}),
     form::Echo("Label21", "GroupBox3", {330, 112, 100, 16})
         .Text(QStringLiteral("Argent"), QStringLiteral("Silver")),
     form::Panel("Panel4", "Panel2", {401, 262, 48, 40}, ui::kBtnFace),
     form::Print("BitBtn4", "Panel4", {4, 4, 40, 32}),

     // The standard values.
     form::Result("Label15", "TabSheet3", {8, 6, 441, 20})
         .Text(QStringLiteral("Le standard de EIA (Electronics Industry Association) "),
               QStringLiteral("Standard EIA (Electronics Industry Association)"))
         .Font("MS Sans Serif", 12, true),
     form::Group("GroupBox4", "TabSheet3", {8, 30, 441, 121}, QStringLiteral("Ohms"), {}, ui::kBtnFace),
     form::Own("Image1", "GroupBox4", {}, ValuesGrid("Image1", 3, 0, 7, {425, 95}))
         .Says("Valeurs de 1 à 91 ohms", "Values from 1 to 91 ohms"),
     form::Group("GroupBox5", "TabSheet3", {8, 152, 441, 121}, QStringLiteral("KOhms"), {}, ui::kBtnFace),
     form::Own("Image2", "GroupBox5", {}, ValuesGrid("Image2", 3, 0, 7, {425, 95}))
         .Says("Valeurs de 1 à 91 kilohms", "Values from 1 to 91 kilohms"),
     form::Group("GroupBox6", "TabSheet3", {8, 274, 378, 82}, QStringLiteral("MOhms"), {}, ui::kBtnFace),
     form::Own("Image3", "GroupBox6", {}, ValuesGrid("Image3", 1, 9, 4, {362, 56}))
         .Says("Valeurs de 1 à 9,1 mégohms", "Values from 1 to 9.1 megohms"),
     form::Print("BitBtn5", "TabSheet3", {400, 300, 41, 32})},
    {}};

} // namespace

TFormCodeRes::TFormCodeRes(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormCodeRes"));
    SetForm(QStringLiteral("Résistance (utilitaire)"), 465, 433, resistance::k3DLight);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    pages_ = parts.Get<QTabWidget>("PageControl1");

    // The decoder.
    radio4Rings_ = parts.Get<QRadioButton>("RadioButton3");
    radio5Rings_ = parts.Get<QRadioButton>("RadioButton4");
    value_ = parts.Get<QLabel>("Label1");
    displayUnit_ = parts.Get<ui::UnitList>("ComboBox1");
    lowest_ = parts.Get<QLabel>("Label2");
    highest_ = parts.Get<QLabel>("Label3");
    ring1_ = parts.Get<Shape>("Shape2");
    ring2_ = parts.Get<Shape>("Shape3");
    ring3_ = parts.Get<Shape>("Shape15");
    ringMultiplier_ = parts.Get<Shape>("Shape4");
    ringTolerance_ = parts.Get<Shape>("Shape5");
    digit1_ = parts.Get<QListWidget>("ListBox1");
    digit2_ = parts.Get<QListWidget>("ListBox2");
    digit3_ = parts.Get<QListWidget>("ListBox5");
    multiplier_ = parts.Get<QListWidget>("ListBox3");
    tolerance_ = parts.Get<QListWidget>("ListBox4");
    FillColourLists(false);
    const auto lines = [&parts](auto... names) {
        return std::array<Shape*, sizeof...(names)>{parts.Get<Shape>(names)...};
    };
    const auto route = [](const std::array<Shape*, 3>& l, QWidget* ring, QWidget* list) {
        RouteLines(l[0], l[1], l[2], Centre(ring), Centre(list));
    };
    route(lines("Shape8", "Shape9", "Shape10"), ring1_, digit1_);
    route(lines("Shape13", "Shape14", "Shape16"), ring2_, digit2_);
    ring3Lines_ = lines("Shape17", "Shape18", "Shape25");
    route(ring3Lines_, ring3_, digit3_);
    multiplierLines_ = lines("Shape19", "Shape23", "Shape24");
    toleranceLines_ = lines("Shape26", "Shape27", "Shape28", "Shape29");

    // The value search.
    parts.Get<QPushButton>("BitBtn1")->setToolTip(QStringLiteral("Reset"));
    searchValue_ = parts.Get<ui::ValueBox>("Edit1");
    searchUnit_ = parts.Get<ui::UnitList>("ComboBox2");
    searchUnit_->setPlaceholderText(QStringLiteral("Ohms")); // no item chosen reads as ohms
    search4Rings_ = parts.Get<QRadioButton>("RadioButton1");
    search5Rings_ = parts.Get<QRadioButton>("RadioButton2");
    digitsHeading_ = parts.Get<QLabel>("Label7");
    digitDiscs_ = lines("Shape11", "Shape12", "Shape20");
    multiplierDisc_ = parts.Get<Shape>("Shape21");
    digitTexts_ = {parts.Get<QLabel>("Label10"), parts.Get<QLabel>("Label11"), parts.Get<QLabel>("Label12")};
    digitNames_ = {parts.Get<QLabel>("Label17"), parts.Get<QLabel>("Label18"), parts.Get<QLabel>("Label19")};
    multiplierText_ = parts.Get<QLabel>("Label13");
    toleranceText_ = parts.Get<QLabel>("Label14");
    multiplierName_ = parts.Get<QLabel>("Label20");

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
    const auto click = [this, &parts](const char* button, void (TFormCodeRes::*handler)()) {
        ui::On(parts.Get<QPushButton>(button), &QPushButton::clicked, this,
               [this, handler] { (this->*handler)(); });
    };
    click("BitBtn3", &TFormCodeRes::BitBtn3Click);
    click("BitBtn2", &TFormCodeRes::BitBtn2Click);
    ui::On(searchUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(search4Rings_, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    ui::On(search5Rings_, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
    click("BitBtn1", &TFormCodeRes::BitBtn1Click);
    click("BitBtn4", &TFormCodeRes::BitBtn4Click);
    click("BitBtn5", &TFormCodeRes::BitBtn5Click);
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
    ui::ApplyEnglish(this, kForm);
    FillColourLists(true);
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

void TFormCodeRes::SetSearchLayout(bool fiveRings) {
    digitsHeading_->resize(fiveRings ? kDigitsHeadingFive : kDigitsHeadingFour, digitsHeading_->height());
    digitNames_[2]->setVisible(fiveRings);
    digitDiscs_[2]->setVisible(fiveRings);
    digitTexts_[2]->setVisible(fiveRings);
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
