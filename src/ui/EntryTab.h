#pragma once
// The series and parallel tabs of the resistor, capacitor and inductor windows, declared in the
// window's form table: the circuit and formula pictures, a note, and a column with the reset
// button, the value box, the list and the result group (results, print button, "2 Digit"). Each
// tab is a calculator page over its box, results and stored values, and an entry list over its
// box and list.
#include "ui/CalculatorPage.h"
#include "ui/EntryList.h"
#include "ui/FormTable.h"
#include "ui/Window.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextEdit;

namespace ui {

class EntryTab {
  public:
    // The tab's components are the rows of `table` on `page`, as `parts` holds them once built:
    // its value box, its list, its results (the first is the total), "2 Digit", Reset, Print, and
    // a note or a rule. `count` is the window's counter of the list's lines, `fields` the values
    // Reset zeroes.
    EntryTab(QWidget* window, QWidget* page, const FormTable& table, const FormParts& parts,
             const QString& letter, int& count, EntryList::OnEmpty onEmpty,
             std::initializer_list<double*> fields);

    // The box's Return, the "2 Digit" click, Reset and Print run the window's handlers.
    template <class W, class Enter, class Digits, class Reset, class Print>
    void Connect(W* window, Enter enter, Digits digits, Reset reset, Print print) {
        ConnectHandlers(
            window, [window, enter] { (window->*enter)(); }, [window, digits] { (window->*digits)(); },
            [window, reset] { (window->*reset)(); }, [window, print] { (window->*print)(); });
    }

    // Return for values that add: the value joins `total`.
    void EnterSum(double& last, double& total);
    // Return for values whose reciprocals add: the value's reciprocal joins `inverseSum` and the
    // total is the reciprocal of that.
    void EnterReciprocalSum(double& last, double& inverseSum, double& total);
    // Return with the window's own totals (see `EntryList::Enter`).
    void Enter(const std::function<void(long double value)>& join);
    // The results, in the table's order, in General 10/4 and then as "2 Digit" asks.
    void Show(std::initializer_list<double> values);
    // "2 Digit": the results again from the stored values; nothing while the total is empty.
    void Refresh(std::initializer_list<double> values);
    // Reset: the count at 0, the list, the box and the results emptied, the stored values zeroed.
    void Reset();

    QLineEdit* Box() const { return parts_.box; }
    QListWidget* List() const { return parts_.list; }
    QLabel* Total() const { return parts_.results.front(); }
    QTextEdit* NoteText() const { return parts_.note; }
    QLabel* Rule() const { return parts_.rule; }

  private:
    struct Parts {
        QWidget* page;
        QTextEdit* note;
        QLabel* rule;
        QPushButton* reset;
        QLineEdit* box;
        QListWidget* list;
        std::vector<QLabel*> results;
        QPushButton* print;
        QCheckBox* digits;
    };
    static Parts Find(QWidget* page, const FormTable& table, const FormParts& parts);
    void ConnectHandlers(QWidget* window, std::function<void()> enter, std::function<void()> digits,
                         std::function<void()> reset, std::function<void()> print);

    Parts parts_;
    CalculatorPage page_;
    EntryList entries_;
};

// A window of a series and a parallel entry tab (resistors, capacitors, inductors): the running
// values and the handlers the three windows share, under their names.
class EntryTabsWindow : public Window {
  public:
    void RefreshSeriesDisplay();
    virtual void RefreshParallelDisplay();
    void CheckBox1Click();
    void CheckBox2Click();
    void BitBtn2Click(); // Reset, series

    int SeriesCount = 0;
    int ParallelCount = 0;
    double SeriesLast = 0;
    double SeriesTotal = 0;
    double ParallelLast = 0;
    double ParallelTotal = 0;

  protected:
    using Window::Window;
    // Builds `table` on the window and makes the entry tabs of the first two pages of its tab
    // control. The window calls it first thing in its constructor, where the pictures are
    // already the window's own.
    FormParts MakeTabs(const FormTable& table, std::initializer_list<double*> seriesFields,
                       std::initializer_list<double*> parallelFields, const QString& letter,
                       EntryList::OnEmpty onEmpty);

    QTabWidget* pages_ = nullptr;
    std::optional<EntryTab> series_;
    std::optional<EntryTab> parallel_;
};

} // namespace ui
