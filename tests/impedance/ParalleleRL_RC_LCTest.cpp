#include "support/GuiFixture.h"

#include "impedance/ParalleleRL_RC_LC.h"

#include <QComboBox>
#include <QTabWidget>
#include <cmath>

namespace {

const char* const kForm = "TFormParaRLRCLC";

// One tab: its boxes, unit list, "=", Reset and results.
struct Tab {
    const char* first;
    const char* second;
    const char* unit; // none on LC
    const char* equals;
    const char* reset;
    const char* impedance;
    const char* phase; // none on LC
};
constexpr Tab kRL{"Edit1", "Edit2", "ComboBox1", "BitBtn2", "BitBtn1", "Label6", "Label10"};
constexpr Tab kRC{"Edit3", "Edit4", "ComboBox2", "BitBtn5", "BitBtn4", "Label15", "Label17"};
constexpr Tab kLC{"Edit5", "Edit6", nullptr, "BitBtn7", "BitBtn10", "Label28", nullptr};

class ParallelTest : public WindowTest<TFormParaRLRCLC> {
  protected:
    QString T(const char* name) { return name ? Text(kForm, name) : QString(); }
    void Enter(const char* box, const char* text) { EnterLocal({{box, text}}); }
    void Compute(const Tab& tab, const char* first, const char* second, int unit = 0) {
        if (tab.unit) List(tab.unit)->setCurrentIndex(unit);
        EnterLocal({{tab.first, first}, {tab.second, second}});
        Click(Get<QWidget>(kForm, tab.equals));
    }
};

TEST_P(ParallelTest, ImpedanceAndPhase) {
    const struct {
        Tab tab;
        const char* first;
        int unit;
        const char* second;
        const char* z;
        const char* theta;
    } cases[] = {
        {kRL, "100", 0, "100", "70.7107", "45.0000"},
        {kRL, "2", 1, "50", "49.9844", "88.5679"}, // "KOhms" is x 1000
        {kRL, "5", 0, "0", "0.0000", "90.0000"},   // XL = 0 shorts the pair
        {kRL, "0", 0, "5", "0.0000", "0.0000"},
        {kRC, "100", 0, "100", "70.7107", "-45.0000"},
        {kRC, "1", 1, "300", "287.3479", "-73.3008"},
        {kLC, "100", 0, "50", "100.0000", nullptr}, // signed as the formula reads
        {kLC, "50", 0, "100", "-100.0000", nullptr},
        {kLC, "3000", 0, "1000", "1,500.0000", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tab.equals) + " " + c.first + " " + c.second);
        Compute(c.tab, c.first, c.second, c.unit);
        EXPECT_EQ(T(c.tab.impedance), Local(c.z));
        if (c.theta) {
            EXPECT_EQ(T(c.tab.phase), Local(c.theta));
        }
    }
    EXPECT_TRUE(Boxes().empty());
    // The stored values against the admittances: 1/Z = sqrt(1/R^2 + 1/X^2).
    Compute(kRL, "0.3", "400", 1);
    EXPECT_DOUBLE_EQ(Form()->ResistanceRL, 300.0);
    EXPECT_DOUBLE_EQ(Form()->ImpedanceRL, 1 / std::sqrt(1 / 9e4 + 1 / 16e4));
    EXPECT_NEAR(Form()->PhaseAngleRL, std::atan2(3.0, 4.0) * 180 / std::acos(-1.0), 1e-12);
    Compute(kLC, "60", "20");
    EXPECT_DOUBLE_EQ(Form()->ImpedanceLC, 1 / (1 / 20.0 - 1 / 60.0));
    EXPECT_EQ(Form()->PhaseAngleLC, -90.0);
}

// XL = XC on the LC tab: the pair is unbounded; the failure shows and the result stays.
TEST_P(ParallelTest, UndefinedImpedanceKeepsTheResult) {
    Compute(kLC, "100", "50");
    Compute(kRL, "100", "100");
    const struct {
        Tab tab;
        const char* first;
        const char* second;
        const char* box;
        const char* kept;
    } cases[] = {
        {kLC, "75", "75", "Division par zéro en virgule flottante.", "100.0000"},
        {kLC, "0", "0", "Opération en virgule flottante incorrecte.", "100.0000"},
        {kRL, "0", "0", "Opération en virgule flottante incorrecte.", "70.7107"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        ForgetBoxes();
        Compute(c.tab, c.first, c.second);
        ASSERT_TRUE(LastBox());
        EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
        EXPECT_EQ(LastBox()->text, QString::fromUtf8(c.box));
        EXPECT_EQ(T(c.tab.impedance), Local(c.kept));
    }
    EXPECT_EQ(Form()->ImpedanceLC, 100.0);
    EXPECT_EQ(Form()->PhaseAngleLC, -90.0);
}

TEST_P(ParallelTest, TabsKeepToThemselves) {
    Compute(kRL, "100", "100");
    Compute(kRC, "100", "100");
    Compute(kLC, "100", "50");
    // A unit change with a box empty changes nothing.
    Clear(Get<QWidget>(kForm, "Edit2"));
    Pick(Get<QComboBox>(kForm, "ComboBox1"), 1);
    EXPECT_EQ(T("Label6"), Local("70.7107"));
    EXPECT_EQ(Form()->ResistanceRL, 100.0);
    // With both boxes it recomputes at once.
    Enter("Edit3", "1");
    Pick(Get<QComboBox>(kForm, "ComboBox2"), 1);
    EXPECT_EQ(T("Label15"), Local("99.5037"));
    // One tab's Reset leaves the other two as they were (what it empties is the contract's).
    Click(Get<QWidget>(kForm, kRC.reset));
    EXPECT_EQ(T("Label6"), Local("70.7107"));
    EXPECT_EQ(T("Label28"), Local("100.0000"));
    EXPECT_EQ(Form()->ImpedanceLC, 100.0);
    Click(Get<QWidget>(kForm, kLC.reset));
    EXPECT_EQ(T("Edit5") + T("Edit6") + T("Label28"), "");
    EXPECT_EQ(Form()->PhaseAngleLC, 0.0);
    EXPECT_EQ(T("Edit1"), Local("100"));
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Separators, ParallelTest, BothSeparators(), SeparatorName);

class ParallelTopics : public GuiTest {};

// Each topic opens the window on its own tab; what another tab holds stays.
TEST_F(ParallelTopics, EachTopicSelectsItsTab) {
    for (const char* mark : {"F", "*"}) {
        const bool english = BuildIn(mark);
        auto* pages = Get<QTabWidget>(kForm, "PageControl1");
        Type(Get<QWidget>(kForm, "Edit1"), "100");
        Type(Get<QWidget>(kForm, "Edit2"), "100");
        Click(Get<QWidget>(kForm, "BitBtn2"));
        const struct {
            const char* topic;
            const char* tab;
        } topics[] = {{"Label38", "TabSheet2"},
                      {"Label39", "TabSheet3"},
                      {"Label33", "TabSheet1"},
                      {"Label39", "TabSheet3"}};
        for (const auto& t : topics) {
            SCOPED_TRACE(t.topic);
            Click(Get<QWidget>("TInterface1", t.topic));
            EXPECT_TRUE(Window(kForm)->isVisible());
            EXPECT_EQ(pages->currentWidget()->objectName(), t.tab);
            Activate(Window(kForm));
            Snapshot(Window(kForm),
                     QStringLiteral("ParalleleRL_RC_LC-%1-%2").arg(t.tab, english ? "en" : "fr"));
        }
        EXPECT_EQ(Text(kForm, "Label6"), english ? "70.7107" : "70,7107");
        EXPECT_EQ(Window(kForm)->windowTitle(),
                  english ? QString("Impedance in parallel RC")
                          : QString::fromUtf8("Impédance en circuit parallèle RL - RC - LC"));
        EXPECT_EQ(Text(kForm, "Label33"), english ? "0 Degree if  Xl = Xc" : "0 degrée lorsque Xl=Xc");
        EXPECT_EQ(Text(kForm, "Label25"), english ? "Reactance Xl(Ohms)" : "Réactance Xl (Ohms)");
        EXPECT_EQ(pages->tabText(1), "RC");
        EXPECT_TRUE(Boxes().empty());
        delete Main();
    }
}

} // namespace
