#pragma once
// The reference grids of the table windows: a heading row and a heading column as fixed cells,
// read-only cells, filled from an axis down, an axis across and a formula, without a repaint
// per cell.
#include "ui/CalculatorPage.h"

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

class QPushButton;
class QTableWidget;
class QWidget;

namespace ui {

inline constexpr Display kGeneral15{core::FloatFormat::General, 15, 0};
inline constexpr Display kWhole{core::FloatFormat::Number, 15, 0};

struct GridLayout {
    int rows, columns; // the heading row and column included
    int x, y, width, height;
    int columnWidth, rowHeight;
    QColor headings; // the fixed cells' background
};
// The grid, named after its component; its heading cells are bold on `headings`.
QTableWidget* MakeGrid(QWidget* parent, const char* name, const GridLayout& layout);
// The grid fills the window, with the print button "BitBtn1" over its empty corner cell.
QPushButton* FillWithGrid(QWidget* window, QTableWidget* grid);

struct Axis {
    std::vector<long double> values; // as the headings show them
    Display display;
};

// Writes the corner, the headings and every cell = formula(down value, across value) in the
// cell display, under the floating-point guard (a failure is raised once the grid is written).
void FillTable(QTableWidget* grid, const QString& corner, const Axis& down, const Axis& across,
               const std::function<long double(long double down, long double across)>& formula,
               Display cells);

} // namespace ui
