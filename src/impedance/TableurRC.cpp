#include "impedance/TableurRC.h"
#include "ui/Registry.h"

#include "formulas/TimeConstants.h"

using namespace ui::form;

const ui::FormTable TFormTableurRC::kForm{
    {Label("Label1", nullptr, {8, 8, 0, 13}, QStringLiteral("La valeur des résistances sont en KiloOhms"),
           QStringLiteral("The resistances are in KiloOhms"))
         .Font("MS Sans Serif", 11, true),
     Label("Label2", nullptr, {8 + kFirstColumn, 28, (kColumns - 1) * kColumn, 13},
           QStringLiteral("Capacitance (uF)"))
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

// Standard values: E12 resistances from 1 to 680 kOhms, E3 capacitances from 0.01 to 10 uF.
const TimeConstantTable::Axes TFormTableurRC::kAxes{
    {1,  1.2L, 1.5L, 1.8L, 2.2L, 2.7L, 3.3L, 3.9L, 4.7L, 5.6L, 6.8L, 8.2L, 10,  12,  15,  18,  22, 27,
     33, 39,   47,   56,   68,   82,   100,  120,  150,  180,  220,  270,  330, 390, 470, 560, 680},
    {0.01L, 0.022L, 0.047L, 0.1L, 0.22L, 0.47L, 1, 2.2L, 4.7L, 10},
    [](long double kilohms, long double microfarads) {
        return formulas::RCTimeConstant(kilohms * 1000.0L, microfarads / 1000000.0L);
    }};

TFormTableurRC::TFormTableurRC(QWidget* parent)
    : TimeConstantTable(parent, "FormTableurRC", QStringLiteral("Tableur de la constante de temp RC"),
                        QStringLiteral("Table of time constants RC"), "TQRTabConstRC", kForm, kAxes) {}

OHMBRIX_REGISTER_WINDOW(TFormTableurRC)
