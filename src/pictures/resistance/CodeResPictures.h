#pragma once
// Pictures of the resistor window: the search button's magnifying glass and the grids of
// standard values.
#include <QImage>
#include <QStringList>

namespace pictures {

QImage MagnifyingGlass(int size);

// Values in bold black figures on yellow, read down the columns, `rows` values per column.
QImage StandardValuesGrid(const QStringList& values, int rows, QSize size);

} // namespace pictures
