#include "ui/EntryTab.h"

#include "formulas/RunningTotals.h"
#include "ui/Guard.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <stdexcept>

namespace ui {

namespace {

// A row is on the page when its parents lead to it.
bool OnPage(const FormTable& table, const FormRow& row, const QString& page) {
    for (const FormRow* r = &row; r;) {
        if (page == QLatin1String(r->name)) return true;
        const FormRow* up = nullptr;
        for (const FormRow& p : table.rows)
            if (r->parent && qstrcmp(p.name, r->parent) == 0) up = &p;
        r = up;
    }
    return false;
}

} // namespace

EntryTab::EntryTab(QWidget* window, QWidget* page, const FormTable& table, const FormParts& parts,
                   const QString& letter, int& count, EntryList::OnEmpty onEmpty,
                   std::initializer_list<double*> fields)
    : parts_(Find(page, table, parts)), page_(page),
      entries_(window, parts_.box, parts_.list, letter, count, onEmpty) {
    page_.Boxes({parts_.box});
    for (QLabel* result : parts_.results)
        page_.Results({result});
    page_.Fields(fields);
}

EntryTab::Parts EntryTab::Find(QWidget* page, const FormTable& table, const FormParts& parts) {
    Parts p{page, nullptr, nullptr, nullptr, nullptr, nullptr, {}, nullptr, nullptr};
    for (const FormRow& r : table.rows) {
        if (!OnPage(table, r, page->objectName())) continue;
        switch (r.kind) {
        case PartKind::Note:
            p.note = parts.Get<QTextEdit>(r.name);
            break;
        case PartKind::Rule:
            p.rule = parts.Get<QLabel>(r.name);
            break;
        case PartKind::Reset:
            p.reset = parts.Get<QPushButton>(r.name);
            break;
        case PartKind::Box:
            p.box = parts.Get<QLineEdit>(r.name);
            break;
        case PartKind::List:
            p.list = parts.Get<QListWidget>(r.name);
            break;
        case PartKind::Result:
            p.results.push_back(parts.Get<QLabel>(r.name));
            break;
        case PartKind::Print:
            p.print = parts.Get<QPushButton>(r.name);
            break;
        case PartKind::Check:
            p.digits = parts.Get<QCheckBox>(r.name);
            break;
        default:
            break;
        }
    }
    if (!p.reset || !p.box || !p.list || p.results.empty() || !p.print || !p.digits)
        throw std::logic_error("an entry tab without its box, list, results or buttons: " +
                               page->objectName().toStdString());
    return p;
}

void EntryTab::ConnectHandlers(QWidget* window, std::function<void()> enter, std::function<void()> digits,
                               std::function<void()> reset, std::function<void()> print) {
    On(parts_.box, &QLineEdit::returnPressed, window, enter);
    On(parts_.digits, &QCheckBox::clicked, window, digits);
    On(parts_.reset, &QPushButton::clicked, window, reset);
    On(parts_.print, &QPushButton::clicked, window, print);
}

void EntryTab::EnterSum(double& last, double& total) {
    Enter([&](long double value) {
        const long double sum = Compute([&] { return formulas::AddedValue(total, value); });
        const double entered = Stored(value), shown = Stored(sum);
        last = entered;
        total = shown;
        Show({total});
    });
}

void EntryTab::EnterReciprocalSum(double& last, double& inverseSum, double& total) {
    Enter([&](long double value) {
        const long double inverses = Compute([&] { return formulas::AddedReciprocal(inverseSum, value); });
        const long double reciprocal = Compute([&] { return formulas::Reciprocal(inverses); });
        // Nothing is stored until every value is known to fit.
        const double entered = Stored(value), sum = Stored(inverses), shown = Stored(reciprocal);
        last = entered;
        inverseSum = sum;
        total = shown;
        Show({total});
    });
}

void EntryTab::Enter(const std::function<void(long double)>& join) {
    entries_.Enter(join);
}

void EntryTab::Show(std::initializer_list<double> values) {
    auto label = parts_.results.begin();
    for (const double value : values)
        CalculatorPage::Show(*label++, value, kGeneral10_4);
    Refresh(values);
}

void EntryTab::Refresh(std::initializer_list<double> values) {
    if (Total()->text().isEmpty()) return;
    const bool twoDigits = parts_.digits->isChecked();
    auto label = parts_.results.begin();
    for (const double value : values)
        CalculatorPage::Refresh(*label++, twoDigits, value);
}

void EntryTab::Reset() {
    entries_.Clear();
    page_.Clear();
}

FormParts EntryTabsWindow::MakeTabs(const FormTable& table, std::initializer_list<double*> seriesFields,
                                    std::initializer_list<double*> parallelFields, const QString& letter,
                                    EntryList::OnEmpty onEmpty) {
    FormParts parts = BuildForm(this, table);
    for (const FormRow& r : table.rows)
        if (r.kind == PartKind::Tabs && !pages_) pages_ = parts.Get<QTabWidget>(r.name);
    series_.emplace(this, pages_->widget(0), table, parts, letter, SeriesCount, onEmpty, seriesFields);
    parallel_.emplace(this, pages_->widget(1), table, parts, letter, ParallelCount, onEmpty, parallelFields);
    return parts;
}

void EntryTabsWindow::RefreshSeriesDisplay() {
    series_->Refresh({SeriesTotal});
}

void EntryTabsWindow::RefreshParallelDisplay() {
    parallel_->Refresh({ParallelTotal});
}

void EntryTabsWindow::CheckBox1Click() {
    RefreshSeriesDisplay();
}

void EntryTabsWindow::CheckBox2Click() {
    RefreshParallelDisplay();
}

void EntryTabsWindow::BitBtn2Click() {
    series_->Reset();
}

} // namespace ui
