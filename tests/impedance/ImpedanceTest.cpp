#include "support/GuiFixture.h"

#include "impedance/Impedance.h"
#include "impedance/ImpedanceLCserie.h"

#include <QLineEdit>
#include <cmath>

namespace {

// The two series windows: two boxes in ohms, an impedance and an angle.
struct SeriesWindow {
    const char* className;
    const char* topic;
    const char* impedance;
    const char* phase;
};
constexpr SeriesWindow kRLRC{"TFormImpedance", "Label7", "Label7", "Label8"};
constexpr SeriesWindow kLC{"TFormCircuitLCSerie", "Label32", "Label9", "Label11"};

class SeriesImpedanceTest : public SeparatorTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), GetParam().separators); }
    void Compute(const SeriesWindow& w, const char* first, const char* second) {
        for (const auto& [box, text] : {std::pair{"Edit1", first}, std::pair{"Edit2", second}}) {
            Clear(Get<QWidget>(w.className, box));
            Type(Get<QWidget>(w.className, box), Local(text));
        }
        Click(Get<QWidget>(w.className, "Button1"));
    }
};

TEST_P(SeriesImpedanceTest, ImpedanceAndPhase) {
    const struct {
        SeriesWindow window;
        const char* first;
        const char* second;
        const char* z;
        const char* theta;
    } cases[] = {
        {kRLRC, "3", "4", "5.0000", "53.1301"},
        {kRLRC, "0", "10", "10.0000", "90.0000"}, // no resistance: a pure reactance
        {kRLRC, "10", "0", "10.0000", "0.0000"},
        {kRLRC, "0", "0", "0.0000", "0.0000"},
        {kRLRC, "1000", "1000", "1,414.2136", "45.0000"},
        {kRLRC, "2.2", "0.7", "2.3087", "17.6501"},
        {kLC, "100", "40", "60.0000", "90.0000"},
        {kLC, "40", "100", "60.0000", "-90.0000"}, // the capacitor dominates: magnitude, angle -90
        {kLC, "250", "250", "0.0000", "0.0000"},   // "0 degrée lorsque Xl=Xc"
        {kLC, "1500.5", "0", "1,500.5000", "90.0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window.className) + " " + c.first + " " + c.second);
        Compute(c.window, c.first, c.second);
        EXPECT_EQ(Text(c.window.className, c.window.impedance), Local(c.z));
        EXPECT_EQ(Text(c.window.className, c.window.phase), Local(c.theta));
    }
    EXPECT_TRUE(Boxes().empty());
    // The stored values against another route: the hypotenuse and the angle of the triangle.
    auto* rl = static_cast<TFormImpedance*>(Window("TFormImpedance"));
    Compute(kRLRC, "30", "40");
    EXPECT_DOUBLE_EQ(rl->Resistance, 30.0);
    EXPECT_DOUBLE_EQ(rl->Reactance, 40.0);
    EXPECT_DOUBLE_EQ(rl->Impedance, std::hypot(30.0, 40.0));
    EXPECT_NEAR(rl->PhaseAngle, std::acos(0.6) * 180 / std::acos(-1.0), 1e-12);
    auto* lc = static_cast<TFormCircuitLCSerie*>(Window("TFormCircuitLCSerie"));
    Compute(kLC, "20", "70");
    EXPECT_EQ(lc->InductiveReactance, 20.0);
    EXPECT_EQ(lc->CapacitiveReactance, 70.0);
    EXPECT_EQ(lc->Impedance, 50.0);
    EXPECT_EQ(lc->PhaseAngle, -90.0);
}

// Opened from its topic; hiding and showing again keeps what was typed and shown.
TEST_P(SeriesImpedanceTest, TopicOpensAndHidingKeeps) {
    for (const SeriesWindow& w : {kRLRC, kLC}) {
        SCOPED_TRACE(w.className);
        ui::Window* form = Window(w.className);
        Click(Get<QWidget>("TInterface1", w.topic));
        ASSERT_TRUE(form->isVisible());
        Compute(w, "3", "4");
        const QString shown = Text(w.className, w.impedance);
        form->hide();
        Click(Get<QWidget>("TInterface1", w.topic));
        EXPECT_EQ(Text(w.className, "Edit1"), Local("3"));
        EXPECT_EQ(Text(w.className, w.impedance), shown);
        form->hide();
    }
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Separators, SeriesImpedanceTest, BothSeparators(), SeparatorName);

class SeriesImpedanceLanguage : public GuiTest {};

TEST_F(SeriesImpedanceLanguage, TextsAndSnapshots) {
    for (const char* mark : {"F", "*"}) {
        const bool english = BuildIn(mark);
        const struct {
            const char* className;
            const char* french;
            const char* english;
            const char* snapshot;
        } windows[] = {{"TFormImpedance", "Impédance en circuit série RL et RC",
                        "Impedance in series RL and RC", "Impedance"},
                       {"TFormCircuitLCSerie", "L'impédance en circuit série LC", "Impedance in series LC",
                        "ImpedanceLCserie"}};
        for (const auto& w : windows) {
            ui::Window* form = Window(w.className);
            Activate(form);
            EXPECT_EQ(form->windowTitle(), english ? w.english : QString::fromUtf8(w.french));
            Type(Get<QWidget>(w.className, "Edit1"), "30");
            Type(Get<QWidget>(w.className, "Edit2"), "40");
            Click(Get<QWidget>(w.className, "Button1"));
            Snapshot(form, QString::fromLatin1(w.snapshot) + (english ? "-en" : "-fr"));
        }
        EXPECT_EQ(Text("TFormImpedance", "Label9"), english ? "Degree" : "Degrés");
        EXPECT_EQ(Text("TFormCircuitLCSerie", "Label12"), english ? "Degree" : "Degrées");
        EXPECT_EQ(Text("TFormCircuitLCSerie", "Label4"),
                  english ? "Reactance Xl (Ohms)" : "Réactance Xl  (Ohms)");
        EXPECT_EQ(Text("TFormImpedance", "Label8"), english ? "53.1301" : "53,1301");
        EXPECT_TRUE(Boxes().empty());
        delete Main();
    }
}

} // namespace
