#include "support/GuiFixture.h"

#include "inductance/BobineAAir.h"
#include "inductance/IndPropre.h"
#include "inductance/InducCoaxial.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

class IndPropreTest : public WindowTest<TInducPropre> {
  protected:
    QString Result() { return Text("TInducPropre", "Label10"); }
    void Enter(const char* n, const char* d, int dUnit, const char* l, int lUnit) {
        EnterLocal({{"EditN", n}, {"EditD", d}, {"EditI", l}});
        List("ComboBox1")->setCurrentIndex(dUnit);
        List("ComboBox2")->setCurrentIndex(lUnit);
    }
};

// By hand: 2.2 x d^2 x N^2 / (d + 2.2 l) microhenries with d and l in metres.
TEST_P(IndPropreTest, Inductances) {
    const struct {
        const char* n;
        const char* d;
        int dUnit;
        const char* l;
        int lUnit;
        int out;
        const char* shown;
        double metresD, metresL;
    } cases[] = {
        {"100", "2", 1, "5", 1, 0, "67.69230769", 0.02, 0.05}, // 8.8 / 0.13 = 880 / 13
        {"100", "2", 1, "5", 1, 1, "0.06769230769", 0.02, 0.05},
        {"100", "2", 1, "5", 1, 2, "6.769230769E-5", 0.02, 0.05}, // scientific below 0.0001
        {"100", "0.02", 0, "0.05", 0, 0, "67.69230769", 0.02, 0.05},
        {"100", "20", 2, "50", 2, 0, "67.69230769", 0.02, 0.05},
        {"10", "1", 0, "0", 0, 0, "220", 1, 0},                  // no length: 2.2 d N^2
        {"2.5", "40", 2, "1", 1, 0, "0.3548387097", 0.04, 0.01}, // 0.022 / 0.062 = 11 / 31
    };
    for (const auto& c : cases) {
        Enter(c.n, c.d, c.dUnit, c.l, c.lUnit);
        List("ComboBox3")->setCurrentIndex(c.out);
        Click(Get<QWidget>("TInducPropre", "ButtonCalcul"));
        EXPECT_EQ(Result(), Local(c.shown)) << c.n << " " << c.d << " " << c.l;
        EXPECT_DOUBLE_EQ(Form()->Diameter, c.metresD);
        EXPECT_DOUBLE_EQ(Form()->Length, c.metresL);
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(IndPropreTest, TwoDigitAndTheUnitLists) {
    auto* twoDigits = Get<QCheckBox>("TInducPropre", "CheckBox1");
    Click(twoDigits);
    EXPECT_EQ(Result(), ""); // nothing computed yet
    Enter("100", "2", 1, "5", 1);
    Click(Get<QWidget>("TInducPropre", "ButtonCalcul"));
    EXPECT_EQ(Result(), Local("67.69"));
    Click(twoDigits);
    EXPECT_EQ(Result(), Local("67.69230769"));
    // Every list recomputes while the three boxes hold text.
    Pick(List("ComboBox3"), 1);
    EXPECT_EQ(Result(), Local("0.06769230769"));
    Pick(List("ComboBox1"), 2); // d = 2 mm
    EXPECT_DOUBLE_EQ(Form()->Diameter, 0.002);
    Pick(List("ComboBox2"), 0); // l = 5 m: 2.2 x 4E-6 x 1E4 / 11.002 uH, in mH
    EXPECT_EQ(Result(), Local("7.998545719E-6"));

    // With any box empty, no list changes anything.
    for (const char* name : {"EditN", "EditD", "EditI"}) {
        const QString text = Edit(name)->text();
        Clear(Edit(name));
        for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3"})
            Pick(List(list), 1);
        EXPECT_EQ(Result(), Local("7.998545719E-6")) << name;
        EXPECT_DOUBLE_EQ(Form()->Diameter, 0.002) << name;
        Edit(name)->setText(text);
        List("ComboBox1")->setCurrentIndex(2);
        List("ComboBox2")->setCurrentIndex(0);
        List("ComboBox3")->setCurrentIndex(1);
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(IndPropreTest, NoDiameterAndNoLengthIsAnInvalidOperation) {
    Enter("100", "2", 1, "5", 1);
    Click(Get<QWidget>("TInducPropre", "ButtonCalcul"));
    Enter("100", "0", 1, "0", 1);
    Click(Get<QWidget>("TInducPropre", "ButtonCalcul"));
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "Opération en virgule flottante incorrecte.");
    EXPECT_EQ(Result(), Local("67.69230769"));
    EXPECT_DOUBLE_EQ(Form()->Inductance, 880.0 / 13);
}

INSTANTIATE_TEST_SUITE_P(Separators, IndPropreTest, BothSeparators(), SeparatorName);

class IndPropreWindows : public GuiTest {};

TEST_F(IndPropreWindows, ButtonsShowTheToroidAndTheCableAsTheyWereLeft) {
    Build("F", core::FrenchSeparators());
    Click(Get<QWidget>("TInterface1", "Label6"));
    auto* coil = Window("TInducPropre");
    ASSERT_TRUE(coil->isVisible());
    auto* toroid = Window("TBobineDair");
    Type(Get<QWidget>("TBobineDair", "EditN"), "100");
    toroid->hide();
    Click(Get<QWidget>("TInducPropre", "BitBtn1"));
    EXPECT_TRUE(toroid->isVisible());
    EXPECT_FALSE(toroid->isModal());
    EXPECT_EQ(Text("TBobineDair", "EditN"), "100");
    Click(Get<QWidget>("TInducPropre", "BitBtn2"));
    EXPECT_TRUE(Window("TIndCoaxial")->isVisible());
    EXPECT_TRUE(coil->isVisible());

    Activate(coil);
    Type(Get<QWidget>("TInducPropre", "EditN"), "100");
    Type(Get<QWidget>("TInducPropre", "EditD"), "2");
    Type(Get<QWidget>("TInducPropre", "EditI"), "5");
    Pick(Get<QComboBox>("TInducPropre", "ComboBox2"), 1);
    EXPECT_EQ(Text("TInducPropre", "Label10"), "41706,16114"); // 88000 / 2.11
    EXPECT_EQ(Text("TInducPropre", "ComboBox1"), "mètres");    // French: no refill
    Snapshot(coil, "IndPropre-fr");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(IndPropreWindows, EnglishReturnsBothLengthListsToMetresAtEveryActivation) {
    Build("*");
    auto* form = Window("TInducPropre");
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Inductance (cylindrical coil)");
    for (const char* name : {"ComboBox1", "ComboBox2"})
        EXPECT_EQ(Items(Get<QComboBox>("TInducPropre", name)), (std::vector<QString>{"metre", "cm", "mm"}));
    Type(Get<QWidget>("TInducPropre", "EditN"), "100");
    Type(Get<QWidget>("TInducPropre", "EditD"), "2");
    Type(Get<QWidget>("TInducPropre", "EditI"), "5");
    Pick(Get<QComboBox>("TInducPropre", "ComboBox1"), 1);
    Pick(Get<QComboBox>("TInducPropre", "ComboBox2"), 1);
    EXPECT_EQ(Text("TInducPropre", "Label10"), "67.69230769");
    Snapshot(form, "IndPropre-en");
    Activate(Main());
    Activate(form);
    EXPECT_EQ(Text("TInducPropre", "ComboBox1"), "metre");
    EXPECT_EQ(Text("TInducPropre", "ComboBox2"), "metre");
    EXPECT_EQ(Text("TInducPropre", "Label10"), "67.69230769"); // the result stays until "="
    Click(Get<QWidget>("TInducPropre", "ButtonCalcul"));
    EXPECT_EQ(Text("TInducPropre", "Label10"), "6769.230769"); // now read as metres: 88000 / 13
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
