#pragma once
// The unit converter: seven pages of decimal prefixes of one unit and five pages of unit pairs,
// under one row of display options that every page's result follows.
#include "formulas/Conversions.h"
#include "ui/Window.h"

#include <array>
#include <cstdint>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTabWidget;
namespace converter {
struct PrefixPage;
}
namespace ui {
struct FormTable;
}

class TFormConvertisseur : public ui::Window {
    Q_OBJECT
    // The stored values, where checks over every window read them.
    Q_PROPERTY(double VariedValue MEMBER VariedValue)
    Q_PROPERTY(double LengthValue MEMBER LengthValue)
    Q_PROPERTY(double AreaValue MEMBER AreaValue)
    Q_PROPERTY(double VolumeValue MEMBER VolumeValue)
    Q_PROPERTY(double MassValue MEMBER MassValue)
  public:
    enum class Mode : std::uint8_t { General = 0, Integral = 2 };
    static constexpr int kPages = 12;
    static constexpr int kFirstPairPage = 7; // index of "Divers"

    explicit TFormConvertisseur(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;

    void ComboBox2Change(); // precision
    void ComboBox1Change(); // decimals
    void RadioButton1Click();
    void RadioButton2Click();
    void PageControl1Change();
    void CheckBox1Click();
    // ListBox1Click ... ListBox19Click, by the list's number.
    void ListBoxClick(int listNumber);
    // The change handler of an input box: converts at once, quietly while the text is no number yet.
    void InputChange(int page);
    void RefreshPairDisplay();

    int DisplayPrecision = 8;
    Mode DisplayMode = Mode::General;
    double VariedValue = 0;
    double LengthValue = 0;
    double AreaValue = 0;
    double VolumeValue = 0;
    double MassValue = 0;

  private:
    struct Page {
        QWidget* sheet = nullptr;
        QLineEdit* input = nullptr;
        QLineEdit* output = nullptr;
        // Prefix pages.
        const converter::PrefixPage* units = nullptr;
        QListWidget* from = nullptr;
        QListWidget* to = nullptr;
        QLabel* fromLabel = nullptr;
        QLabel* toLabel = nullptr;
        // Pair pages.
        formulas::PairPage kind = formulas::PairPage::Varied;
        QListWidget* pairs = nullptr;
        QLabel* pairLabel = nullptr;
        double* stored = nullptr;
    };

    static const ui::FormTable& Form();
    void BuildPages();
    void Connect();

    void Convert(int page);
    void ConvertAll(std::initializer_list<int> order);
    void ConvertInPageOrder();
    QString Shown(long double value) const;
    double ReadShown(const Page& page) const;
    void ShowTwoDigits(Page& page, double value);
    void SetDecimalsEnabled(bool enabled);
    void UnitClick(int page, bool toList);
    void PairClick(int page);
    void FillPairLists(bool english);

    std::array<Page, kPages> pages_{};
    QTabWidget* pageControl_ = nullptr;
    QComboBox* precision_ = nullptr;
    QComboBox* decimals_ = nullptr;
    QRadioButton* general_ = nullptr;
    QRadioButton* integral_ = nullptr;
    QLabel* digCaption_ = nullptr;
    QCheckBox* twoDigits_ = nullptr;
    int decimalsShown_ = 6; // the decimals list's number; its blank item keeps the one in force
};
