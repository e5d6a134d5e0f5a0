#include "impedance/TableurRC.h"
#include "ui/Registry.h"

#include "formulas/TimeConstants.h"

const ui::FormTable TFormTableurRC::kForm =
    Form(QStringLiteral("La valeur des résistances sont en KiloOhms"),
         QStringLiteral("The resistances are in KiloOhms"), QStringLiteral("Capacitance (uF)"));

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
