#include "ui/TwoValueWindow.h"

#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Pictures.h"
#include "ui/Registry.h"
#include "ui/ResponseLink.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <stdexcept>

namespace ui {

void TwoValueWindow::ComboBox1Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        unitEcho1_->setText(unit1_->currentText());
}

void TwoValueWindow::ComboBox2Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        unitEcho2_->setText(unit2_->currentText());
}

void TwoValueWindow::ComboBox3Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        result_->clear();
}

FormParts TwoValueWindow::Build(const FormTable& table) {
    FormParts parts = BuildForm(this, table);
    std::vector<QWidget*> boxes, units, echoes;
    for (const FormRow& r : table.rows) {
        QWidget* w = parts.Find(r.name);
        switch (r.kind) {
        case PartKind::Box:
            boxes.push_back(w);
            break;
        case PartKind::Units:
            units.push_back(w);
            break;
        case PartKind::Echo:
            echoes.push_back(w);
            break;
        case PartKind::Result:
            result_ = qobject_cast<QLabel*>(w);
            break;
        case PartKind::PictureButton:
            tableur_ = qobject_cast<PictureLabel*>(w);
            break;
        default:
            break;
        }
    }
    if (boxes.size() != 2 || units.size() != 3 || echoes.size() != 4 || !result_ || !tableur_)
        throw std::logic_error("a two-value window's table lacks a part");
    edit1_ = qobject_cast<QLineEdit*>(boxes[0]);
    edit2_ = qobject_cast<QLineEdit*>(boxes[1]);
    unit1_ = qobject_cast<UnitList*>(units[0]);
    unit2_ = qobject_cast<UnitList*>(units[1]);
    resultUnit_ = qobject_cast<UnitList*>(units[2]);
    echo1_ = qobject_cast<QLabel*>(echoes[0]);
    unitEcho1_ = qobject_cast<QLabel*>(echoes[1]);
    echo2_ = qobject_cast<QLabel*>(echoes[2]);
    unitEcho2_ = qobject_cast<QLabel*>(echoes[3]);
    page_.Boxes({edit1_, edit2_}).Results({result_});
    return parts;
}

void TwoValueWindow::Echo() {
    echo1_->setText(edit1_->text());
    unitEcho1_->setText(unit1_->currentText());
    echo2_->setText(edit2_->text());
    unitEcho2_->setText(unit2_->currentText());
}

void TwoValueWindow::ConnectUnits() {
    On(unit1_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    On(unit2_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    On(resultUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
}

void TwoValueWindow::LinkResponse(Quantity first, Quantity second) {
    quantities_[0] = first;
    quantities_[1] = second;
    response_ = new QAction(QStringLiteral("Réponse en fréquence…"), this);
    response_->setObjectName(QStringLiteral("ResponseAction"));
    response_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    response_->setShortcutContext(Qt::WindowShortcut);
    addAction(response_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    On(response_, &QAction::triggered, this, [this] { OpenFrequencyResponse(); });
}

void TwoValueWindow::OpenFrequencyResponse() {
    using formulas::Topology;
    ResponseValues values;
    const std::pair<QLineEdit*, UnitList*> boxes[] = {{edit1_, unit1_}, {edit2_, unit2_}};
    for (int i = 0; i < 2; ++i) {
        if (boxes[i].first->text().isEmpty()) continue;
        const long double v = CalculatorPage::Read(boxes[i].first, boxes[i].second);
        switch (quantities_[i]) {
        case Quantity::Frequency:
            values.frequency = v;
            break;
        case Quantity::Inductance:
            values.inductance = v;
            break;
        case Quantity::Capacitance:
            values.capacitance = v;
            break;
        }
    }
    const bool l = quantities_[0] == Quantity::Inductance || quantities_[1] == Quantity::Inductance;
    const bool c = quantities_[0] == Quantity::Capacitance || quantities_[1] == Quantity::Capacitance;
    values.topology = l && c ? Topology::SeriesLC : c ? Topology::SeriesRC : Topology::SeriesRL;
    Window* tool = OpenTool(kResponseTool);
    if (!tool) return;
    if (auto* taker = dynamic_cast<TakesResponseValues*>(tool)) taker->TakeValues(values);
    tool->ShowTopic();
}

void TwoValueWindow::EnglishTableur() {
    if (response_) response_->setText(QStringLiteral("Frequency response…"));
    tableur_->clear();
    LoadPictureInto(tableur_, QStringLiteral("interface/tableur_en.bmp"));
}

} // namespace ui

namespace ui {

void TwoValueWindow::DescribeParts() {
    if (!tableur_) return;
    const FormRow* row = FormRowOf(QString::fromLatin1(metaObject()->className()), tableur_->objectName());
    if (row && !row->spoken.isEmpty()) return;
    tableur_->setAccessibleName(Tr(QStringLiteral("Tableur"), QStringLiteral("Table")));
}

} // namespace ui
