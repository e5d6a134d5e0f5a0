#include "ui/EntryList.h"

#include "core/Failure.h"
#include "ui/CalculatorPage.h"
#include "ui/Copying.h"
#include "ui/Messages.h"

#include <QLineEdit>
#include <QListWidget>

namespace ui {

EntryList::EntryList(QWidget* window, QLineEdit* box, QListWidget* list, const QString& letter, int& count,
                     OnEmpty onEmpty)
    : window_(window), box_(box), list_(list), letter_(letter), count_(count), onEmpty_(onEmpty) {
    MarkEntries(list);
    box->setProperty("ohmbrixEntryLetter", letter); // names the box for a screen reader
}

void EntryList::Enter(const std::function<void(long double)>& join) {
    if (box_->text().isEmpty()) {
        if (onEmpty_ == OnEmpty::AskForValue) PlainBox(window_, QStringLiteral("Entrer une valeur"));
        return;
    }
    ++count_;
    list_->addItem(letter_ + QString::number(count_) + QStringLiteral("= ") + box_->text());
    const auto undo = [this] {
        delete list_->takeItem(list_->count() - 1);
        --count_;
    };
    try {
        join(CalculatorPage::Read(box_));
    } catch (const core::Failure&) {
        Message(window_, QStringLiteral("Virgule flottante incorrecte"));
        undo();
        return;
    } catch (...) { // anything else is the default handler's, but the list stays true
        undo();
        throw;
    }
    box_->clear();
}

void EntryList::Clear() {
    count_ = 0;
    box_->setFocus();
    box_->clear();
    list_->clear();
}

} // namespace ui
