#include "impedance/TableurRL.h"
#include "ui/Registry.h"

#include "formulas/TimeConstants.h"

const ui::FormTable TFormTableurRL::kForm =
    Form(QStringLiteral("La valeur des résistances sont en Ohms"),
         QStringLiteral("The resistances are in Ohms"), QStringLiteral("Inductance (H)"));

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
