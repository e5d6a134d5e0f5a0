#pragma once
// The table of two capacitors in series: 35 standard values across and down, each cell the
// series value of its two headings, in the headings' unit.
#include "ui/Window.h"

#include <QStringList>

class QTableWidget;

class TTableurCondserie : public ui::Window {
    Q_OBJECT
  public:
    explicit TTableurCondserie(QWidget* parent = nullptr);

    void FormCreate() override;   // the heading tables, in the probed separator
    void FormActivate() override; // the grid, rebuilt from its headings
    void BitBtn1Click();          // Print: the page choice

    static constexpr int kValues = 35;
    QStringList ColumnHeadings;
    QStringList RowHeadings;

  private:
    QTableWidget* grid_;
};
