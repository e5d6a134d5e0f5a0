#pragma once
// The resistor utility: the colour-code decoder, the search of the rings for a value and the
// standard (E24) values, one tab each.
#include "ui/Window.h"

#include <QString>
#include <array>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
namespace ui {
class UnitList;
class ValueBox;
} // namespace ui
namespace resistance {
class Shape;
}

class TFormCodeRes : public ui::Window {
    Q_OBJECT
    // The stored values, where checks over every window read them.
    Q_PROPERTY(double Digits MEMBER Digits)
    Q_PROPERTY(double Resistance MEMBER Resistance)
    Q_PROPERTY(double Highest MEMBER Highest)
    Q_PROPERTY(double Lowest MEMBER Lowest)
    Q_PROPERTY(double SearchOhms MEMBER SearchOhms)
    Q_PROPERTY(double SearchHundredths MEMBER SearchHundredths)
  public:
    explicit TFormCodeRes(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;

    // Colour-code decoder.
    void ListBox1Click();
    void ListBox2Click();
    void ListBox5Click();
    void ListBox3Click();
    void ListBox4Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void ComboBox1Change();
    void BitBtn3Click();
    void DecodeFourRings();
    void DecodeFiveRings();

    // Value search and standard values.
    void BitBtn2Click();
    void ComboBox2Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void BitBtn1Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void SearchFourRings();
    void SearchFiveRings();

    // Decoder results: the significant digits as a number, the value in the display unit and
    // its tolerance bounds.
    double Digits = 0;
    double Resistance = 0;
    double Highest = 0;
    double Lowest = 0;
    // Search: the value in ohms and in hundredths of an ohm, the latter's decimal text, the
    // significant digits taken from it and the count of integer digits of the value.
    double SearchOhms = 0;
    double SearchHundredths = 0;
    QString SearchText;
    QString SearchDigits;
    int IntegerDigits = 0;

  private:
    void SetRingLayout(bool fiveRings);
    void Decode();
    void DecodeRings(bool fiveRings);
    void PaintRing(resistance::Shape* ring, const QColor& colour);
    void FillColourLists(bool english);
    void ApplyEnglish();
    void SearchRings(int digits);
    bool SearchValueMissing(const QString& french, const QString& english);
    void SetSearchLayout(bool fiveRings);

    QTabWidget* pages_ = nullptr;
    // decoder
    QRadioButton* radio4Rings_ = nullptr;
    QRadioButton* radio5Rings_ = nullptr;
    QListWidget* digit1_ = nullptr;
    QListWidget* digit2_ = nullptr;
    QListWidget* digit3_ = nullptr;
    QListWidget* multiplier_ = nullptr;
    QListWidget* tolerance_ = nullptr;
    resistance::Shape* ring1_ = nullptr;
    resistance::Shape* ring2_ = nullptr;
    resistance::Shape* ring3_ = nullptr;
    resistance::Shape* ringMultiplier_ = nullptr;
    resistance::Shape* ringTolerance_ = nullptr;
    std::array<resistance::Shape*, 3> ring3Lines_{};
    std::array<resistance::Shape*, 3> multiplierLines_{};
    std::array<resistance::Shape*, 4> toleranceLines_{};
    QLabel* value_ = nullptr;
    ui::UnitList* displayUnit_ = nullptr;
    QLabel* lowest_ = nullptr;
    QLabel* highest_ = nullptr;
    // search
    ui::ValueBox* searchValue_ = nullptr;
    ui::UnitList* searchUnit_ = nullptr;
    QRadioButton* search4Rings_ = nullptr;
    QRadioButton* search5Rings_ = nullptr;
    QLabel* digitsHeading_ = nullptr;
    std::array<resistance::Shape*, 3> digitDiscs_{};
    resistance::Shape* multiplierDisc_ = nullptr;
    std::array<QLabel*, 3> digitTexts_{};
    QLabel* multiplierText_ = nullptr;
    QLabel* toleranceText_ = nullptr;
    std::array<QLabel*, 3> digitNames_{};
    QLabel* multiplierName_ = nullptr;
};
