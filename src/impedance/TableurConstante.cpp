#include "impedance/TableurConstante.h"

#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QTableWidget>

namespace {

constexpr int kGridTop = 46;
constexpr int kRowHeight = 17;
constexpr int kFirstColumn = 56;
constexpr int kColumn = 60;
// Four significant digits fit a cell from microseconds to minutes.
constexpr ui::Display kCellDisplay{core::FloatFormat::General, 4, 0};

} // namespace

TimeConstantTable::TimeConstantTable(QWidget* parent, const char* name, const Content& content)
    : ui::Window(parent), content_(content) {
    setObjectName(QLatin1String(name));
    const int gridWidth = kFirstColumn + (kColumns - 1) * kColumn + 2;
    const int gridHeight = kRows * kRowHeight + 2;
    SetForm(QString::fromUtf8(content.caption), gridWidth + 16, kGridTop + gridHeight + 46, ui::kSilver);

    const QFont bold = ui::FormFont("MS Sans Serif", 11, true);
    resistanceText_ = ui::MakeLabel(this, "Label1", QString::fromUtf8(content.resistanceText), 8, 8, 0, 13);
    resistanceText_->setFont(bold);
    resistanceText_->adjustSize();
    valueText_ = ui::MakeLabel(this, "Label2", QString::fromUtf8(content.valueText), 8 + kFirstColumn, 28,
                               (kColumns - 1) * kColumn, 13);
    valueText_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    valueText_->setFont(bold);

    grid_ =
        ui::MakeGrid(this, "StringGrid1",
                     {kRows, kColumns, 8, kGridTop, gridWidth, gridHeight, kColumn, kRowHeight, ui::kSilver});
    grid_->setColumnWidth(0, kFirstColumn);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Over the empty corner cell: the cells are times in seconds.
    QFrame* corner =
        ui::MakePanel(this, "Panel1", 9, kGridTop + 1, kFirstColumn - 1, kRowHeight - 1, ui::kSilver);
    time_ = ui::MakeLabel(corner, "Label3", QStringLiteral("Temp"), 3, 1, 0, 14);
    ui::MakeLabel(corner, "Label4", QStringLiteral("(s)"), kFirstColumn - 20, 1, 0, 14);

    QPushButton* print = ui::MakePrintButton(this, "BitBtn1", 8, kGridTop + gridHeight + 10, 33, 25);
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TimeConstantTable::FormCreate() {
    FillGrid();
}

void TimeConstantTable::FormActivate() {
    // The headings follow the separators of the moment.
    FillGrid();
    if (!ui::IsEnglish()) return;
    setWindowTitle(QString::fromUtf8(content_.english));
    resistanceText_->setText(QString::fromUtf8(content_.resistanceEnglish));
    resistanceText_->adjustSize();
    valueText_->setText(QString::fromUtf8(content_.valueEnglish));
    time_->setText(QStringLiteral("Time"));
}

void TimeConstantTable::FillGrid() {
    ui::FillTable(grid_, QString(), {content_.resistances, ui::kGeneral15}, {content_.values, ui::kGeneral15},
                  content_.seconds, kCellDisplay);
}

void TimeConstantTable::BitBtn1Click() {
    printing::PreviewReport(QLatin1String(content_.report), this);
}
