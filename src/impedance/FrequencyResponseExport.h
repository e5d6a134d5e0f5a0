#pragma once
// What the frequency response window writes and shows as text: the sweep as CSV, the chart as SVG
// or PNG, the cursor's readout.
#include "core/Numbers.h"
#include "formulas/FrequencyResponse.h"

#include <QString>
#include <vector>

class ResponsePlot;

// "Série RLC" / "Series RLC".
QString ResponseTopologyText(formulas::Topology t, bool english);

// A header row, then frequency, |Z|, θ, R and X per point, in base units. The decimal separator is
// the regional one; fields are separated by ";" where that is ",", else by ",". An unbounded
// point leaves its |Z|, θ, R and X empty.
QString SweepCsv(const std::vector<formulas::ImpedancePoint>& points, const core::Separators& separators,
                 bool english);
// "f = 1,592 kHz   |Z| = 10,00 Ω   θ = 0,00°   Z = 10,00 Ω + j0 Ω".
QString ReadoutText(const formulas::ImpedancePoint& p, QChar decimal, bool english);

bool WriteText(const QString& fileName, const QString& text);
// The chart as the paper shows it (white, black text), at 800 x 560 (PNG at twice that).
bool WriteChartSvg(const QString& fileName, const ResponsePlot& plot, const QString& title);
bool WriteChartPng(const QString& fileName, const ResponsePlot& plot);
