#include "support/GuiFixture.h"

#include "inductance/InducCoaxial.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

class InducCoaxialTest : public WindowTest<TIndCoaxial> {
  protected:
    QComboBox* Unit() { return Get<QComboBox>("TIndCoaxial", "ComboBox3"); }
    QString Result() { return Text("TIndCoaxial", "Label5"); }
    void Equals() { Click(Get<QWidget>("TIndCoaxial", "Button1")); }
    void Enter(const char* l, const char* outer, const char* inner) {
        EnterLocal({{"Editl", l}, {"EditD", outer}, {"EditDm", inner}});
    }
};

// By hand: 0.46 x l x log10(1.28 D / d); log10(6.4) = 6 log10(2) - 1 = 0.8061799740.
TEST_P(InducCoaxialTest, Inductances) {
    const struct {
        const char* l;
        const char* outer;
        const char* inner;
        int out;
        const char* shown;
    } cases[] = {
        {"10", "5", "1", 0, "3.70842788"},       {"10", "5", "1", 1, "0.00370842788"},
        {"10", "5", "1", 2, "3.70842788E-6"},    {"10", "50", "10", 0, "3.70842788"}, // only D / d counts
        {"1", "10", "1.28", 0, "0.46"},                                               // log10 of 10
        {"100", "3.5", "0.9", 0, "32.06363321"}, {"0", "5", "1", 0, "0"},
    };
    for (const auto& c : cases) {
        Enter(c.l, c.outer, c.inner);
        Unit()->setCurrentIndex(c.out);
        Equals();
        EXPECT_EQ(Result(), Local(c.shown)) << c.l << " " << c.outer << " " << c.inner;
    }
    EXPECT_DOUBLE_EQ(Form()->Length, 0);
    EXPECT_DOUBLE_EQ(Form()->OuterDiameter, 5);
    EXPECT_DOUBLE_EQ(Form()->InnerDiameter, 1);
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(InducCoaxialTest, TwoDigitAndTheOutputUnit) {
    Enter("10", "5", "1");
    Equals();
    Click(Get<QCheckBox>("TIndCoaxial", "CheckBox1"));
    EXPECT_EQ(Result(), Local("3.71"));
    Pick(Unit(), 1);
    EXPECT_EQ(Result(), Local("0.00"));
    Click(Get<QCheckBox>("TIndCoaxial", "CheckBox1"));
    EXPECT_EQ(Result(), Local("0.00370842788"));
    // With a box empty the output unit changes nothing.
    for (const char* name : {"Editl", "EditD", "EditDm"}) {
        const QString text = Edit(name)->text();
        Clear(Edit(name));
        Pick(Unit(), 0);
        EXPECT_EQ(Result(), Local("0.00370842788")) << name;
        Edit(name)->setText(text);
        Unit()->setCurrentIndex(1);
    }
    // Reset keeps the "2 Digit" choice (and the unit, as every calculator does).
    Click(Get<QCheckBox>("TIndCoaxial", "CheckBox1"));
    Click(Get<QWidget>("TIndCoaxial", "BitBtn1"));
    EXPECT_TRUE(Get<QCheckBox>("TIndCoaxial", "CheckBox1")->isChecked());
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(InducCoaxialTest, DegenerateDiametersFailAndKeepTheResult) {
    Enter("10", "5", "1");
    Equals();
    const struct {
        const char* outer;
        const char* inner;
        const char* box;
    } cases[] = {
        {"5", "0", "Division par zéro en virgule flottante."}, // d = 0
        {"0", "1", "Division par zéro en virgule flottante."}, // log10 of 0
        {"0", "0", "Opération en virgule flottante incorrecte."},
    };
    for (const auto& c : cases) {
        ForgetBoxes();
        Enter("10", c.outer, c.inner);
        Equals();
        ASSERT_TRUE(LastBox()) << c.outer << " " << c.inner;
        EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
        EXPECT_EQ(LastBox()->text, c.box);
        EXPECT_EQ(Result(), Local("3.70842788"));
        EXPECT_DOUBLE_EQ(Form()->Inductance, 3.708427880325881);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, InducCoaxialTest, BothSeparators(), SeparatorName);

class InducCoaxialLanguage : public GuiTest {
  protected:
    void OpenAndCompute(bool english) {
        BuildIn(english ? "*" : "F");
        Click(Get<QWidget>("TInterface1", "Label24"));
        auto* form = Window("TIndCoaxial");
        ASSERT_TRUE(form->isVisible());
        Activate(form);
        EXPECT_EQ(Text("TIndCoaxial", "Label13"), english ? "metre" : "mètres");
        EXPECT_EQ(Text("TIndCoaxial", "Label9"), english ? "" : "extérieur (D) (en mm)");
        EXPECT_EQ(Text("TIndCoaxial", "Label10"), "mm");
        Type(Get<QWidget>("TIndCoaxial", "Editl"), "10");
        Type(Get<QWidget>("TIndCoaxial", "EditD"), "5");
        Type(Get<QWidget>("TIndCoaxial", "EditDm"), "1");
        Click(Get<QWidget>("TIndCoaxial", "Button1"));
        EXPECT_EQ(Text("TIndCoaxial", "Label5"), english ? "3.70842788" : "3,70842788");
        Snapshot(form, english ? "InducCoaxial-en" : "InducCoaxial-fr");
        EXPECT_TRUE(Boxes().empty());
    }
};

TEST_F(InducCoaxialLanguage, FrenchFromTheTopic) {
    OpenAndCompute(false);
}

TEST_F(InducCoaxialLanguage, EnglishFromTheTopic) {
    OpenAndCompute(true);
}

} // namespace
