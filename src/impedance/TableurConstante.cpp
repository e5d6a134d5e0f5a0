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
