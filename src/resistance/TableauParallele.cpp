#include "resistance/TableauParallele.h"
#include "printing/Preview.h"
#include "resistance/QRTabResPara.h"
#include "ui/Registry.h"

#include "formulas/TwoComponents.h"
#include "resistance/ImpTabPara.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QTableWidget>

namespace {

constexpr int kSize = 40; // the heading row and column included
// Four significant digits keep "7500" and "5,455" alike within a cell.
constexpr ui::Display kCell{core::FloatFormat::General, 4, 0};

const ui::FormTable kForm{
    {ui::form::Grid("StringGrid1", nullptr, {0, 0, 640, 480}, kSize, kSize, {48, 20}, ui::kAqua)
         .Font("MS Sans Serif", 11)
         .NoFocus()},
    {}};

} // namespace

const std::vector<long double>& TFormTableauParallele::Values() {
    static const std::vector<long double> values = [] {
        const long double e12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
        std::vector<long double> v;
        for (long double decade : {1.0L, 10.0L, 100.0L})
            for (long double x : e12)
                v.push_back(x * decade);
        for (long double x : {10000.0L, 12000.0L, 15000.0L})
            v.push_back(x);
        return v;
    }();
    return values;
}

TFormTableauParallele::TFormTableauParallele(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormTableauParallele"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setWindowTitle(QStringLiteral("Tableur de deux résistances parallèle"));
    ui::SetBackground(this, ui::kSilver);
    resize(640, 480);
    setWindowState(Qt::WindowMaximized);

    grid_ = ui::BuildForm(this, kForm).Get<QTableWidget>("StringGrid1");
    ui::On(ui::FillWithGrid(this, grid_), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TFormTableauParallele::FormCreate() {
    FillGrid();
}

void TFormTableauParallele::FormActivate() {
    // The headings and cells follow the separators of the moment.
    FillGrid();
    if (ui::IsEnglish()) setWindowTitle(QStringLiteral("Table of two resistors in parallel"));
}

void TFormTableauParallele::BitBtn1Click() {
    if (auto* choice = ui::Find<TFormImpTabPara>()) choice->OpenFor(this);
}

void TFormTableauParallele::FillGrid() {
    ui::FillTable(
        grid_, QString(), {Values(), ui::kWhole}, {Values(), ui::kWhole},
        [](long double r1, long double r2) {
            return static_cast<double>(formulas::ParallelResistance(r1, r2));
        },
        kCell);
}

OHMBRIX_REGISTER_WINDOW(TFormTableauParallele)
OHMBRIX_REGISTER_REPORT(TQRTabResPara, TFormTableauParallele)
