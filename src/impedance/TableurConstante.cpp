#include "impedance/TableurConstante.h"

#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QTableWidget>

namespace {

// Four significant digits fit a cell from microseconds to minutes.
constexpr ui::Display kCellDisplay{core::FloatFormat::General, 4, 0};

} // namespace

ui::FormTable TimeConstantTable::Form(const QString& resistances, const QString& resistancesEnglish,
                                      const QString& across) {
    using namespace ui::form;
    return {{Label("Label1", nullptr, {8, 8, 0, 13}, resistances, resistancesEnglish)
                 .Font("MS Sans Serif", 11, true),
             Label("Label2", nullptr, {8 + kFirstColumn, 28, (kColumns - 1) * kColumn, 13}, across)
                 .Align(Qt::AlignHCenter | Qt::AlignTop)
                 .Font("MS Sans Serif", 11, true),
             Grid("StringGrid1", nullptr,
                  {kRows, kColumns, 8, kGridTop, kGridWidth, kGridHeight, kColumn, kRowHeight, ui::kSilver}),
             // Over the empty corner cell: the cells are times in seconds.
             Panel("Panel1", nullptr, {9, kGridTop + 1, kFirstColumn - 1, kRowHeight - 1}, ui::kSilver),
             Label("Label3", "Panel1", {3, 1, 0, 14}, QStringLiteral("Temp"), QStringLiteral("Time")),
             Label("Label4", "Panel1", {kFirstColumn - 20, 1, 0, 14}, QStringLiteral("(s)")),
             Print("BitBtn1", nullptr, {8, kGridTop + kGridHeight + 10, 33, 25})},
            {}};
}

TimeConstantTable::TimeConstantTable(QWidget* parent, const char* name, const QString& caption,
                                     const QString& english, const char* report, const ui::FormTable& form,
                                     const Axes& axes)
    : ui::Window(parent), english_(english), report_(report), form_(form), axes_(axes) {
    setObjectName(QLatin1String(name));
    SetForm(caption, kGridWidth + 16, kGridTop + kGridHeight + 46, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, form);
    resistanceText_ = parts.Get<QLabel>("Label1");
    grid_ = parts.Get<QTableWidget>("StringGrid1");
    grid_->setColumnWidth(0, kFirstColumn);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TimeConstantTable::FormCreate() {
    FillGrid();
}

void TimeConstantTable::FormActivate() {
    // The headings follow the separators of the moment.
    FillGrid();
    if (!ui::IsEnglish()) return;
    setWindowTitle(english_);
    ui::ApplyEnglish(this, form_);
    resistanceText_->adjustSize();
}

void TimeConstantTable::FillGrid() {
    ui::FillTable(grid_, QString(), {axes_.resistances, ui::kGeneral15}, {axes_.values, ui::kGeneral15},
                  axes_.seconds, kCellDisplay);
}

void TimeConstantTable::BitBtn1Click() {
    printing::PreviewReport(QLatin1String(report_), this);
}
