#pragma once
// The circuit of the frequency response window: an AC source and the topology's R, L and C, in
// series along the top wire or as parallel branches. Drawn live in the window's ink (it changes
// with the topology and the palette) and at any size for the report.
#include "formulas/FrequencyResponse.h"

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace pictures {

void DrawResponseCircuit(QPainter& p, const QRectF& rect, formulas::Topology topology, const QColor& ink);
// On white, black ink, for the report.
QImage ResponseCircuit(formulas::Topology topology, QSize size);

} // namespace pictures
