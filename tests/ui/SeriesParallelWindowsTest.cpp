// The three series and parallel windows: topics open them on their tab, texts in both
// languages, the resistors' conductance, and a snapshot of every tab.
#include "support/GuiFixture.h"

#include "resistance/Resistor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace {

class SeriesParallelWindowsTest : public GuiTest {
  protected:
    QTabWidget* Pages(const char* window) { return Get<QTabWidget>(window, "PageControl1"); }
    // A component's text, notes and group titles included.
    QString Shown(const char* window, const char* component) {
        QWidget* w = Get<QWidget>(window, component);
        if (auto* note = qobject_cast<QTextEdit*>(w)) return note->toPlainText();
        if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
        return Text(window, component);
    }
    void Enter(const char* window, const char* box, const QString& text) {
        Type(Get<QWidget>(window, box), text);
        QTest::keyClick(Get<QWidget>(window, box), Qt::Key_Return);
    }
};

TEST_F(SeriesParallelWindowsTest, TopicsOpenTheirTab) {
    Build(QStringLiteral("*"));
    const struct {
        const char* topic;
        const char* window;
        const char* tab;
    } topics[] = {
        {"Label9", "TFormResistor", "TabSheet1"},  {"Label16", "TFormResistor", "TabSheet2"},
        {"Label35", "TFormResistor", "TabSheet3"}, {"Label11", "TCondensateur", "TabSheet1"},
        {"Label36", "TCondensateur", "TabSheet2"}, {"Label12", "TCondensateur", "TabSheet3"},
        {"Label37", "TCondensateur", "TabSheet4"}, {"Label25", "TIndSerPara", "TabSheet1"},
        {"Label41", "TIndSerPara", "TabSheet2"},
    };
    for (const auto& t : topics) {
        Activate(Main()); // English tab texts are in place from the second round on
        Click(Get<QWidget>("TInterface1", t.topic));
        EXPECT_TRUE(Window(t.window)->isVisible()) << t.topic;
        EXPECT_EQ(Pages(t.window)->currentWidget()->objectName(), t.tab) << t.topic;
        Activate(Window(t.window));
        Window(t.window)->hide();
    }
}

TEST_F(SeriesParallelWindowsTest, TextsInBothLanguages) {
    // The calculator contract checks the English texts of the groups and result names.
    const struct {
        const char* window;
        const char* french;
        const char* english;
        std::vector<std::pair<const char*, const char*>> frenchTexts, englishTexts;
    } windows[] = {
        {"TCondensateur",
         "Condensateur Série et Parallèle",
         "Capacitors in series & parallel",
         {{"RichEdit2",
           "En configuration série Ct est toujours\ninférieur a la plus faible valeur\ndu circuit.\n "},
          {"RichEdit1", "En configuration parallèle Ct est égale\na tous les condensateurs additionnés.\n "},
          {"GroupBox1", "Résultat"},
          {"Label6", "Ct="}},
         {{"RichEdit1", "In parallel configuration *Ct* is equal to all addition capacitor."},
          {"RichEdit2", "In series configuration *Ct* is always lower to the small value of circuit."},
          {"CheckBox2", "2 Digit"}}},
        {"TIndSerPara",
         "INDUCTANCE série et parallèle ",
         "Inductance in SERIES & PARALLEL",
         {{"RichEdit1", "En configuration série Lt est égale\na tous les inducteurs additionnés."},
          {"RichEdit2",
           "En configuration parallèle Lt est\ntoujours inférieur a la plus faible\nvaleur du circuit."},
          {"GroupBox2", "Résultat"}},
         {{"RichEdit1", "In series configuration *Lt* is equal to all addition inductors."},
          {"RichEdit2", "In parallel configuration *Lt* is always lower to the small value of circuit."},
          {"CheckBox1", "2 Digit"}}},
        {"TFormResistor",
         "RESISTANCE série et parallèle",
         "Resistance in series & parallel",
         {{"StaticText1", "En configuration SÉRIE les résistances sont additionnées."},
          {"StaticText2",
           "En configuration PARALLÈLE la résistance Totale est toujours inférieur a la plus "
           "faible des résistances.  L'inverse de la résistance s'appelle CONDUCTANCE (G) sont "
           "unité est le siemens (1 siemens = 1/ohm)."},
          {"GroupBox1", "Résultat"},
          {"Label1", "G="}},
         {{"StaticText2", "In parallel configuration *Rt* is always lower to the small values of circuit. "
                          "Conductance (G) is the ability of a circuit to conduct electricity (G = 1/R)."}}},
    };
    const std::vector<std::pair<const char*, std::vector<const char*>>> tabs[] = {
        {{"F", {"Série", "Parallèle", "Type de condensateur", "Autres formules"}},
         {"*", {"Series", "Parallel", "Type", "Other formulas"}}},
        {{"F", {"Inductance en série", "Inductance en parallèle"}},
         {"*", {"Inductance in series", "Inductance in parallel"}}},
        {{"F", {"Série", "Parallèle", "Autres formules"}}, {"*", {"Series", "Parallel", "Other formulas"}}},
    };
    for (const char* mark : {"F", "*"}) {
        const bool english = BuildIn(mark);
        for (std::size_t i = 0; i < std::size(windows); ++i) {
            const auto& w = windows[i];
            SCOPED_TRACE(std::string(w.window) + " " + mark);
            ui::Window* form = Window(w.window);
            Activate(form);
            Activate(Main());
            Activate(form); // a second activation changes nothing more
            EXPECT_EQ(form->windowTitle(), QString::fromUtf8(english ? w.english : w.french));
            for (const auto& [component, text] : english ? w.englishTexts : w.frenchTexts) {
                const QString shown = Shown(w.window, component);
                EXPECT_EQ(shown, QString::fromUtf8(text)) << component;
            }
            const auto& captions = tabs[i][english ? 1 : 0].second;
            ASSERT_EQ(Pages(w.window)->count(), int(captions.size()));
            for (int k = 0; k < Pages(w.window)->count(); ++k) {
                EXPECT_EQ(Pages(w.window)->tabText(k), QString::fromUtf8(captions[k]));
                Pages(w.window)->setCurrentIndex(k);
                Snapshot(form,
                         QStringLiteral("%1-%2-%3").arg(w.window).arg(k + 1).arg(english ? "en" : "fr"));
            }
        }
        delete Main();
    }
}

TEST_F(SeriesParallelWindowsTest, ResistorsInParallelShowTheirConductance) {
    for (const auto& separators : {core::FrenchSeparators(), core::EnglishSeparators()}) {
        Build(QStringLiteral("F"), separators);
        auto* form = static_cast<TFormResistor*>(Window("TFormResistor"));
        Pages("TFormResistor")->setCurrentIndex(1);
        Activate(form);
        const struct {
            const char* value;
            const char *rt, *g, *rt2, *g2; // as entered, then with "2 Digit"
        } steps[] = {
            {"3", "3", "0.3333333333", "3.00", "0.33"},
            {"6", "2", "0.5", "2.00", "0.50"},
            {"0", "2", "0.5", "2.00", "0.50"}, // rejected
            {"0.4", "0.3333333333", "3", "0.33", "3.00"},
        };
        for (const auto& s : steps) {
            SCOPED_TRACE(s.value);
            Get<QLineEdit>("TFormResistor", "EditSerie")->clear();
            Enter("TFormResistor", "EditSerie", InSeparators(s.value, separators));
            EXPECT_EQ(Text("TFormResistor", "Label3"), InSeparators(s.rt, separators));
            EXPECT_EQ(Text("TFormResistor", "Label4"), InSeparators(s.g, separators));
            Click(Get<QWidget>("TFormResistor", "CheckBox2"));
            EXPECT_EQ(Text("TFormResistor", "Label3"), InSeparators(s.rt2, separators));
            EXPECT_EQ(Text("TFormResistor", "Label4"), InSeparators(s.g2, separators));
            Click(Get<QWidget>("TFormResistor", "CheckBox2"));
        }
        EXPECT_DOUBLE_EQ(form->Conductance, 3.0);
        EXPECT_DOUBLE_EQ(form->ParallelInverseSum, 3.0);
        Click(Get<QWidget>("TFormResistor", "BitBtn1"));
        EXPECT_EQ(Text("TFormResistor", "Label4"), "");
        EXPECT_EQ(form->Conductance, 0.0);
        delete Main();
    }
}

// What the pictures do not show: which notes take typing, and that the notes and the tabs are
// left to the mouse.
TEST_F(SeriesParallelWindowsTest, NotesAndTabsKeepTheirStates) {
    Build(QStringLiteral("F"));
    const struct {
        const char* window;
        const char* note;
        bool readOnly, enabled;
    } notes[] = {
        {"TCondensateur", "RichEdit2", false, true},
        {"TCondensateur", "RichEdit1", true, true},
        {"TIndSerPara", "RichEdit1", false, false},
        {"TIndSerPara", "RichEdit2", false, false},
    };
    for (const auto& n : notes) {
        SCOPED_TRACE(std::string(n.window) + " " + n.note);
        auto* note = Get<QTextEdit>(n.window, n.note);
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->isReadOnly(), n.readOnly);
        EXPECT_EQ(note->isEnabled(), n.enabled);
        EXPECT_EQ(note->focusPolicy(), Qt::ClickFocus);
    }
    for (const char* window : {"TFormResistor", "TCondensateur", "TIndSerPara"})
        EXPECT_EQ(Pages(window)->tabBar()->focusPolicy(), Qt::NoFocus) << window;
    delete Main();
}

} // namespace
