#include "inductance/TableurInd.h"
#include "ui/Registry.h"

#include "formulas/Reactance.h"
#include "inductance/impReacInd.h"
#include "printing/Layouts.h"
#include "printing/ReportTexts.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidget>
#include <memory>

namespace {

constexpr int kRows = 36;
constexpr int kColumns = 11;
// Six significant digits keep the widest value (628319 ohms) and the smallest (0.15708) in a cell.
constexpr ui::Display kCells{core::FloatFormat::General, 6, 0};

const char* const kFrenchRanges[] = {"Frequence 1 - 1000 Khz / Inductance 10 - 100 mH",
                                     "Frequence 25 - 1000 hz / Inductance 0.001 - 5 H"};

using namespace ui::form;

// The axis labels show the units of the range on display.
const ui::FormTable kForm{{Print("BitBtn1", nullptr, {0, 0, 41, 23}),
                           Radio("RadioButton1", nullptr, {}, QString::fromUtf8(kFrenchRanges[0]),
                                 QStringLiteral("Frequency 1 - 1000 kHz / Inductance 10 - 100 mH")),
                           Radio("RadioButton2", nullptr, {}, QString::fromUtf8(kFrenchRanges[1]),
                                 QStringLiteral("Frequency 25 - 1000 Hz / Inductance 0.001 - 5 H")),
                           Label("Label1", nullptr, {0, 0, 0, 0}, QStringLiteral("mH"))
                               .Font("MS Sans Serif", 13, true)
                               .Align(Qt::AlignCenter),
                           Label("Label2", nullptr, {0, 0, 0, 0}, QStringLiteral("Khz"))
                               .Font("MS Sans Serif", 13, true)
                               .Align(Qt::AlignCenter)},
                          {}};

} // namespace

const TFormTableurInd::Axes& TFormTableurInd::RangeAxes(int range) {
    static const Axes radio{{1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  12,  15,
                             20,  25,  30,  40,  50,  60,  70,  80,  90,  100, 150, 200,
                             250, 300, 350, 400, 450, 500, 600, 700, 800, 900, 1000},
                            1000.0L,
                            {10, 20, 30, 40, 50, 60, 70, 80, 90, 100},
                            1.0L / 1000.0L,
                            "Khz",
                            "mH"};
    static const Axes audio{{25,  30,  40,  50,  60,  70,  75,  80,  90,  100, 110, 120,
                             125, 150, 175, 180, 200, 225, 250, 275, 300, 350, 400, 450,
                             500, 550, 600, 650, 700, 750, 800, 850, 900, 950, 1000},
                            1.0L,
                            {0.001L, 0.005L, 0.01L, 0.05L, 0.1L, 0.25L, 0.5L, 1, 2.5L, 5},
                            1.0L,
                            "hz",
                            "H"};
    return range == 0 ? radio : audio;
}

TFormTableurInd::TFormTableurInd(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormTableurInd"));
    // A sizeable window, opened maximised, with the grid filling it.
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setWindowTitle(QStringLiteral("Tableur de la réactance inductive"));
    ui::SetBackground(this, ui::kSilver);
    resize(720, 560);
    setWindowState(Qt::WindowMaximized);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    QPushButton* print = parts.Get<QPushButton>("BitBtn1");
    range1_ = parts.Get<QRadioButton>("RadioButton1");
    range1_->setChecked(true);
    range2_ = parts.Get<QRadioButton>("RadioButton2");
    inductanceAxis_ = parts.Get<QLabel>("Label1");
    frequencyAxis_ = parts.Get<QLabel>("Label2");

    grid_ = ui::MakeGrid(this, "StringGrid1", {kRows, kColumns, 0, 0, 700, 500, 60, 20, ui::kSilver});
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setFocusPolicy(Qt::NoFocus);

    auto* choices = new QHBoxLayout;
    choices->addWidget(print);
    choices->addSpacing(12);
    choices->addWidget(range1_);
    choices->addSpacing(12);
    choices->addWidget(range2_);
    choices->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(choices, 0, 0, 1, 2);
    layout->addWidget(inductanceAxis_, 1, 1);
    layout->addWidget(frequencyAxis_, 2, 0);
    layout->addWidget(grid_, 2, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);

    ui::On(range1_, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    ui::On(range2_, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TFormTableurInd::FormCreate() {
    FillGrid(0);
}

void TFormTableurInd::FormActivate() {
    // The headings follow the separators of the moment.
    FillGrid(range_);
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Table of inductive reactance"));
    ui::ApplyEnglish(this, kForm);
}

void TFormTableurInd::RadioButton1Click() {
    FillGrid(0);
}

void TFormTableurInd::RadioButton2Click() {
    FillGrid(1);
}

void TFormTableurInd::BitBtn1Click() {
    if (auto* choice = ui::Find<TFormImpReacInd>()) choice->OpenFor(this);
}

void TFormTableurInd::FillGrid(int range) {
    range_ = range;
    const Axes& axes = RangeAxes(range);
    inductanceAxis_->setText(QString::fromUtf8(axes.inductanceUnit));
    frequencyAxis_->setText(QString::fromUtf8(axes.frequencyUnit));
    Fill(grid_, range);
}

void TFormTableurInd::Fill(QTableWidget* grid, int range) {
    const Axes& axes = RangeAxes(range);
    ui::FillTable(
        grid, QStringLiteral("Ohms"), {axes.frequencies, ui::kWhole}, {axes.inductances, ui::kGeneral15},
        [&axes](long double f, long double l) {
            return static_cast<double>(formulas::InductiveReactance(f * axes.toHertz, l * axes.toHenries));
        },
        kCells);
}

std::vector<QStringList> TFormTableurInd::TablePageCells(int page) const {
    // The page is filled the way the window fills its own grid, whichever range it shows.
    const int range = page == 2 ? 1 : 0;
    std::unique_ptr<QTableWidget> scratch(
        ui::MakeGrid(nullptr, "StringGrid1", {kRows, kColumns, 0, 0, 1, 1, 1, 1, ui::kSilver}));
    Fill(scratch.get(), range);
    return printing::GridCells(scratch.get(), 1, kRows - 1, 1, kColumns - 1);
}

QString TFormTableurInd::TablePageCaption(int page) const {
    const Axes& axes = RangeAxes(page == 2 ? 1 : 0);
    return printing::ReportText(
               QStringLiteral("%1 : réactance en ohms (%2 de haut en bas, %3 de gauche à droite)"))
        .arg(QString::fromUtf8(kFrenchRanges[page == 2 ? 1 : 0]), QString::fromUtf8(axes.frequencyUnit),
             QString::fromUtf8(axes.inductanceUnit));
}

OHMBRIX_REGISTER_WINDOW(TFormTableurInd)
