#pragma once
// The circuits and formula panels of the series and parallel windows, for resistors, capacitors
// and inductors alike. Internal to the pictures library.
#include "pictures/Previews.h"

#include <QImage>
#include <QSize>
#include <QStringList>

namespace pictures {

// How the total is marked across the circuit.
enum class TotalMark { Arrow, Meter };

// The parts in a row between two terminals, each named above it, the total marked below the span.
QImage SeriesCircuit(Part part, const QStringList& names, const QString& total, QSize size,
                     TotalMark mark = TotalMark::Arrow);
// The parts between two rails fed from two terminals on the left, the total marked across them.
QImage ParallelCircuit(Part part, const QStringList& names, const QString& total, QSize size,
                       TotalMark mark = TotalMark::Arrow);
// A formula in black on a green rounded panel.
QImage GreenFormula(const QString& markup, QSize size, qreal typeSize);

} // namespace pictures
