#include "ui/EntryTab.h"

#include "formulas/RunningTotals.h"
#include "ui/Guard.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

namespace ui {

namespace {

QLabel* MakePictureAt(QWidget* parent, const EntryTab::Picture& p) {
    return MakePicture(parent, p.name, p.draw, p.at.x(), p.at.y(), p.at.width(), p.at.height());
}

// A rule text: white, single border, wrapped.
QLabel* MakeRule(QWidget* page, const char* name, const QRect& at) {
    QLabel* rule = MakeLabel(page, name, QString(), at.x(), at.y(), at.width(), at.height());
    rule->setWordWrap(true);
    rule->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rule->setFrameStyle(QFrame::Box | QFrame::Plain);
    rule->setMargin(2);
    SetBackground(rule, kWhite);
    return rule;
}

} // namespace

QWidget* EntryTab::TextCaption(QWidget* group, const char* name, const char* text, const QRect& at) {
    QLabel* caption =
        MakeLabel(group, name, QString::fromUtf8(text), at.x(), at.y(), at.width(), at.height());
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(FormFont("MS Sans Serif", 11, true));
    return caption;
}

EntryTab::EntryTab(QWidget* window, QWidget* page, const Layout& layout, const QString& letter, int& count,
                   EntryList::OnEmpty onEmpty, std::initializer_list<double*> fields)
    : parts_(Build(page, layout)), page_(page),
      entries_(window, parts_.box, parts_.list, letter, count, onEmpty) {
    page_.Boxes({parts_.box});
    for (QLabel* result : parts_.results)
        page_.Results({result});
    page_.Fields(fields);
}

EntryTab::Parts EntryTab::Build(QWidget* page, const Layout& l) {
    Parts p{page, nullptr, nullptr, nullptr, nullptr, nullptr, {}, nullptr, nullptr};
    SetBackground(MakePictureAt(page, l.pictures.front()), kYellow);
    for (auto picture = l.pictures.begin() + 1; picture != l.pictures.end(); ++picture)
        MakePictureAt(page, *picture);
    const QRect n = l.note.at;
    if (l.note.kind == NoteKind::Rule) {
        p.rule = MakeRule(page, l.note.name, n);
    } else {
        p.note = MakeNote(page, l.note.name, l.note.lines, n.x(), n.y(), n.width(), n.height());
        if (l.note.kind == NoteKind::Disabled)
            p.note->setEnabled(false);
        else
            p.note->setReadOnly(l.note.kind == NoteKind::ReadOnly);
    }
    const QRect r = l.reset.at, b = l.box.at, s = l.list.at, g = l.group.at, pr = l.print.at, d = l.digits.at;
    p.reset = MakeResetButton(page, l.reset.name, r.x(), r.y(), r.width(), r.height());
    p.box = MakeValueBox(page, l.box.name, b.x(), b.y(), b.width(), b.height());
    p.list = MakeListBox(page, l.list.name, s.x(), s.y(), s.width(), s.height());
    QGroupBox* group = MakeGroup(page, l.group.name, QStringLiteral("Résultat"), g.x(), g.y(), g.width(),
                                 g.height(), kSilver);
    for (const Result& result : l.results) {
        l.caption(group, result.caption, result.text, result.captionAt);
        const QRect a = result.at;
        p.results.push_back(MakeResultLabel(group, result.label, a.x(), a.y(), a.width(), a.height()));
    }
    const auto makePrint = [&] {
        p.print = MakePrintButton(group, l.print.name, pr.x(), pr.y(), pr.width(), pr.height());
    };
    if (!l.digitsFirst) makePrint();
    p.digits =
        MakeCheckBox(group, l.digits.name, QStringLiteral("2 Digit"), d.x(), d.y(), d.width(), d.height());
    if (l.digitsFirst) makePrint();
    if (p.note)
        SetTabOrder({p.box, p.list, p.print, p.digits, p.reset, p.note});
    else
        SetTabOrder({p.box, p.list, p.print, p.digits, p.reset});
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

void EntryTabsWindow::MakeTabs(QTabWidget* pages, const EntryTab::Layout& series,
                               std::initializer_list<double*> seriesFields, const EntryTab::Layout& parallel,
                               std::initializer_list<double*> parallelFields, const QString& letter,
                               EntryList::OnEmpty onEmpty) {
    pages_ = pages;
    series_.emplace(this, pages->widget(0), series, letter, SeriesCount, onEmpty, seriesFields);
    parallel_.emplace(this, pages->widget(1), parallel, letter, ParallelCount, onEmpty, parallelFields);
}

QTabWidget* EntryTabsWindow::MakePages(QWidget* parent, const QRect& place,
                                       std::initializer_list<std::pair<const char*, QString>> pages) {
    auto* control = new QTabWidget(parent);
    control->setObjectName(QStringLiteral("PageControl1"));
    control->setGeometry(place);
    control->tabBar()->setFocusPolicy(Qt::NoFocus);
    for (const auto& [name, caption] : pages)
        AddTabPage(control, name, caption);
    return control;
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
