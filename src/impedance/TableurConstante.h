#pragma once
// What the RL and RC time constant tables share: a grid of t in seconds for 35 resistances down
// and ten inductances or capacitances across, with its texts and a print button.
#include "ui/Window.h"

#include <vector>

class QLabel;
class QTableWidget;

class TimeConstantTable : public ui::Window {
    Q_OBJECT
  public:
    struct Content {
        const char* caption;        // French window caption
        const char* english;        // English window caption
        const char* resistanceText; // the unit of the resistances, down the first column
        const char* resistanceEnglish;
        const char* valueText; // the quantity across the heading row, with its unit
        const char* valueEnglish;
        const char* report;                   // its table report
        std::vector<long double> resistances; // in the unit resistanceText names
        std::vector<long double> values;      // in the unit valueText names
        long double (*seconds)(long double resistance, long double value);
    };
    static constexpr int kRows = 36;    // the heading row included
    static constexpr int kColumns = 11; // the heading column included

    void FormCreate() override;
    void FormActivate() override;
    void FillGrid();
    void BitBtn1Click(); // Print

  protected:
    TimeConstantTable(QWidget* parent, const char* name, const Content& content);

  private:
    const Content& content_;
    QTableWidget* grid_;
    QLabel* resistanceText_;
    QLabel* valueText_;
    QLabel* time_;
};
