#pragma once
// The two layouts most reports share, and the helpers that read a window as it shows itself.
#include "printing/Report.h"

#include <initializer_list>

class QWidget;
class QTableWidget;

namespace printing {

// A calculator's report: the title, "Schémas et formule :" with the picture (QRImage1),
// "Valeurs saisie:" with one line per input and "Résultat:" with one line per result; each line
// a fixed name and, just right of it, a value label filled at print time. With a memo the
// inputs are the lines of the window's list (QRMemo1).
class CalculatorReport : public Report {
    Q_OBJECT
  public:
    struct Lines {
        std::vector<QString> inputs;  // fixed names: "f =", "C ="
        std::vector<QString> results; // "Xc ="
        bool memo = false;            // a list instead of inputs
        int memoLines = 12;
        // The conductor report: "Formule:" with the picture to its right, values in a column.
        QString pictureHeading = QStringLiteral("Schémas et formule :");
        bool pictureBesideHeading = false; // at left 152, level with the heading
        qreal valueLeft = 0;               // 0: just right of each name
    };
    CalculatorReport(const QString& title, const Lines& lines);

  protected:
    // Call in QuickRep1StartPage; the layout below the picture follows the picture's height.
    void SetPicture(const QImage& picture);
    void SetInput(int index, const QString& value);
    void SetResult(int index, const QString& value);
    void SetMemo(const QStringList& lines);
    QRImage* Picture() const { return picture_; }

  private:
    void Arrange();

    bool pictureBeside_;
    qreal valueLeft_;
    QRLabel* valuesHeading_;
    QRLabel* resultHeading_;
    QRImage* picture_;
    QRMemo* memo_ = nullptr;
    std::vector<std::pair<QRLabel*, QRLabel*>> inputs_; // fixed name, value
    std::vector<std::pair<QRLabel*, QRLabel*>> results_;
};

// A report without a picture: the title at top 48, then headings at left 80, each with one
// value label under it ("Couleurs choisie:", "Résultat:", "Tolérance:").
class HeadingsReport : public Report {
    Q_OBJECT
  public:
    HeadingsReport(const QString& title, const std::vector<QString>& headings);

  protected:
    void SetValue(int index, const QString& value) { values_.at(index)->SetCaption(value); }

  private:
    std::vector<QRLabel*> values_;
};

// A table's report: the title across the page and the table page (QRImage1, 689 by 880,
// centred), with an optional value label at the left of the footer.
class TableReport : public Report {
    Q_OBJECT
  public:
    explicit TableReport(const QString& title, bool footerValue = false);

  protected:
    void SetTablePage(const std::vector<QStringList>& rows, const QString& caption = QString()) {
        page_->SetCells(rows, caption);
    }
    void SetFooterValue(const QString& text);

  private:
    QRTable* page_;
    QRLabel* footerValue_ = nullptr;
};

// The text a component shows: a label, an edit box, the chosen item of a list or list box, a
// button.
QString TextOf(QWidget* window, const char* component);
// "value unit" as the window shows them side by side (a box or label and its unit list).
QString ValueWithUnit(QWidget* window, const char* value, const char* unitList);
// Reports draw their pictures at a printer's 600 dots per inch: kPrintDensity pixels a unit.
inline constexpr qreal kPrintDensity = 600.0 / kUnitsPerInch;

// The picture a picture component shows, drawn at the print density.
QImage PictureOf(QWidget* window, const char* component);
// A component drawn as it looks on screen (a panel with its picture and echoes), at the print
// density: its type and its pictures drawn for paper, not enlarged from the screen's pixels.
QImage GrabOf(QWidget* window, const char* component);
// Pictures one above the other, left-aligned, on white, at the finest density among them.
QImage Stacked(const std::vector<QImage>& pictures, int gap = 8);
// Pictures side by side, centred on one another, on white.
QImage SideBySide(const std::vector<QImage>& pictures, int gap = 24);
// A table page from a grid: its heading row and column (row 0, column 0) and the cells
// [firstRow, lastRow] x [firstColumn, lastColumn], as the grid shows them.
std::vector<QStringList> GridCells(const QTableWidget* grid, int firstRow, int lastRow, int firstColumn,
                                   int lastColumn);

} // namespace printing
