// The contract every calculator page keeps, checked once over a table of pages: the key filter,
// a failure keeping results and stored values, Reset keeping the unit lists, lists taking no
// typing, the tab order, the English texts and the print request. A window joins with a row.
#include "printing/ReportRows.h"
#include "support/GuiFixture.h"
#include "ui/CalculatorPage.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <cmath>

namespace {

struct Calculator {
    const char* window;
    const char* tab; // the tab page holding the calculator, or null
    std::vector<std::pair<const char*, const char*>> inputs; // box, a valid value in English layout
    const char* equals;
    std::vector<const char*> results;
    const char* reset; // null: the page has none
    std::vector<const char*> lists;
    std::vector<const char*> tabOrder;
    std::vector<std::pair<const char*, const char*>> english;
    const char* print;
    const char* report;
};

const Calculator kCalculators[] = {
    {"TFormReacCap",
     nullptr,
     {{"Edit1", "1"}, {"Edit2", "1"}},
     "Button1",
     {"Label6"},
     "BitBtn2",
     {"ComboBox1", "ComboBox2", "ComboBox3"},
     {"Edit1", "ComboBox1", "Edit2", "ComboBox2", "ComboBox3", "BitBtn2", "Button1", "BitBtn1", "CheckBox1"},
     {{"Label2", "Frequency"},
      {"Label1", "Capacitance"},
      {"Label3", "Reactance"},
      {"Label4", "Frequency"},
      {"Label5", "Capacitance"},
      {"GroupBox1", "Calculator"}},
     "BitBtn1",
     "TQRReacCap"},
    {"TBobineDair",
     nullptr,
     {{"EditN", "100"}, {"EditA", "0.04"}, {"Editb", "0.01"}},
     "Button1",
     {"Label8"},
     "BitBtn1",
     {"ComboBox1", "ComboBox2", "ComboBox3"},
     {"EditN", "EditA", "ComboBox1", "Editb", "ComboBox2", "ComboBox3", "CheckBox1", "BitBtn1", "Button1", "BitBtn2"},
     {{"Label1", "Number of turns"},
      {"Label2", "Exterior diameter"},
      {"Label4", "Interior diameter"},
      {"Label5", "Inductance"},
      {"Label6", "Number of turns (N)"},
      {"Label3", "Exterior diameter (a)"},
      {"Label7", "Interior diameter (b)"}},
     "BitBtn2",
     "TQRIndNoyauAir"},
    {"TFormSerieRLC",
     nullptr,
     {{"Edit1", "30"}, {"Edit2", "80"}, {"Edit3", "40"}},
     "Button1",
     {"Label10", "Label12"},
     "BitBtn1",
     {"ComboBox1"},
     {"Edit1", "ComboBox1", "Edit2", "Edit3", "BitBtn1", "Button1", "BitBtn2"},
     {{"Label1", "Resistance"},
      {"Label2", "Inductive reactance"},
      {"Label3", "Capacitice reactance"},
      {"Label4", "Impedance"},
      {"Label5", "Resistance"},
      {"Label6", "Reactance Xl (Ohms)"},
      {"Label7", "Reactance Xc (Ohms)"},
      {"Label13", "Degree"},
      {"GroupBox1", "Calculator"}},
     "BitBtn2",
     "TQRImpSerieRLC"},
    {"TFormResConduc",
     nullptr,
     {{"Edit1", "10"}},
     "BitBtnCalcul",
     {"Label6"},
     nullptr,
     {"ComboBox1", "ComboBox2"},
     {"Edit1", "ComboBox1", "ComboBox2", "BitBtnCalcul", "BitBtn1", "CheckBox1"},
     {{"Label20", "Resistivities of conductors"},
      {"Label21", "Conductor diameter"},
      {"Label2", "Conductor type"},
      {"Label3", "Cable section number"},
      {"Label8", "Length in metre"},
      {"Label11", "Resistance in OHMS"},
      {"GroupBox1", "Values"}},
     "BitBtn1",
     "TQRResCond"},
    // Resonance, the LC product and the two time constant tabs.
    {"TFormResonance",
     nullptr,
     {{"Edit1", "10"}, {"Edit2", "100"}},
     "Button1",
     {"Label4"},
     "BitBtn1",
     {"ComboBox1", "ComboBox2", "ComboBox3"},
     {"Edit1", "Edit2", "ComboBox1", "ComboBox2", "ComboBox3", "Button1", "BitBtn1", "BitBtn2"},
     {{"Label1", "Inductance"},
      {"Label2", "Capacitance"},
      {"Label3", "Frequency"},
      {"Label6", "Inductance"},
      {"Label5", "Capacitance"}},
     "BitBtn2",
     "TQRResonance"},
    {"TFormIndCapProReso",
     nullptr,
     {{"Edit1", "1"}},
     "Button1",
     {"Label3"},
     "BitBtn1",
     {"ComboBox1"},
     {"Edit1", "ComboBox1", "Button1", "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"},
     {{"Label1", "Frequency"}, {"BitBtn3", "Table page 1"}, {"BitBtn4", "Table page 2"}},
     "BitBtn2",
     "TQRProduitLC"},
    {"TFormConstants",
     "TabSheet1",
     {{"Edit1", "1"}, {"Edit2", "1"}},
     "Button1",
     {"Label6"},
     "BitBtn1",
     {"ComboBox1", "ComboBox2", "ComboBox3"},
     {"Edit1", "Edit2", "ComboBox1", "ComboBox2", "ComboBox3", "BitBtn1", "Button1", "BitBtn2"},
     {{"Label1", "Inductance "},
      {"Label2", "Resistance"},
      {"Label3", "Time "},
      {"Label4", "Inductance (L)"},
      {"Label5", "Resistance (R)"}},
     "BitBtn2",
     "TQRConstanteRL"},
    {"TFormConstants",
     "TabSheet2",
     {{"Edit3", "1"}, {"Edit4", "1"}},
     "Button2",
     {"Label16"},
     "BitBtn3",
     {"ComboBox4", "ComboBox5", "ComboBox6"},
     {"Edit3", "Edit4", "ComboBox4", "ComboBox5", "ComboBox6", "BitBtn3", "Button2", "BitBtn4"},
     {{"Label9", "Capacitance "},
      {"Label10", "Resistance"},
      {"Label11", "Time "},
      {"Label14", "Capacitance (C)"},
      {"Label15", "Resistance (R)"}},
     "BitBtn4",
     "TQRConstanteRC"},
};

void PrintTo(const Calculator& c, std::ostream* os) {
    *os << c.window << (c.tab ? "/" : "") << (c.tab ? c.tab : "");
}

using Case = std::tuple<Calculator, SeparatorCase>;

class CalculatorContract : public GuiTest, public ::testing::WithParamInterface<Case> {
  protected:
    void SetUp() override { Build(QStringLiteral("*"), Separators()); }
    const Calculator& Row() const { return std::get<0>(GetParam()); }
    const core::Separators& Separators() const { return std::get<1>(GetParam()).separators; }
    ui::Window* Form() const { return Window(Row().window); }
    template <class W> W* Part(const char* name) const { return Get<W>(Row().window, name); }
    void Show() {
        if (Row().tab) {
            QWidget* page = Part<QWidget>(Row().tab);
            for (QWidget* p = page ? page->parentWidget() : nullptr; p; p = p->parentWidget())
                if (auto* tabs = qobject_cast<QTabWidget*>(p)) tabs->setCurrentWidget(page);
        }
        Activate(Form());
    }
    void EnterValid() {
        std::vector<std::pair<const char*, QString>> boxes;
        for (const auto& [box, value] : Row().inputs)
            boxes.emplace_back(box, InSeparators(value, Separators()));
        Enter(Row().window, boxes);
    }
    std::vector<QString> Results() const {
        std::vector<QString> texts;
        for (const char* r : Row().results)
            texts.push_back(Text(Row().window, r));
        return texts;
    }
};

TEST_P(CalculatorContract, KeyFilterLetsOnlyNumericKeysIn) {
    Show();
    for (const auto& [box, value] : Row().inputs) {
        auto* edit = Part<QLineEdit>(box);
        ASSERT_NE(edit, nullptr) << box;
        Clear(edit);
        Type(edit, "1a,b.2-+x 3E");
        EXPECT_EQ(edit->text(), "1,.23") << box;
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); // a control code, not a paste
        EXPECT_EQ(edit->text(), "1,.23") << box;
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "1,.2") << box;
    }
}

TEST_P(CalculatorContract, AFailureKeepsResultsAndStoredValues) {
    Show();
    EnterValid();
    Click(Part<QWidget>(Row().equals));
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
        Click(Part<QWidget>(Row().equals));
        ASSERT_TRUE(LastBox()) << bad;
        EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
        EXPECT_EQ(LastBox()->owner, Form());
        EXPECT_EQ(Results(), shown) << bad;
        const auto after = ui::StoredValues(Form());
        ASSERT_EQ(after.size(), stored.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            EXPECT_EQ(after[i].second, stored[i].second) << after[i].first.toStdString() << " after " << bad;
    }
}

TEST_P(CalculatorContract, ResetEmptiesAndZeroesButKeepsTheUnitLists) {
    if (!Row().reset) GTEST_SKIP() << "no Reset button";
    Show();
    std::vector<int> chosen;
    for (const char* name : Row().lists) {
        auto* list = Part<QComboBox>(name);
        ASSERT_NE(list, nullptr) << name;
        list->setCurrentIndex(list->count() - 1);
        chosen.push_back(list->currentIndex());
    }
    EnterValid();
    Click(Part<QWidget>(Row().equals));
    Click(Part<QWidget>(Row().reset));
    for (const auto& [box, value] : Row().inputs)
        EXPECT_TRUE(Text(Row().window, box).isEmpty()) << box;
    for (const char* r : Row().results)
        EXPECT_TRUE(Text(Row().window, r).isEmpty()) << r;
    for (const auto& [name, value] : ui::StoredValues(Form()))
        EXPECT_EQ(value, 0.0) << name.toStdString();
    for (std::size_t i = 0; i < chosen.size(); ++i)
        EXPECT_EQ(Part<QComboBox>(Row().lists[i])->currentIndex(), chosen[i]) << Row().lists[i];
}

TEST_P(CalculatorContract, UnitListsTakeNoTyping) {
    Show();
    for (const char* name : Row().lists) {
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
    ExpectTabOrder(Row().window, Row().tabOrder);
}

TEST_P(CalculatorContract, EnglishTextsOnActivation) {
    Show();
    for (const auto& [name, english] : Row().english) {
        QWidget* w = Part<QWidget>(name);
        ASSERT_NE(w, nullptr) << name;
        QString text;
        if (auto* group = qobject_cast<QGroupBox*>(w))
            text = group->title();
        else
            text = Text(Row().window, name);
        EXPECT_EQ(text, QString::fromUtf8(english)) << name;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(CalculatorContract, PrintPreviewsItsReport) {
    Show();
    EnterValid();
    Click(Part<QWidget>(Row().equals));
    Click(Part<QWidget>(Row().print));
    ASSERT_EQ(Previews().shown.size(), 1u);
    EXPECT_EQ(Previews().shown[0].owner, Form());
    EXPECT_EQ(Previews().shown[0].doc.reportClass, Row().report);
}

INSTANTIATE_TEST_SUITE_P(Calculators, CalculatorContract,
                         ::testing::Combine(::testing::ValuesIn(kCalculators), BothSeparators()),
                         [](const auto& info) {
                             const Calculator& row = std::get<0>(info.param);
                             return std::string(row.window) + (row.tab ? "_" : "") +
                                    (row.tab ? row.tab : "") + "_" + std::get<1>(info.param).name;
                         });

// Every component a report row names is part of the window the row prints.
TEST_F(GuiTest, ReportRowsNameComponentsOfTheirWindow) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    for (const printing::ReportRow& row : printing::ReportRows()) {
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

} // namespace
