#pragma once
// The pictures of the capacitors window, the same in both languages.
#include <QImage>

namespace pictures {
QImage CondSeriesCircuit();     // C1, C2, C3 in series, Ct across the chain, 241 x 121
QImage CondSeriesFormula();     // 1/Ct = 1/C1 + 1/C2 + ... + 1/Cn, 177 x 65
QImage CondParallelCircuit();   // C1, C2, C3 in parallel, Ct across them, 193 x 113
QImage CondParallelFormula();   // Ct = C1 + C2 + ... + Cn, 169 x 41
QImage CapacitorTypesTable();   // type, capacitance and voltage of ten kinds, 329 x 193
QImage CondReciprocalFormula(); // Ct = 1 / (1/C1 + 1/C2 + ...), 201 x 97
QImage CondTwoFormula();        // Ct = C1 C2 / (C1 + C2), 113 x 73
QImage CondEqualFormula();      // Ct = C1 / 2, 73 x 57
} // namespace pictures
