#pragma once
// Small pictures shared by many windows: headings, button glyphs, legend symbols.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace pictures {

QImage HeadingBar(const QString& title); // 169 x 17 blue rounded bar, white bold capital title
QImage ConnectorPicture();               // 17 x 9 tree connector: a line ending in a dot
QImage ResetGlyph();                     // 18 x 18 red disc (transparent around it)
QImage PrinterGlyph();                   // 20 x 18 small printer (transparent around it)
QImage TableurOval(const QString& word, QSize size = {113, 41}); // yellow word on a blue oval
// A legend symbol ("f =", "X_{c} =") drawn with the formula engine; silver when opaque is set,
// otherwise transparent.
QImage LegendSymbol(const QString& markup, QSize size, bool opaque = false);
// A symbol on a small green plate, as the wave calculators show them.
QImage SymbolPlate(const QString& markup, QSize size);

} // namespace pictures
