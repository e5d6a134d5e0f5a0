#pragma once
// Standard values E3 to E192: the standard value nearest to a typed one and its neighbours, the
// series' tolerance, a resistor's rings and SMD marking, and the best two- and three-part
// combinations. Everything follows the typed value at once; a value that cannot be used empties
// the results and says why under the box.
#include "ui/Window.h"

#include <QColor>
#include <QVector>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
namespace ui {
class UnitList;
class ValueBox;
} // namespace ui

class TFormStandardValues : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormStandardValues(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;

    void ValueBoxChange();
    void UnitListChange();
    void SeriesListChange();
    void PrintButtonClick();
    void CopyAllClick(); // Ctrl+C and the context menu's "Copier tout"

    // The typed value in base units and the nearest standard value (0 when there is none).
    double Value = 0;
    double Nearest = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void Recompute();
    void ClearResults(const QString& why);

    ui::ValueBox* value_ = nullptr;
    ui::UnitList* unit_ = nullptr;
    ui::UnitList* series_ = nullptr;
    QPushButton* print_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* nearest_ = nullptr;
    QLabel* below_ = nullptr;
    QLabel* above_ = nullptr;
    QLabel* nearestError_ = nullptr;
    QLabel* belowError_ = nullptr;
    QLabel* aboveError_ = nullptr;
    QLabel* tolerance_ = nullptr;
    QLabel* range_ = nullptr;
    QGroupBox* marking_ = nullptr;
    QLabel* ringsPicture_ = nullptr;
    QLabel* rings_ = nullptr;
    QLabel* smd_ = nullptr;
    QLabel* eia_ = nullptr;
    QLabel* markingNote_ = nullptr;
    std::array<QLabel*, 5> twoParts_{};
    std::array<QLabel*, 5> twoValues_{};
    std::array<QLabel*, 5> twoErrors_{};
    std::array<QLabel*, 5> threeParts_{};
    std::array<QLabel*, 5> threeValues_{};
    std::array<QLabel*, 5> threeErrors_{};
    QAction* copyAll_ = nullptr;
    QVector<QColor> ringColours_; // of the rings shown, for the picture and the report
};
