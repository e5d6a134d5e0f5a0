#include "capacitance/TabCondSerie.h"
#include "capacitance/QRTabCondSerie.h"
#include "printing/Preview.h"
#include "ui/Registry.h"

#include "capacitance/ImpTabSerie.h"
#include "core/Regional.h"
#include "formulas/TwoComponents.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QTableWidget>
#include <algorithm>

namespace {

const char* const kHeadings[TTableurCondserie::kValues] = {
    "1",   "1,5", "2",  "2,2", "3",  "3,3", "4",  "4,7", "5",  "5,6", "6,8", "7,5",
    "8,2", "10",  "12", "15",  "18", "20",  "22", "24",  "27", "30",  "33",  "36",
    "39",  "43",  "47", "51",  "56", "62",  "68", "75",  "82", "91",  "100"};

constexpr ui::Display kCell{core::FloatFormat::Number, 10, 3};

const ui::FormTable kForm{
    {ui::form::Grid("StringGrid1", nullptr, {0, 0, 496, 304}, TTableurCondserie::kValues + 1,
                    TTableurCondserie::kValues + 1, {40, 20}, ui::kAqua)
         .Font("MS Sans Serif", 11)
         .NoFocus()},
    {}};

// Updates of a grid held back while its cells are written, even when a heading fails to convert.
class HeldUpdates {
  public:
    explicit HeldUpdates(QWidget* w) : w_(w) { w_->setUpdatesEnabled(false); }
    ~HeldUpdates() { w_->setUpdatesEnabled(true); }
    HeldUpdates(const HeldUpdates&) = delete;
    HeldUpdates& operator=(const HeldUpdates&) = delete;

  private:
    QWidget* w_;
};

} // namespace

TTableurCondserie::TTableurCondserie(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("TableurCondserie"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setWindowTitle(QStringLiteral("Tableur de deux condensateurs en série"));
    ui::SetBackground(this, ui::kSilver);
    resize(496, 304);
    setWindowState(Qt::WindowMaximized);

    grid_ = ui::BuildForm(this, kForm).Get<QTableWidget>("StringGrid1");
    // Forty pixels where the font allows; never so narrow that "50,000" loses digits.
    const int columnWidth =
        std::max(40, grid_->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 8);
    for (int c = 0; c <= kValues; ++c)
        grid_->setColumnWidth(c, columnWidth);
    ui::On(ui::FillWithGrid(this, grid_), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TTableurCondserie::FormCreate() {
    ColumnHeadings.clear();
    RowHeadings.clear();
    for (const char* v : kHeadings) {
        ColumnHeadings << QString::fromLatin1(v);
        RowHeadings << QString::fromLatin1(v);
    }
    if (core::ProbeDecimalSeparator(core::CurrentSeparators()) != QLatin1Char('.')) return;
    for (int i = 0; i < kValues; ++i) {
        ColumnHeadings[i].replace(QLatin1Char(','), QLatin1Char('.'));
        RowHeadings[i].replace(QLatin1Char(','), QLatin1Char('.'));
    }
}

void TTableurCondserie::FormActivate() {
    const core::Separators& seps = core::CurrentSeparators();
    const auto text = [this](int row, int column) { return grid_->item(row, column)->text(); };
    HeldUpdates held(grid_);
    for (int c = 1; c <= kValues; ++c)
        grid_->item(0, c)->setText(ColumnHeadings.value(c - 1));
    for (int r = 1; r <= kValues; ++r)
        grid_->item(r, 0)->setText(RowHeadings.value(r - 1));
    // Each cell from its headings as the grid shows them; a heading in a separator the
    // settings no longer use stops the rebuild there.
    for (int c = 1; c <= kValues; ++c) {
        const long double a = core::ParseNumber(text(0, c), seps);
        for (int r = 1; r <= kValues; ++r) {
            const long double b = core::ParseNumber(text(r, 0), seps);
            const double v = ui::Stored(ui::Compute([&] { return formulas::SeriesCapacitance(a, b); }));
            grid_->item(c, r)->setText(
                core::FormatNumber(v, kCell.format, kCell.precision, kCell.digits, seps));
        }
    }
}

void TTableurCondserie::BitBtn1Click() {
    if (auto* choice = ui::Find<TFormImpTabserie>()) choice->OpenFor(this);
}

OHMBRIX_REGISTER_WINDOW(TTableurCondserie)
OHMBRIX_REGISTER_REPORT(TQRTabCondSerie, TTableurCondserie)
