#include "impedance/TableurRL.h"
#include "ui/Registry.h"

#include "formulas/TimeConstants.h"

using namespace ui::form;

const ui::FormTable TFormTableurRL::kForm{
    {Label("Label1", nullptr, {8, 8, 0, 13}, QStringLiteral("La valeur des résistances sont en Ohms"),
           QStringLiteral("The resistances are in Ohms"))
         .Font("MS Sans Serif", 11, true),
     Label("Label2", nullptr, {8 + kFirstColumn, 28, (kColumns - 1) * kColumn, 13},
           QStringLiteral("Inductance (H)"))
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

// Standard values: E12 resistances from 10 ohms to 6.8 kOhms, E3 inductances from 1 mH to 1 H.
const TimeConstantTable::Axes TFormTableurRL::kAxes{
    {10,  12,  15,  18,  22,  27,  33,   39,   47,   56,   68,   82,   100,  120,  150,  180,  220, 270,
     330, 390, 470, 560, 680, 820, 1000, 1200, 1500, 1800, 2200, 2700, 3300, 3900, 4700, 5600, 6800},
    {0.001L, 0.0022L, 0.0047L, 0.01L, 0.022L, 0.047L, 0.1L, 0.22L, 0.47L, 1},
    [](long double ohms, long double henries) { return formulas::RLTimeConstant(henries, ohms); }};

TFormTableurRL::TFormTableurRL(QWidget* parent)
    : TimeConstantTable(parent, "FormTableurRL", QStringLiteral("Tableur de la constante de temp RL"),
                        QStringLiteral("Table of time constants RL"), "TQRTabConstRL", kForm, kAxes) {}

OHMBRIX_REGISTER_WINDOW(TFormTableurRL)
