// The contract every calculator page keeps, checked once over a table of pages: the key filter,
// a failure keeping results and stored values, Reset keeping the unit lists, lists taking no
// typing, the tab order, the English texts and the print request. A window joins with a row.
#include "printing/ReportRows.h"
#include "support/GuiFixture.h"
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <cmath>
#include <set>

namespace {

struct Page {
    const char* window;
    const char* tab;    // the tab page holding the calculator, or null
    const char* equals; // null: the value is confirmed with Return in the (last) box
    const char* reset;  // null: the page has none
    const char* print;
    const char* report;
    ui::BoxKind failure = ui::BoxKind::Error; // the box a value that cannot convert shows
};

// Results, unit lists and English texts come from the window's form table. The tab order is
// written here, the form's own record, which the table must keep.
struct Calculator {
    Page page;
    std::vector<std::pair<const char*, const char*>> inputs; // box, a valid value in English layout
    std::vector<const char*> tabOrder;
};

const Calculator kCalculators[] = {
    {{"TFormReacCap", nullptr, "Button1", "BitBtn2", "BitBtn1", "TQRReacCap"},
     {{"Edit1", "1"}, {"Edit2", "1"}},
     {"Edit1", "ComboBox1", "Edit2", "ComboBox2", "ComboBox3", "BitBtn2", "Button1", "BitBtn1", "CheckBox1"}},
    {{"TBobineDair", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRIndNoyauAir"},
     {{"EditN", "100"}, {"EditA", "0.04"}, {"Editb", "0.01"}},
     {"EditN", "EditA", "ComboBox1", "Editb", "ComboBox2", "ComboBox3", "CheckBox1", "BitBtn1", "Button1",
      "BitBtn2"}},
    {{"TFormSerieRLC", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRImpSerieRLC"},
     {{"Edit1", "30"}, {"Edit2", "80"}, {"Edit3", "40"}},
     {"Edit1", "ComboBox1", "Edit2", "Edit3", "BitBtn1", "Button1", "BitBtn2"}},
    {{"TFormImpedance", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRImpedance"},
     {{"Edit1", "3"}, {"Edit2", "4"}},
     {"Edit1", "Edit2", "BitBtn1", "Button1", "BitBtn2"}},
    {{"TFormCircuitLCSerie", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRImpSerieLC"},
     {{"Edit1", "100"}, {"Edit2", "40"}},
     {"Edit1", "Edit2", "BitBtn1", "Button1", "BitBtn2"}},
    {{"TFormParaRLRCLC", "TabSheet1", "BitBtn2", "BitBtn1", "BitBtn3", "TQRImpParaRL"},
     {{"Edit1", "100"}, {"Edit2", "100"}},
     {"Edit1", "ComboBox1", "Edit2", "BitBtn1", "BitBtn2", "BitBtn3"}},
    {{"TFormParaRLRCLC", "TabSheet2", "BitBtn5", "BitBtn4", "BitBtn6", "TQRImpParaRC"},
     {{"Edit3", "100"}, {"Edit4", "100"}},
     {"Edit3", "ComboBox2", "Edit4", "BitBtn4", "BitBtn5", "BitBtn6"}},
    {{"TFormParaRLRCLC", "TabSheet3", "BitBtn7", "BitBtn10", "BitBtn8", "TQRImpParaLC"},
     {{"Edit5", "100"}, {"Edit6", "50"}},
     {"Edit5", "Edit6", "BitBtn10", "BitBtn7", "BitBtn8"}},
    {{"TFormResConduc", nullptr, "BitBtnCalcul", nullptr, "BitBtn1", "TQRResCond"},
     {{"Edit1", "10"}},
     {"Edit1", "ComboBox1", "ComboBox2", "BitBtnCalcul", "BitBtn1", "CheckBox1"}},
    // Entry lists: each value joins its tab's list with Return; a failure is the list's message.
    {{"TFormResistor", "TabSheet1", nullptr, "BitBtn2", "BitBtn3", "TQRResSerie", ui::BoxKind::Message},
     {{"Edit1", "4.7"}},
     {"Edit1", "BitBtn3", "CheckBox1", "BitBtn2"}},
    {{"TFormResistor", "TabSheet2", nullptr, "BitBtn1", "BitBtn4", "TQRResPara", ui::BoxKind::Message},
     {{"EditSerie", "4.7"}},
     {"EditSerie", "BitBtn4", "CheckBox2", "BitBtn1"}},
    {{"TCondensateur", "TabSheet1", nullptr, "BitBtn2", "BitBtn3", "TQRCondSerie", ui::BoxKind::Message},
     {{"Edit1", "4.7"}},
     {"Edit1", "BitBtn3", "CheckBox1", "BitBtn2"}},
    {{"TCondensateur", "TabSheet2", nullptr, "BitBtn4", "BitBtn5", "TQRCondPara", ui::BoxKind::Message},
     {{"Edit2", "4.7"}},
     {"Edit2", "BitBtn5", "CheckBox2", "BitBtn4"}},
    {{"TIndSerPara", "TabSheet1", nullptr, "BitBtn2", "BitBtn1", "TQRIndSerie", ui::BoxKind::Message},
     {{"Edit1", "4.7"}},
     {"Edit1", "BitBtn1", "CheckBox1", "BitBtn2"}},
    {{"TIndSerPara", "TabSheet2", nullptr, "BitBtn3", "BitBtn4", "TQRIndPara", ui::BoxKind::Message},
     {{"Edit2", "4.7"}},
     {"Edit2", "BitBtn4", "CheckBox2", "BitBtn3"}},
    {{"TInducPropre", nullptr, "ButtonCalcul", "BitBtn3", "BitBtn4", "TQRBobineCyl"},
     {{"EditN", "100"}, {"EditD", "0.02"}, {"EditI", "0.05"}},
     {"EditN", "EditD", "ComboBox1", "EditI", "ComboBox2", "ComboBox3", "CheckBox1", "BitBtn3",
      "ButtonCalcul", "BitBtn4", "BitBtn1", "BitBtn2"}},
    {{"TIndCoaxial", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRIndCoax"},
     {{"Editl", "10"}, {"EditD", "5"}, {"EditDm", "1"}},
     {"Editl", "EditD", "EditDm", "ComboBox3", "BitBtn1", "Button1", "BitBtn2", "CheckBox1"}},
    {{"TFormReacInd", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRReacInd"},
     {{"Edit1", "1"}, {"Edit2", "10"}},
     {"Edit1", "ComboBox1", "Edit2", "ComboBox2", "ComboBox3", "BitBtn1", "Button1", "BitBtn2"}},
    // The converter: no "=", Reset or report; its conversions and failures are its own cases.
    {{"TFormConvertisseur", nullptr, nullptr, nullptr, nullptr, nullptr},
     {{"Edit1", "1"},
      {"Edit3", "1"},
      {"Edit5", "1"},
      {"Edit7", "1"},
      {"Edit9", "1"},
      {"Edit11", "1"},
      {"Edit13", "1"},
      {"Edit15", "1"},
      {"Edit17", "1"},
      {"Edit19", "1"},
      {"Edit21", "1"},
      {"Edit23", "1"}},
     {"ComboBox2", "ComboBox1", "RadioButton1", "RadioButton2", "CheckBox1", "ListBox1",  "ListBox2",
      "Edit1",     "ListBox3",  "ListBox4",     "Edit3",        "ListBox5",  "ListBox6",  "Edit5",
      "ListBox7",  "ListBox8",  "Edit7",        "ListBox9",     "ListBox10", "Edit9",     "ListBox11",
      "ListBox12", "Edit11",    "ListBox13",    "ListBox14",    "Edit13",    "ListBox15", "Edit15",
      "ListBox16", "Edit17",    "Edit18",       "ListBox17",    "Edit19",    "Edit20",    "ListBox18",
      "Edit21",    "Edit22",    "ListBox19",    "Edit23",       "Edit24"}},
    // Resonance, the LC product and the two time constant tabs.
    {{"TFormResonance", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRResonance"},
     {{"Edit1", "10"}, {"Edit2", "100"}},
     {"Edit1", "Edit2", "ComboBox1", "ComboBox2", "ComboBox3", "Button1", "BitBtn1", "BitBtn2"}},
    {{"TFormIndCapProReso", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRProduitLC"},
     {{"Edit1", "1"}},
     {"Edit1", "ComboBox1", "Button1", "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}},
    {{"TFormConstants", "TabSheet1", "Button1", "BitBtn1", "BitBtn2", "TQRConstanteRL"},
     {{"Edit1", "1"}, {"Edit2", "1"}},
     {"Edit1", "Edit2", "ComboBox1", "ComboBox2", "ComboBox3", "BitBtn1", "Button1", "BitBtn2"}},
    {{"TFormConstants", "TabSheet2", "Button2", "BitBtn3", "BitBtn4", "TQRConstanteRC"},
     {{"Edit3", "1"}, {"Edit4", "1"}},
     {"Edit3", "Edit4", "ComboBox4", "ComboBox5", "ComboBox6", "BitBtn3", "Button2", "BitBtn4"}},
    // The wave window's three calculator tabs.
    {{"TFormOnde", "TabSheet1", "Button1", "BitBtn1", "BitBtn4", "TQRFrequence"},
     {{"Edit1", "1"}},
     {"Edit1", "ComboBox5", "ComboBox1", "BitBtn1", "Button1", "BitBtn4"}},
    {{"TFormOnde", "TabSheet2", "BitBtn2", "BitBtn5", "BitBtn6", "TQRPeriode"},
     {{"Edit2", "1"}},
     {"Edit2", "ComboBox2", "ComboBox3", "BitBtn5", "BitBtn2", "BitBtn6"}},
    {{"TFormOnde", "TabSheet3", "BitBtn7", "BitBtn3", "BitBtn8", "TQRLongueurOnde"},
     {{"Edit3", "1"}},
     {"Edit3", "ComboBox4", "ComboBox6", "BitBtn3", "BitBtn7", "BitBtn8"}},
    // The frequency response tool: it recomputes as values are typed, "=" reports a bad one.
    {{"TFormFrequencyResponse", nullptr, "Button1", "BitBtn1", "BitBtn2", "TQRFrequencyResponse"},
     {{"RBox", "10"}, {"LBox", "1"}, {"CBox", "1"}, {"FromBox", "100"}, {"ToBox", "100000"}},
     {"TopologyList", "RBox", "RUnit", "LBox", "LUnit", "CBox", "CUnit", "FromBox", "FromUnit", "ToBox",
      "ToUnit", "BitBtn1", "Button1", "BitBtn2", "Button2", "PlotView"}},
};

void PrintTo(const Calculator& c, std::ostream* os) {
    *os << c.page.window << (c.page.tab ? "/" : "") << (c.page.tab ? c.page.tab : "");
}

using Case = std::tuple<Calculator, SeparatorCase>;

class CalculatorContract : public GuiTest, public ::testing::WithParamInterface<Case> {
  protected:
    void SetUp() override { Build(QStringLiteral("*"), Separators()); }
    const Calculator& Row() const { return std::get<0>(GetParam()); }
    const core::Separators& Separators() const { return std::get<1>(GetParam()).separators; }
    ui::Window* Form() const { return Window(Row().page.window); }
    template <class W> W* Part(const char* name) const { return Get<W>(Row().page.window, name); }
    void Show() {
        if (Row().page.tab) {
            QWidget* page = Part<QWidget>(Row().page.tab);
            for (QWidget* p = page ? page->parentWidget() : nullptr; p; p = p->parentWidget())
                if (auto* tabs = qobject_cast<QTabWidget*>(p)) tabs->setCurrentWidget(page);
        }
        Activate(Form());
    }
    void EnterValid() {
        std::vector<std::pair<const char*, QString>> boxes;
        for (const auto& [box, value] : Row().inputs)
            boxes.emplace_back(box, InSeparators(value, Separators()));
        Enter(Row().page.window, boxes);
    }
    // "=", or Return in the box where values are confirmed with Return.
    void Confirm() {
        if (Row().page.equals)
            Click(Part<QWidget>(Row().page.equals));
        else
            QTest::keyClick(Part<QWidget>(Row().inputs.back().first), Qt::Key_Return);
    }
    std::vector<QString> Results() const {
        std::vector<QString> texts;
        for (const char* r : ResultNames())
            texts.push_back(Text(Row().page.window, r));
        return texts;
    }

    // The window's form tables, or none.
    std::vector<const ui::FormTable*> Tables() const {
        return ui::FormTablesOf(QString::fromLatin1(Row().page.window));
    }
    // A row of the tables is on the page when its parents lead to the page's tab (any, without one).
    bool OnPage(const char* name) const {
        if (!Row().page.tab) return true;
        for (const ui::FormRow* r =
                 ui::FormRowOf(QString::fromLatin1(Row().page.window), QLatin1String(name));
             r;
             r = r->parent ? ui::FormRowOf(QString::fromLatin1(Row().page.window), QLatin1String(r->parent))
                           : nullptr)
            if (qstrcmp(r->name, Row().page.tab) == 0) return true;
        return false;
    }
    std::vector<const char*> OfKind(ui::PartKind kind) const {
        std::vector<const char*> names;
        for (const ui::FormTable* t : Tables())
            for (const ui::FormRow& r : t->rows)
                if (r.kind == kind && OnPage(r.name)) names.push_back(r.name);
        return names;
    }
    std::vector<const char*> ResultNames() const { return OfKind(ui::PartKind::Result); }
    std::vector<const char*> Lists() const { return OfKind(ui::PartKind::Units); }
    // The page's stretch of the tables' tab order.
    std::vector<const char*> TabOrderNames() const {
        std::vector<const char*> order;
        for (const ui::FormTable* t : Tables())
            for (const char* name : t->tabOrder)
                if (name && OnPage(name)) order.push_back(name);
        return order;
    }
    std::vector<std::pair<const char*, QString>> EnglishTexts() const {
        std::vector<std::pair<const char*, QString>> texts;
        // A text the table gives no English stays French ("Rt=", "2 Digit").
        using K = ui::PartKind;
        for (const ui::FormTable* t : Tables())
            for (const ui::FormRow& r : t->rows)
                if (OnPage(r.name) && !r.english.isNull())
                    texts.emplace_back(r.name, r.english);
                else if (OnPage(r.name) && !r.french.isEmpty() &&
                         (r.kind == K::Label || r.kind == K::Check || r.kind == K::Button ||
                          r.kind == K::Group))
                    texts.emplace_back(r.name, r.french);
        return texts;
    }
};

TEST_P(CalculatorContract, KeyFilterLetsOnlyNumericKeysIn) {
    Show();
    for (const auto& [box, value] : Row().inputs) {
        auto* edit = Part<QLineEdit>(box);
        ASSERT_NE(edit, nullptr) << box;
        Clear(edit);
        Type(edit, "1a,b.2-+xe 3E");
        EXPECT_EQ(edit->text(), "1,.23") << box;
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); // a control code, not a paste
        EXPECT_EQ(edit->text(), "1,.23") << box;
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "1,.2") << box;
    }
}

TEST_P(CalculatorContract, AFailureKeepsResultsAndStoredValues) {
    if (!Row().page.equals) GTEST_SKIP() << "no \"=\" button";
    Show();
    EnterValid();
    Confirm();
    ASSERT_TRUE(Boxes().empty()) << Boxes().front().text.toStdString();
    for (const QString& r : Results())
        EXPECT_FALSE(r.isEmpty());
    const auto stored = ui::StoredValues(Form());
    ASSERT_FALSE(stored.empty());

    // A pasted text passes no key filter: it fails at conversion.
    for (const char* bad : {"x", "1E999", "--1"}) {
        ForgetBoxes();
        Part<QLineEdit>(Row().inputs.front().first)->setText(QString::fromLatin1(bad));
        const std::vector<QString> shown = Results(); // a window may empty its result on typing
        Confirm();
        ASSERT_TRUE(LastBox()) << bad;
        EXPECT_EQ(LastBox()->kind, Row().page.failure);
        EXPECT_EQ(LastBox()->owner, Form());
        EXPECT_EQ(Results(), shown) << bad;
        const auto after = ui::StoredValues(Form());
        ASSERT_EQ(after.size(), stored.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            EXPECT_EQ(after[i].second, stored[i].second) << after[i].first.toStdString() << " after " << bad;
    }
}

TEST_P(CalculatorContract, ResetEmptiesAndZeroesButKeepsTheUnitLists) {
    if (!Row().page.reset) GTEST_SKIP() << "no Reset button";
    Show();
    std::vector<int> chosen;
    const std::vector<const char*> lists = Lists();
    for (const char* name : lists) {
        auto* list = Part<QComboBox>(name);
        ASSERT_NE(list, nullptr) << name;
        list->setCurrentIndex(list->count() - 1);
        chosen.push_back(list->currentIndex());
    }
    EnterValid();
    Confirm();
    Click(Part<QWidget>(Row().page.reset));
    for (const auto& [box, value] : Row().inputs)
        EXPECT_TRUE(Text(Row().page.window, box).isEmpty()) << box;
    for (const char* r : ResultNames())
        EXPECT_TRUE(Text(Row().page.window, r).isEmpty()) << r;
    for (const auto& [name, value] : ui::StoredValues(Form()))
        EXPECT_EQ(value, 0.0) << name.toStdString();
    for (std::size_t i = 0; i < chosen.size(); ++i)
        EXPECT_EQ(Part<QComboBox>(lists[i])->currentIndex(), chosen[i]) << lists[i];
}

TEST_P(CalculatorContract, UnitListsTakeNoTyping) {
    Show();
    for (const char* name : Lists()) {
        auto* list = Part<QComboBox>(name);
        ASSERT_NE(list, nullptr) << name;
        EXPECT_FALSE(list->isEditable()) << name;
        const int before = list->currentIndex();
        QTest::keyClick(list, 'z');
        QTest::keyClick(list, '9');
        EXPECT_EQ(list->currentIndex(), before) << name;
    }
}

TEST_P(CalculatorContract, TabOrder) {
    ExpectTabOrder(Row().page.window, Row().tabOrder);
    ASSERT_FALSE(Tables().empty()) << "built from no form table";
    const std::vector<const char*> table = TabOrderNames();
    EXPECT_EQ(std::vector<std::string>(table.begin(), table.end()),
              std::vector<std::string>(Row().tabOrder.begin(), Row().tabOrder.end()));
}

// At the first activation and again when the user comes back to the window.
TEST_P(CalculatorContract, EnglishTextsOnActivation) {
    for (int activation = 1; activation <= 2; ++activation) {
        if (activation == 2) Activate(Main());
        Show();
        for (const auto& [name, english] : EnglishTexts()) {
            QWidget* w = Part<QWidget>(name);
            ASSERT_NE(w, nullptr) << name;
            QString text;
            auto* tabs =
                w->parentWidget() ? qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()) : nullptr;
            if (auto* group = qobject_cast<QGroupBox*>(w))
                text = group->title();
            else if (auto* note = qobject_cast<QTextEdit*>(w))
                text = note->toPlainText();
            else if (tabs && tabs->indexOf(w) >= 0)
                text = tabs->tabText(tabs->indexOf(w));
            else
                text = Text(Row().page.window, name);
            EXPECT_EQ(text, english) << name << " at activation " << activation;
        }
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(CalculatorContract, PrintPreviewsItsReport) {
    if (!Row().page.print) GTEST_SKIP() << "no report";
    Show();
    EnterValid();
    Confirm();
    Click(Part<QWidget>(Row().page.print));
    ASSERT_EQ(Previews().shown.size(), 1u);
    EXPECT_EQ(Previews().shown[0].owner, Form());
    EXPECT_EQ(Previews().shown[0].doc.reportClass, Row().page.report);
}

// "Copier tout" on a result puts every input and result the page shows on the clipboard, one
// "name = text unit" line each, the texts as shown; Ctrl+C in a box without a selection copies
// the results alone.
TEST_P(CalculatorContract, CopyAllNamesEveryInputAndResult) {
    const std::vector<const char*> results = ResultNames();
    if (results.empty()) GTEST_SKIP() << "no result label";
    Show();
    EnterValid();
    Confirm();
    std::vector<QString> expected; // the texts an input or result line must hold
    for (const auto& [box, value] : Row().inputs)
        if (!Text(Row().page.window, box).isEmpty()) expected.push_back(Text(Row().page.window, box));
    for (QListWidget* list : Form()->findChildren<QListWidget*>())
        if (list->isVisibleTo(Form()) && list->count() > 0 && Row().page.equals == nullptr)
            for (int i = 0; i < list->count(); ++i)
                expected.push_back(list->item(i)->text());
    std::vector<QString> shownResults;
    for (const char* r : results)
        if (!Text(Row().page.window, r).isEmpty()) shownResults.push_back(Text(Row().page.window, r));
    ASSERT_FALSE(shownResults.empty());

    auto* result = Part<QLabel>(results.front());
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->contextMenuPolicy(), Qt::ActionsContextMenu);
    QAction* copyAll = result->findChild<QAction*>(QStringLiteral("CopyAllAction"));
    ASSERT_NE(copyAll, nullptr);
    EXPECT_EQ(copyAll->text(), "Copy all");
    QGuiApplication::clipboard()->clear();
    copyAll->trigger();
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size(), qsizetype(expected.size() + shownResults.size()))
        << lines.join(" | ").toStdString();
    const auto hasLine = [&](const QString& text) {
        for (const QString& l : lines) {
            const qsizetype eq = l.lastIndexOf(QStringLiteral(" = ")); // a legend may hold one too
            if (l == text || (eq > 0 && l.mid(eq + 3).startsWith(text))) return true;
        }
        return false;
    };
    for (const QString& text : expected)
        EXPECT_TRUE(hasLine(text)) << text.toStdString() << " not in " << lines.join(" | ").toStdString();
    for (const QString& text : shownResults)
        EXPECT_TRUE(hasLine(text)) << text.toStdString() << " not in " << lines.join(" | ").toStdString();
    // Every value line is named, never by its component.
    for (const QString& l : lines) {
        const QString name = l.left(l.lastIndexOf(QStringLiteral(" = ")));
        EXPECT_FALSE(name.isEmpty()) << l.toStdString();
        EXPECT_EQ(FindComponent(Form(), name.toLatin1().constData()), nullptr)
            << l.toStdString() << " is named by its component";
    }
    // A window built from its table writes each result's symbol.
    for (const char* r : results)
        if (const ui::FormRow* row = ui::FormRowOf(QString::fromLatin1(Row().page.window), QLatin1String(r));
            row && !row->spokenEnglish.isEmpty() && !Text(Row().page.window, r).isEmpty())
            EXPECT_FALSE(
                lines
                    .filter(QRegularExpression(
                        QStringLiteral("^") +
                        QRegularExpression::escape(row->spokenEnglish + " = " + Text(Row().page.window, r))))
                    .isEmpty())
                << r << " not in " << lines.join(" | ").toStdString();

    auto* box = Part<QLineEdit>(Row().inputs.front().first);
    box->setFocus();
    box->deselect();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().split(QLatin1Char('\n')).size(),
              qsizetype(shownResults.size()));
    for (const QString& text : shownResults)
        EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(text));
}

INSTANTIATE_TEST_SUITE_P(Calculators, CalculatorContract,
                         ::testing::Combine(::testing::ValuesIn(kCalculators), BothSeparators()),
                         [](const auto& info) {
                             const Calculator& c = std::get<0>(info.param);
                             return std::string(c.page.window) +
                                    (c.page.tab ? std::string("_") + c.page.tab : std::string()) + "_" +
                                    std::get<1>(info.param).name;
                         });

// Every component a report row names is part of the window the row prints, and each row, registered
// in its window's unit, names a report of its own.
TEST_F(GuiTest, ReportRowsNameComponentsOfTheirWindow) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    std::set<std::string> reports;
    for (const printing::ReportRow& row : printing::ReportRows()) {
        EXPECT_TRUE(reports.insert(row.report).second) << row.report << " registered twice";
        ui::Window* form = Window(row.window);
        ASSERT_NE(form, nullptr) << row.report;
        std::vector<const char*> names;
        for (const auto& column : row.pictures)
            for (const printing::PictureItem& item : column)
                names.push_back(item.component);
        for (const auto* lines : {&row.inputs, &row.results})
            for (const printing::ValueLine& l : *lines) {
                names.push_back(l.value);
                if (l.unit) names.push_back(l.unit);
            }
        if (row.memo) names.push_back(row.memo);
        for (const char* name : names)
            EXPECT_NE(FindComponent(form, name), nullptr) << row.report << " names " << name;
    }
}

// A failing step stores nothing: after an overflow or an invalid operation the "2 Digit" refresh
// shows the value the label showed, never INF or NAN.
TEST_F(GuiTest, AFailedStepLeavesNoInfOrNanForTheRefresh) {
    Build(QStringLiteral("F"), core::EnglishSeparators());
    const struct {
        const char* window;
        std::vector<std::pair<const char*, QString>> first; // a valid computation
        std::vector<std::pair<const char*, QString>> then;  // the failing one
        const char* equals;
        const char* pick; // a list picked instead of pressing "=" (index 43), or null
        const char* result;
    } cases[] = {
        {"TBobineDair",
         {{"EditN", "100"}, {"EditA", "0.04"}, {"Editb", "0.01"}},
         {{"EditN", QStringLiteral("1") + QString(160, QLatin1Char('0'))}},
         "Button1",
         nullptr,
         "Label8"},
        {"TBobineDair",
         {{"EditN", "100"}, {"EditA", "0.04"}, {"Editb", "0.01"}},
         {{"EditA", "-1"}},
         "Button1",
         nullptr,
         "Label8"},
        // 1E308 metres through the thickest gauge is finite; through the thinnest it overflows.
        {"TFormResConduc", {{"Edit1", "1E308"}}, {}, "BitBtnCalcul", "ComboBox2", "Label6"},
    };
    for (const auto& c : cases) {
        ForgetBoxes();
        if (c.pick) Get<QComboBox>(c.window, c.pick)->setCurrentIndex(0);
        for (const auto& [box, text] : c.first)
            Get<QLineEdit>(c.window, box)->setText(text);
        Click(Get<QWidget>(c.window, c.equals));
        ASSERT_TRUE(Boxes().empty()) << c.window;
        const QString shown = Text(c.window, c.result);
        const auto stored = ui::StoredValues(Window(c.window));
        for (const auto& [box, text] : c.then)
            Get<QLineEdit>(c.window, box)->setText(text); // pasted: no key filter
        if (c.pick)
            Pick(Get<QComboBox>(c.window, c.pick), Get<QComboBox>(c.window, c.pick)->count() - 1);
        else
            Click(Get<QWidget>(c.window, c.equals));
        ASSERT_TRUE(LastBox()) << c.window;
        EXPECT_EQ(Text(c.window, c.result), shown) << c.window;
        for (const auto& [name, value] : ui::StoredValues(Window(c.window)))
            EXPECT_TRUE(std::isfinite(value)) << c.window << " " << name.toStdString();
        Click(Get<QWidget>(c.window, "CheckBox1"));
        const QString refreshed = Text(c.window, c.result);
        EXPECT_FALSE(refreshed.contains("INF") || refreshed.contains("NAN"))
            << c.window << " " << refreshed.toStdString();
        EXPECT_EQ(ui::StoredValues(Window(c.window)).size(), stored.size());
        Click(Get<QWidget>(c.window, "CheckBox1"));
    }
}

// The windows outside the calculator pages keep the same rule: a failing "=" stores nothing.
// Their fields are their double properties, which ui::StoredValues lists with the pages' own.
TEST_F(GuiTest, AFailingEqualsOutsideThePagesStoresNothing) {
    Build(QStringLiteral("F"), core::EnglishSeparators());
    Get<QTabWidget>("TFormCodeRes", "PageControl1")->setCurrentIndex(1); // the value search
    const QString huge = QStringLiteral("1") + QString(400, QLatin1Char('0'));
    const struct {
        const char* window;
        const char* setUp; // clicked first (a formula button), or null
        std::vector<std::pair<const char*, QString>> first, then;
        const char* equals;
        const char* result;
        const char* failure;
    } cases[] = {
        // Memory device, formula 1: 50 V / 2 ohms, then 0 ohms.
        {"TAboutBox",
         "Image7",
         {{"Edit2", "50"}, {"Edit1", "2"}},
         {{"Edit1", "0"}},
         "ButtonCalcul",
         "LabelAnswer",
         "Division par zéro en virgule flottante."},
        // Value search: the value in ohms overflows, or only its hundredths do.
        {"TFormCodeRes",
         nullptr,
         {{"Edit1", "33"}},
         {{"Edit1", huge}},
         "BitBtn2",
         "Label10",
         "Débordement en virgule flottante."},
        {"TFormCodeRes",
         nullptr,
         {{"Edit1", "33"}},
         {{"Edit1", "1E308"}},
         "BitBtn2",
         "Label10",
         "Débordement en virgule flottante."},
    };
    for (const auto& c : cases) {
        ForgetBoxes();
        Activate(Window(c.window));
        if (c.setUp) Click(Get<QWidget>(c.window, c.setUp));
        for (const auto& [box, text] : c.first)
            Get<QLineEdit>(c.window, box)->setText(text);
        Click(Get<QWidget>(c.window, c.equals));
        ASSERT_TRUE(Boxes().empty()) << c.window;
        const QString shown = Text(c.window, c.result);
        const auto stored = ui::StoredValues(Window(c.window));
        ASSERT_FALSE(stored.empty()) << c.window;
        for (const auto& [box, text] : c.then)
            Get<QLineEdit>(c.window, box)->setText(text); // pasted: no key filter
        Click(Get<QWidget>(c.window, c.equals));
        ASSERT_TRUE(LastBox()) << c.window;
        EXPECT_EQ(LastBox()->text, c.failure) << c.window;
        EXPECT_EQ(Text(c.window, c.result), shown) << c.window;
        Snapshot(Window(c.window), QStringLiteral("%1-after-failure").arg(QLatin1String(c.window)));
        EXPECT_EQ(ui::StoredValues(Window(c.window)), stored)
            << c.window << " after " << c.then.front().second.left(8).toStdString();
        Window(c.window)->hide();
    }
}

} // namespace
