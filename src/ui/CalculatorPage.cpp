#include "ui/CalculatorPage.h"

#include "ui/Accessible.h"

#include "core/Failure.h"
#include "core/Regional.h"
#include "ui/Widgets.h"
#include "ui/Window.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ui {
namespace {

std::vector<const CalculatorPage*>& Pages() {
    static std::vector<const CalculatorPage*> pages;
    return pages;
}

QWidget* Component(QWidget* root, const char* name) {
    if (root->objectName() == QLatin1String(name)) return root;
    return root->findChild<QWidget*>(QLatin1String(name));
}

// A page of a tab widget: its caption is the tab's text.
std::pair<QTabWidget*, int> TabOf(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
            const int index = tabs->indexOf(w);
            if (index >= 0) return {tabs, index};
        }
    return {nullptr, -1};
}

bool SetText(QWidget* w, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
        FitText(label);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(text);
    } else if (auto [tabs, index] = TabOf(w); tabs) {
        tabs->setTabText(index, text);
    } else {
        return false;
    }
    return true;
}

} // namespace

void ApplyTexts(QWidget* root, std::initializer_list<EnglishText> texts) {
    ApplyTexts(root, std::vector<EnglishText>(texts));
}

void ApplyTexts(QWidget* root, const std::vector<EnglishText>& texts) {
    std::vector<QWidget*> found;
    for (const EnglishText& t : texts) {
        QWidget* w = Component(root, t.component);
        if (!w) throw std::logic_error(std::string("no component ") + t.component);
        found.push_back(w);
    }
    auto w = found.begin();
    for (const EnglishText& t : texts)
        if (!SetText(*w++, QString::fromUtf8(t.english)))
            throw std::logic_error(std::string("component without a text: ") + t.component);
}

double Stored(long double value) {
    core::FloatGuard guard;
    const double stored = static_cast<double>(value);
    guard.check();
    if (std::isnan(stored)) throw core::InvalidOperation();
    if (std::isinf(stored)) throw core::Overflow();
    return stored;
}

CalculatorPage::CalculatorPage(QWidget* page) : page_(page) {
    Pages().push_back(this);
}

CalculatorPage& CalculatorPage::Boxes(std::initializer_list<QLineEdit*> boxes) {
    boxes_.insert(boxes_.end(), boxes);
    return *this;
}

CalculatorPage& CalculatorPage::Results(std::initializer_list<QLabel*> results) {
    results_.insert(results_.end(), results);
    return *this;
}

CalculatorPage& CalculatorPage::Fields(std::initializer_list<double*> fields) {
    fields_.insert(fields_.end(), fields);
    return *this;
}

CalculatorPage::~CalculatorPage() {
    auto& pages = Pages();
    pages.erase(std::remove(pages.begin(), pages.end(), this), pages.end());
}

long double CalculatorPage::Read(const QLineEdit* box, const UnitList* unit) {
    return Compute([&] {
        const long double typed = core::ParseNumber(box->text(), core::CurrentSeparators());
        return unit ? unit->Scale(typed) : typed;
    });
}

long double CalculatorPage::InUnit(long double value, const UnitList* unit) {
    return Compute([&] { return unit ? unit->Scale(value) : value; });
}

bool CalculatorPage::AllHoldText() const {
    return std::all_of(boxes_.begin(), boxes_.end(), [](const QLineEdit* b) { return !b->text().isEmpty(); });
}

bool CalculatorPage::AllHoldText(std::initializer_list<const QLineEdit*> boxes) {
    return std::all_of(boxes.begin(), boxes.end(), [](const QLineEdit* b) { return !b->text().isEmpty(); });
}

void CalculatorPage::Show(QLabel* label, long double value, Display display) {
    label->setText(core::FormatNumber(value, display.format, display.precision, display.digits,
                                      core::CurrentSeparators()));
    AnnounceResult(label);
}

void CalculatorPage::Refresh(QLabel* label, bool twoDigits, double value) {
    label->setText(core::RefreshDisplayText(label->text(), twoDigits, value, core::CurrentSeparators()));
}

void CalculatorPage::Clear() {
    for (double* f : fields_)
        *f = 0;
    for (QLineEdit* b : boxes_)
        b->clear();
    for (QLabel* l : results_)
        l->clear();
}

std::vector<std::pair<QString, double>> StoredValues(const QWidget* window) {
    std::vector<std::pair<QString, double>> values;
    for (const CalculatorPage* page : Pages()) {
        if (page->Widget() != window && !window->isAncestorOf(page->Widget())) continue;
        int i = 0;
        for (const double* f : page->Fields())
            values.emplace_back(QStringLiteral("%1/%2").arg(page->Widget()->objectName()).arg(i++), *f);
    }
    // A window's fields outside any page are its own double properties.
    if (const auto* form = qobject_cast<const Window*>(window)) {
        const QMetaObject* meta = form->metaObject();
        for (int i = Window::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (property.metaType().id() == QMetaType::Double)
                values.emplace_back(QString::fromLatin1(property.name()), property.read(form).toDouble());
        }
    }
    return values;
}

std::vector<const QLabel*> ResultLabels(const QWidget* window) {
    std::vector<const QLabel*> labels;
    for (const CalculatorPage* page : Pages())
        if (page->Widget() == window || window->isAncestorOf(page->Widget()))
            labels.insert(labels.end(), page->ResultLabels().begin(), page->ResultLabels().end());
    return labels;
}

} // namespace ui
