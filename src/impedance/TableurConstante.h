#pragma once
// What the RL and RC time constant tables share: a grid of t in seconds for 35 resistances down
// and ten inductances or capacitances across, with its texts and a print button, each table
// declared in its own form table on the places given here.
#include "ui/FormTable.h"
#include "ui/Window.h"

#include <vector>

class QLabel;
class QTableWidget;

class TimeConstantTable : public ui::Window {
    Q_OBJECT
  public:
    static constexpr int kRows = 36;    // the heading row included
    static constexpr int kColumns = 11; // the heading column included

    void FormCreate() override;
    void FormActivate() override;
    void FillGrid();
    void BitBtn1Click(); // Print

  protected:
    static constexpr int kGridTop = 46;
    static constexpr int kRowHeight = 17;
    static constexpr int kFirstColumn = 56;
    static constexpr int kColumn = 60;
    static constexpr int kGridWidth = kFirstColumn + (kColumns - 1) * kColumn + 2;
    static constexpr int kGridHeight = kRows * kRowHeight + 2;

    // The headings down (resistances) and across (inductances or capacitances) in the units the
    // texts name, and t in seconds from a pair of them.
    struct Axes {
        std::vector<long double> resistances;
        std::vector<long double> values;
        long double (*seconds)(long double resistance, long double value);
    };
    // A table's form: "Label1" (the resistances' unit), "Label2" (the quantity across), the grid
    // "StringGrid1", "Label3" over its corner and the print button "BitBtn1".
    static ui::FormTable Form(const QString& resistances, const QString& resistancesEnglish,
                              const QString& across);
    TimeConstantTable(QWidget* parent, const char* name, const QString& caption, const QString& english,
                      const char* report, const ui::FormTable& form, const Axes& axes);

  private:
    QString english_; // the English caption
    const char* report_;
    const ui::FormTable& form_;
    const Axes& axes_;
    QTableWidget* grid_;
    QLabel* resistanceText_;
};
