#include "impedance/TabImpSerie.h"
#include "impedance/QRTabImpSerieRLC.h"
#include "printing/Preview.h"
#include "ui/Registry.h"

#include "formulas/SeriesParallel.h"
#include "impedance/ImpReacCap.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QTableWidget>

namespace {

constexpr int kSize = 36; // the heading row and column included
// Wide enough for "1,697.06" in either separator setting.
constexpr ui::Display kCell{core::FloatFormat::Number, 10, 2};

} // namespace

const std::vector<long double>& TFormTableurImpedance::Values() {
    static const std::vector<long double> values{1,   2,   3,   4,   5,   6,   7,   8,   9,   10,   12,  15,
                                                 20,  25,  30,  40,  50,  60,  70,  80,  90,  100,  120, 150,
                                                 200, 250, 300, 400, 500, 600, 700, 800, 900, 1000, 1200};
    return values;
}

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Label("Label1", nullptr, {24, 2, 568, 20}, QStringLiteral("R"))
         .Align(Qt::AlignCenter)
         .Font("MS Sans Serif", 15, true),
     Label("Label2", nullptr, {4, 24, 18, 420}, QStringLiteral("X"))
         .Align(Qt::AlignCenter)
         .Font("MS Sans Serif", 15, true),
     Grid("StringGrid1", nullptr, {kSize, kSize, 24, 24, 568, 420, 58, 20, ui::kSilver}),
     Print("BitBtn1", nullptr, {24, 450, 33, 25})},
    {}};

} // namespace

TFormTableurImpedance::TFormTableurImpedance(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormTableurImpedance"));
    SetForm(QStringLiteral("Tableur de l'impédance série(Ohms)"), 600, 480, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    grid_ = parts.Get<QTableWidget>("StringGrid1");
    grid_->setFocusPolicy(Qt::NoFocus);
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TFormTableurImpedance::FormCreate() {
    FillGrid();
}

void TFormTableurImpedance::FormActivate() {
    // The cells follow the separators of the moment.
    FillGrid();
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Table of impedance in series (Ohms)"));
}

void TFormTableurImpedance::BitBtn1Click() {
    if (auto* choice = ui::Find<TFormImpSerieRLC>()) choice->OpenFor(this);
}

void TFormTableurImpedance::FillGrid() {
    ui::FillTable(
        grid_, QStringLiteral("X \\ R"), {Values(), ui::kWhole}, {Values(), ui::kWhole},
        [](long double x, long double r) { return static_cast<double>(formulas::SeriesImpedance(r, x)); },
        kCell);
}

OHMBRIX_REGISTER_WINDOW(TFormTableurImpedance)
OHMBRIX_REGISTER_REPORT(TQRTabImpSerieRLC, TFormTableurImpedance)
