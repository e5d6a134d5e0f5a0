#pragma once
// A tab's list of values entered one at a time with Return: each value becomes a numbered line
// ("C3= 4,7", the text as typed) and joins the tab's running totals. The line is listed and
// counted before the value converts, and both are taken back when the value cannot join the
// totals, so the list always shows exactly the values the totals hold.
#include <QString>
#include <functional>

class QLineEdit;
class QListWidget;
class QWidget;

namespace ui {

class EntryList {
  public:
    // What Return in an empty box does.
    enum class OnEmpty { Nothing, AskForValue };

    // `count` is the window's own counter of the list's lines; `letter` begins every line.
    EntryList(QWidget* window, QLineEdit* box, QListWidget* list, const QString& letter, int& count,
              OnEmpty onEmpty);

    // Return in the box. `join` receives the converted value and stores the tab's new totals; it
    // throws, before storing anything, when the value cannot join them. Then the message
    // "Virgule flottante incorrecte" (French in both languages) is shown, the line and the count
    // are undone and the box keeps the rejected text. A value that joins empties the box.
    void Enter(const std::function<void(long double value)>& join);

    // Reset: the count at 0, the list and the box emptied, the focus in the box.
    void Clear();

  private:
    QWidget* window_;
    QLineEdit* box_;
    QListWidget* list_;
    QString letter_;
    int& count_;
    OnEmpty onEmpty_;
};

} // namespace ui
