#include "capacitance/TabReacCap.h"

#include "formulas/Reactance.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QRadioButton>
#include <QTableWidget>

namespace {

namespace form = ui::form;

constexpr int kRows = 36;
constexpr int kColumns = 7;

const ui::FormTable kForm{
    {form::Radio("RadioButton1", nullptr, {8, 8, 440, 20},
                 QStringLiteral("Réactance Capacitive de 25 - 20 000 Hz pour 0.25 - 4.0 uF"),
                 QStringLiteral("Capacitive reactance from 25 - 20 000 Hz for 0.25 - 4.0 uF"))
         .Checked(),
     form::Radio("RadioButton2", nullptr, {8, 30, 440, 20},
                 QStringLiteral("Réactance Capacitive de 10 - 5 000 kHz pour 0.0001 - 0.0005 uF"),
                 QStringLiteral("Capacitive reactance from 10 - 5 000 kHz for 0.0001 - 0.0005 uF")),
     form::Label("Label1", nullptr, {300, 56, 30, 16}, QStringLiteral("uF")).Font("MS Sans Serif", 11, true),
     form::Grid("StringGrid1", nullptr, {8, 74, 544, 440}, kRows, kColumns, {74, 18}, ui::kSilver),
     form::Print("BitBtn1", nullptr, {8, 524, 33, 25})},
    {}};

} // namespace

const TFormTabReacCap::Axis& TFormTabReacCap::RangeAxis(int range) {
    static const Axis audio{{25,   50,   60,   100,  120,  150,   200,   250,   300,   400,   500,  600,
                             700,  800,  900,  1000, 1200, 1500,  2000,  2500,  3000,  3500,  4000, 4500,
                             5000, 6000, 7000, 8000, 9000, 10000, 12000, 14000, 15000, 18000, 20000},
                            1.0L,
                            {0.25L, 0.5L, 1.0L, 2.0L, 3.0L, 4.0L}};
    static const Axis radio{{10,   20,   30,   40,   50,   60,   70,   80,   90,   100,  150,  200,
                             250,  300,  350,  400,  450,  500,  600,  700,  800,  900,  1000, 1200,
                             1400, 1500, 1600, 1800, 2000, 2500, 3000, 3500, 4000, 4500, 5000},
                            1000.0L,
                            {0.0001L, 0.00015L, 0.0002L, 0.0003L, 0.0004L, 0.0005L}};
    return range == 0 ? audio : radio;
}

TFormTabReacCap::TFormTabReacCap(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormTabReacCap"));
    SetForm(QStringLiteral("Tableur de la Réactance Capacitive(Ohms)"), 560, 560, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    audio_ = parts.Get<QRadioButton>("RadioButton1");
    radio_ = parts.Get<QRadioButton>("RadioButton2");
    grid_ = parts.Get<QTableWidget>("StringGrid1");
    auto* print = parts.Get<QPushButton>("BitBtn1");
    ui::On(audio_, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    ui::On(radio_, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TFormTabReacCap::FormCreate() {
    FillGrid(0);
}

void TFormTabReacCap::FormActivate() {
    // The headings follow the separators of the moment.
    FillGrid(range_);
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Table of capacitive reactance (Ohms)"));
    ui::ApplyEnglish(this, kForm);
}

void TFormTabReacCap::RadioButton1Click() {
    FillGrid(0);
}
void TFormTabReacCap::RadioButton2Click() {
    FillGrid(1);
}
void TFormTabReacCap::BitBtn1Click() {
    printing::PreviewReport(QStringLiteral("TQRTabReacCap"), this);
}

void TFormTabReacCap::FillGrid(int range) {
    range_ = range;
    const Axis& axis = RangeAxis(range);
    ui::FillTable(grid_, range == 0 ? QStringLiteral("Hz") : QStringLiteral("kHz"),
                  {axis.frequencies, ui::kWhole}, {axis.capacitances, ui::kGeneral15},
                  [&axis](long double f, long double uF) {
                      return static_cast<double>(
                          formulas::CapacitiveReactance(f * axis.frequencyFactor, uF / 1000000.0L));
                  },
                  {core::FloatFormat::Number, 8, 2});
}

OHMBRIX_REGISTER_WINDOW(TFormTabReacCap)
