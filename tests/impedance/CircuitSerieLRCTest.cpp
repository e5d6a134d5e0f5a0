#include "impedance/CircuitSerieLRC.h"
#include "support/GuiFixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <cmath>

namespace {

class CircuitSerieLRCTest : public WindowTest<TFormSerieRLC> {
  protected:
    QComboBox* Unit() { return Get<QComboBox>("TFormSerieRLC", "ComboBox1"); }
    QString Z() { return Text("TFormSerieRLC", "Label10"); }
    QString Theta() { return Text("TFormSerieRLC", "Label12"); }
    void Equals() { Click(Get<QWidget>("TFormSerieRLC", "Button1")); }
    void Enter(const char* r, const char* xl, const char* xc) {
        EnterLocal({{"Edit1", r}, {"Edit2", xl}, {"Edit3", xc}});
    }
};

TEST_P(CircuitSerieLRCTest, FormAsCreated) {
    EXPECT_STREQ(Form()->metaObject()->className(), "TFormSerieRLC");
    EXPECT_EQ(Form()->windowTitle(), "Impédance en circuit série RLC");
    EXPECT_EQ(Form()->size(), QSize(547, 275));
    ASSERT_EQ(Unit()->count(), 2);
    EXPECT_EQ(Unit()->itemText(0), "Ohms");
    EXPECT_EQ(Unit()->itemText(1), "kOhms");
    EXPECT_EQ(Unit()->currentIndex(), 0);
    for (double field : {Form()->PhaseAngle, Form()->Resistance, Form()->InductiveReactance,
                         Form()->CapacitiveReactance, Form()->Impedance})
        EXPECT_EQ(field, 0.0);
    EXPECT_EQ(Get<QWidget>("TFormSerieRLC", "GroupBox1")->geometry(), QRect(328, 0, 217, 273));
    EXPECT_EQ(Get<QWidget>("TFormSerieRLC", "Label10")->geometry(), QRect(48, 112, 105, 17));
    EXPECT_EQ(Get<QWidget>("TFormSerieRLC", "Image1")->geometry(), QRect(8, 8, 289, 89));
    EXPECT_EQ(Text("TFormSerieRLC", "Label11"), "Ohms");
    EXPECT_EQ(Text("TFormSerieRLC", "Label13"), "Degrés");
}

TEST_P(CircuitSerieLRCTest, ImpedanceAndPhase) {
    const struct {
        const char* r;
        int unit;
        const char* xl;
        const char* xc;
        const char* z;
        const char* theta;
    } cases[] = {
        {"30", 0, "80", "40", "50.0000", "53.1301"},
        {"30", 0, "40", "80", "50.0000", "-53.1301"},   // capacitive: negative angle
        {"1", 1, "250", "250", "1,000.0000", "0.0000"}, // kOhms, resonance
        {"1", 0, "1", "0", "1.4142", "45.0000"},        // the full pi (3.14 would give 45.0253)
        {"1", 0, "1000", "0", "1,000.0005", "89.9427"},
        {"0.5", 1, "0", "1200", "1,300.0000", "-67.3801"},
        {"2.2", 0, "0.7", "0.1", "2.2804", "15.2551"},
    };
    for (const auto& c : cases) {
        Unit()->setCurrentIndex(c.unit);
        Enter(c.r, c.xl, c.xc);
        Equals();
        EXPECT_EQ(Z(), Local(c.z)) << c.r << " " << c.xl << " " << c.xc;
        EXPECT_EQ(Theta(), Local(c.theta)) << c.r << " " << c.xl << " " << c.xc;
        // Fields against an independent computation.
        const long double r = std::stold(c.r) * (c.unit ? 1000.0L : 1.0L);
        const long double x = std::stold(c.xl) - std::stold(c.xc);
        EXPECT_DOUBLE_EQ(Form()->Resistance, static_cast<double>(r));
        EXPECT_DOUBLE_EQ(Form()->InductiveReactance, std::stod(c.xl));
        EXPECT_DOUBLE_EQ(Form()->CapacitiveReactance, std::stod(c.xc));
        EXPECT_DOUBLE_EQ(Form()->Impedance, static_cast<double>(std::hypot(r, x)));
        EXPECT_NEAR(Form()->PhaseAngle, static_cast<double>(std::atan2(x, r) * 180.0L / std::acos(-1.0L)),
                    1e-12);
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(CircuitSerieLRCTest, UnitChangeRecomputesOnlyWithAllBoxes) {
    Enter("1", "250", "250");
    Equals();
    EXPECT_EQ(Z(), Local("1.0000"));
    Pick(Unit(), 1);
    EXPECT_EQ(Z(), Local("1,000.0000"));
    EXPECT_DOUBLE_EQ(Form()->Resistance, 1000.0);
    Pick(Unit(), 0);
    EXPECT_EQ(Z(), Local("1.0000"));
    for (const char* box : {"Edit1", "Edit2", "Edit3"}) {
        const QString text = Edit(box)->text();
        Clear(Edit(box));
        Pick(Unit(), 1);
        EXPECT_EQ(Z(), Local("1.0000")) << box;
        EXPECT_EQ(Theta(), Local("0.0000")) << box;
        Pick(Unit(), 0);
        Edit(box)->setText(text);
    }
    EXPECT_TRUE(Boxes().empty());
    // Blanks count as text, and then fail to convert.
    Edit("Edit2")->setText("  ");
    Pick(Unit(), 1);
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "'  ' n'est pas une valeur en virgule flottante correcte.");
}

TEST_P(CircuitSerieLRCTest, FailuresKeepBothResults) {
    Enter("30", "80", "40");
    Equals();
    const struct {
        const char* r;
        const char* xl;
        const char* xc;
        const char* box;
        double impedance; // stored before the failing step (-1: not reached)
    } cases[] = {
        {"0", "10", "10", "Opération en virgule flottante incorrecte.", 0.0},
        {"0", "10", "4", "Division par zéro en virgule flottante.", 6.0},
        {"0", "4", "10", "Division par zéro en virgule flottante.", 6.0},
        {"7", "", "1", "'' n'est pas une valeur en virgule flottante correcte.", -1},
    };
    for (const auto& c : cases) {
        Form()->Impedance = -1;
        ForgetBoxes();
        Enter(c.r, c.xl, c.xc);
        Equals();
        ASSERT_TRUE(LastBox()) << c.box;
        EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
        EXPECT_EQ(LastBox()->text, c.box);
        EXPECT_EQ(LastBox()->owner, Form());
        EXPECT_EQ(Z(), Local("50.0000"));
        EXPECT_EQ(Theta(), Local("53.1301"));
        EXPECT_EQ(Form()->Impedance, c.impedance) << c.box;
        EXPECT_DOUBLE_EQ(Form()->Resistance, std::stod(c.r));
    }
    const QChar other = GetParam().separators.decimal == '.' ? ',' : '.';
    Edit("Edit1")->setText(QString("1") + other + "5");
    Equals();
    EXPECT_EQ(LastBox()->text,
              QString("'1") + other + "5' n'est pas une valeur en virgule flottante correcte.");
}

TEST_P(CircuitSerieLRCTest, AfterResetEqualsFailsOnTheEmptyBox) {
    Enter("1", "250", "250");
    Equals();
    Click(Get<QWidget>("TFormSerieRLC", "BitBtn1"));
    EXPECT_TRUE(Boxes().empty());
    Equals();
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "'' n'est pas une valeur en virgule flottante correcte.");
    EXPECT_EQ(Z(), "");
}

INSTANTIATE_TEST_SUITE_P(Separators, CircuitSerieLRCTest, BothSeparators(), SeparatorName);

class CircuitSerieLRCLanguage : public GuiTest {};

TEST_F(CircuitSerieLRCLanguage, EnglishTextsKeepTheInputs) {
    Build("*");
    auto* form = static_cast<TFormSerieRLC*>(Window("TFormSerieRLC"));
    Activate(form);
    Get<QComboBox>("TFormSerieRLC", "ComboBox1")->setCurrentIndex(1);
    Type(Get<QWidget>("TFormSerieRLC", "Edit1"), "1");
    Type(Get<QWidget>("TFormSerieRLC", "Edit2"), "250");
    Type(Get<QWidget>("TFormSerieRLC", "Edit3"), "250");
    Click(Get<QWidget>("TFormSerieRLC", "Button1"));
    Activate(Main());
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Impedance in series RCL");
    // The labels' texts are the calculator contract's.
    const std::pair<const char*, const char*> texts[] = {
        {"Label11", "Ohms"},       {"Button1", "="},       {"Edit1", "1"},
        {"Label10", "1,000.0000"}, {"ComboBox1", "kOhms"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(Text("TFormSerieRLC", name), text) << name;
    EXPECT_TRUE(Boxes().empty());
    Snapshot(form, "CircuitSerieLRC-en");
}

TEST_F(CircuitSerieLRCLanguage, FrenchMarkKeepsTheForm) {
    Build("F", core::FrenchSeparators());
    auto* form = Window("TFormSerieRLC");
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Impédance en circuit série RLC");
    EXPECT_EQ(Text("TFormSerieRLC", "Label1"), "Résistance  en Ohms");
    EXPECT_EQ(Text("TFormSerieRLC", "Label13"), "Degrés");
    EXPECT_EQ(Get<QGroupBox>("TFormSerieRLC", "GroupBox1")->title(), "Résultat");
    Type(Get<QWidget>("TFormSerieRLC", "Edit1"), "30");
    Type(Get<QWidget>("TFormSerieRLC", "Edit2"), "40");
    Type(Get<QWidget>("TFormSerieRLC", "Edit3"), "80");
    Click(Get<QWidget>("TFormSerieRLC", "Button1"));
    EXPECT_EQ(Text("TFormSerieRLC", "Label12"), "-53,1301");
    Snapshot(form, "CircuitSerieLRC-fr");
}

} // namespace
