#pragma once
// The Ohm's law memory device: a wheel of the twelve formulas linking voltage, current,
// resistance and power, and a calculator set up by clicking a formula.
#include "ohmslaw/AboutFormulas.h"
#include "ui/Window.h"

#include <QPixmap>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
namespace ui {
class PictureLabel;
class ValueBox;
} // namespace ui

class TAboutBox : public ui::Window {
    Q_OBJECT
    // The stored values, where checks over every window read them.
    Q_PROPERTY(double FirstValue MEMBER FirstValue)
    Q_PROPERTY(double SecondValue MEMBER SecondValue)
    Q_PROPERTY(double ResultValue MEMBER ResultValue)
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void FormActivate() override;

    // Formula buttons.
    void Image2Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void Image9Click();
    void Image10Click();
    void Image11Click();
    void Image12Click();
    void Image13Click();
    void Image14Click();
    void Image1MouseMove();

    void ButtonCalculClick();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    QChar Edit1KeyPress(QChar key);
    QChar Edit2KeyPress(QChar key);
    QChar ComboBox2KeyPress(QChar key);
    void BitBtn1Click();
    void BitBtn2Click();
    void Calculate();

    int FormulaNumber = 0;
    // The inputs in base units, the result in the chosen result unit.
    double FirstValue = 0;
    double SecondValue = 0;
    double ResultValue = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Button {
        QFrame* panel;
        ui::PictureLabel* picture;
        QPixmap transparent;
        QPixmap opaque;
    };

    static void ShowButtonPicture(Button& b, const QImage& picture);
    void SetUpFormula(int formula);
    void ResetWindow();
    void ShowTexts(ohmslaw::Quantity result, ohmslaw::Quantity first, ohmslaw::Quantity second);
    void FillResultList(ohmslaw::Quantity q);
    void Press(int formula);
    void SetPressed(Button& b, bool pressed);
    QString NameOf(ohmslaw::Quantity q) const;
    QString DefinitionOf(ohmslaw::Quantity q) const;
    QString UnitOf(ohmslaw::Quantity q) const;

    // The texts of the language, set at every activation.
    QString nameE_, nameR_, nameP_, nameI_;
    QString definitionE_, definitionR_, definitionP_, definitionI_;
    QString unitE_, unitR_, unitP_, unitI_;

    QLabel* title_;
    QLabel* definition_;
    QLabel* unit_;
    QLabel* ohmSign_;
    QLabel* equals_;
    QLabel* formula_;
    QLabel* firstName_;
    QLabel* secondName_;
    ui::ValueBox* first_;
    ui::ValueBox* second_;
    ohmslaw::QuantityList* firstUnits_;
    ohmslaw::QuantityList* secondUnits_;
    ohmslaw::QuantityList* resultUnits_;
    QLabel* answer_;
    QLabel* wheel_;
    Button buttons_[12];
};
