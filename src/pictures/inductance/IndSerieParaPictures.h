#pragma once
// The pictures of the inductors window, the same in both languages.
#include <QImage>
#include <QSize>

namespace pictures {
QImage IndSeriesCircuit();   // L1 and L2 in series, a meter Lt across them, 177 x 121
QImage IndSeriesFormula();   // Lt = L1 + L2 + L3 + ..., 185 x 31
QImage IndParallelCircuit(); // a meter Lt across L1 and L2 in parallel, 153 x 121
QImage IndParallelFormula(); // Lt = 1 / (1/L1 + 1/L2 + ... + 1/Ln), 181 x 77
QImage LtSymbol(QSize size); // the result symbol "Lt ="
} // namespace pictures
