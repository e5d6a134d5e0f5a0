#include "inductance/BobineAAir.h"
#include "support/GuiFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>

namespace {

class BobineAAirTest : public WindowTest<TBobineDair> {
  protected:
    QString Result() { return Text("TBobineDair", "Label8"); }
    void Equals() { Click(Get<QWidget>("TBobineDair", "Button1")); }
    void Enter(const char* n, const char* a, int aUnit, const char* b, int bUnit) {
        EnterLocal({{"EditN", n}, {"EditA", a}, {"Editb", b}});
        List("ComboBox1")->setCurrentIndex(aUnit);
        List("ComboBox2")->setCurrentIndex(bUnit);
    }
};

TEST_P(BobineAAirTest, FormAsCreated) {
    EXPECT_STREQ(Form()->metaObject()->className(), "TBobineDair");
    EXPECT_EQ(Form()->windowTitle(), "Calcul de l'inductance d'une bobine toroïdale à noyau d'air");
    EXPECT_EQ(Form()->size(), QSize(471, 297));
    const struct {
        const char* list;
        std::vector<QString> items;
    } lists[] = {{"ComboBox1", {"mètres", "cm", "mm"}},
                 {"ComboBox2", {"mètres", "cm", "mm"}},
                 {"ComboBox3", {"uH", "mH", "H"}}};
    for (const auto& l : lists) {
        EXPECT_EQ(Items(List(l.list)), l.items);
        EXPECT_EQ(List(l.list)->currentIndex(), 0) << l.list;
    }
    for (double field : {Form()->Inductance, Form()->OuterDiameter, Form()->InnerDiameter, Form()->Turns})
        EXPECT_EQ(field, 0.0);
    EXPECT_EQ(Text("TBobineDair", "CheckBox1"), "2  Digit");
    EXPECT_FALSE(Get<QCheckBox>("TBobineDair", "CheckBox1")->isChecked());
    EXPECT_EQ(Get<QWidget>("TBobineDair", "Label8")->geometry(), QRect(40, 124, 145, 17));
    EXPECT_EQ(Get<QWidget>("TBobineDair", "Image1")->geometry(), QRect(8, 8, 185, 105));
}

TEST_P(BobineAAirTest, Inductances) {
    const struct {
        const char* n;
        const char* a;
        int aUnit;
        const char* b;
        int bUnit;
        int out;
        const char* shown;
    } cases[] = {
        {"100", "4", 1, "1", 1, 0, "31.4"},        {"100", "4", 1, "1", 1, 1, "0.0314"},
        {"100", "4", 1, "1", 1, 2, "3.14E-5"},    // scientific below 0.0001
        {"100", "0.04", 0, "0.01", 0, 0, "31.4"}, // metres
        {"100", "1", 1, "4", 1, 0, "31.4"},       // a and b swapped: the difference is squared
        {"100", "40", 2, "1", 1, 0, "31.4"},      // mm and cm mixed
        {"100", "3", 1, "3", 1, 0, "0"},          // a = b
        {"12.5", "9", 2, "4", 2, 0, "0.04906250"}, {"250", "2", 0, "0.5", 0, 2, "0.009812500000"},
    };
    for (const auto& c : cases) {
        Enter(c.n, c.a, c.aUnit, c.b, c.bUnit);
        List("ComboBox3")->setCurrentIndex(c.out);
        Equals();
        const long double per[] = {1.0L, 100.0L, 1000.0L}, out[] = {1.0L, 1000.0L, 1000000.0L};
        const long double a = std::stold(c.a) / per[c.aUnit], b = std::stold(c.b) / per[c.bUnit];
        const long double n = std::stold(c.n);
        const long double expected =
            (std::sqrt(a) - std::sqrt(b)) * (std::sqrt(a) - std::sqrt(b)) * n * n * 0.314L / out[c.out];
        EXPECT_NEAR(Form()->Inductance, static_cast<double>(expected),
                    1e-12 * static_cast<double>(expected) + 1e-300);
        EXPECT_DOUBLE_EQ(Form()->OuterDiameter, static_cast<double>(a));
        EXPECT_DOUBLE_EQ(Form()->InnerDiameter, static_cast<double>(b));
        EXPECT_DOUBLE_EQ(Form()->Turns, std::stod(c.n));
        EXPECT_EQ(Result(),
                  core::FormatNumber(expected, core::FloatFormat::General, 10, 4, GetParam().separators));
        QString literal = Local(c.shown);
        while (literal.contains(GetParam().separators.decimal) && literal.endsWith('0'))
            literal.chop(1); // the literal is written with its trailing zeros for reading
        EXPECT_EQ(Result(), literal) << c.n << " " << c.a << " " << c.b;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(BobineAAirTest, TwoDigitDisplay) {
    auto* box = Get<QCheckBox>("TBobineDair", "CheckBox1");
    Click(box);
    EXPECT_EQ(Result(), ""); // nothing computed yet
    Click(box);
    Enter("100", "4", 1, "1", 1);
    Equals();
    EXPECT_EQ(Result(), Local("31.4"));
    Click(box);
    EXPECT_EQ(Result(), Local("31.40"));
    Pick(List("ComboBox3"), 1);
    EXPECT_EQ(Result(), Local("0.03"));
    Click(box);
    EXPECT_EQ(Result(), Local("0.0314"));
    Click(box);
    Pick(List("ComboBox3"), 2);
    EXPECT_EQ(Result(), Local("0.00"));
    Click(Get<QWidget>("TBobineDair", "BitBtn1"));
    Click(box);
    EXPECT_EQ(Result(), "");
}

TEST_P(BobineAAirTest, UnitChangeRules) {
    Enter("100", "4", 0, "1", 0);
    Equals();
    EXPECT_EQ(Result(), Local("3140"));
    Pick(List("ComboBox1"), 1); // a in cm: sqrt 0.04 - sqrt 1 < 0, squared all the same
    EXPECT_EQ(Result(), Local("2009.6"));
    Pick(List("ComboBox2"), 1);
    EXPECT_EQ(Result(), Local("31.4"));

    // A diameter unit with any box empty does nothing at all.
    for (const char* name : {"EditN", "EditA", "Editb"}) {
        const QString text = Edit(name)->text();
        Clear(Edit(name));
        Pick(List("ComboBox1"), 2);
        Pick(List("ComboBox2"), 0);
        EXPECT_EQ(Result(), Local("31.4")) << name;
        EXPECT_TRUE(Boxes().empty()) << name;
        Edit(name)->setText(text);
        List("ComboBox1")->setCurrentIndex(1);
        List("ComboBox2")->setCurrentIndex(1);
    }
    // The output unit tests nothing: an empty box gives its conversion failure.
    Form()->Turns = -1;
    Clear(Edit("EditA"));
    Pick(List("ComboBox3"), 1);
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
    EXPECT_EQ(LastBox()->text, "'' n'est pas une valeur en virgule flottante correcte.");
    EXPECT_EQ(Result(), Local("31.4"));
    EXPECT_EQ(Form()->Turns, 100.0); // converted before the failing box
}

TEST_P(BobineAAirTest, FailuresAndReset) {
    Enter("100", "4", 1, "1", 1);
    Equals();
    const QChar other = GetParam().separators.decimal == '.' ? ',' : '.';
    Edit("Editb")->setText(QString("1") + other + "5");
    Equals();
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text,
              QString("'1") + other + "5' n'est pas une valeur en virgule flottante correcte.");
    EXPECT_EQ(LastBox()->owner, Form());
    EXPECT_EQ(Result(), Local("31.4"));
    EXPECT_DOUBLE_EQ(Form()->OuterDiameter, 0.04);

    // Reset: the emptied boxes, fields and kept lists are the calculator contract's.
    Get<QCheckBox>("TBobineDair", "CheckBox1")->setChecked(true);
    Click(Get<QWidget>("TBobineDair", "BitBtn1"));
    EXPECT_TRUE(Get<QCheckBox>("TBobineDair", "CheckBox1")->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Separators, BobineAAirTest, BothSeparators(), SeparatorName);

class BobineAAirLanguage : public GuiTest {};

TEST_F(BobineAAirLanguage, EnglishRefillsTheDiameterListsAtEveryActivation) {
    Build("*");
    auto* form = static_cast<TBobineDair*>(Window("TBobineDair"));
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Inductance (toroidale coil) ");
    // The labels' texts are the calculator contract's.
    EXPECT_EQ(Text("TBobineDair", "CheckBox1"), "2  Digit");
    EXPECT_EQ(Text("TBobineDair", "Button1"), "=");
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        auto* list = Get<QComboBox>("TBobineDair", name);
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->itemText(0), "metre");
        EXPECT_EQ(list->itemText(1), "cm");
        EXPECT_EQ(list->itemText(2), "mm");
    }
    EXPECT_EQ(Get<QComboBox>("TBobineDair", "ComboBox3")->itemText(0), "uH");

    Type(Get<QWidget>("TBobineDair", "EditN"), "100");
    Type(Get<QWidget>("TBobineDair", "EditA"), "4");
    Type(Get<QWidget>("TBobineDair", "Editb"), "1");
    Pick(Get<QComboBox>("TBobineDair", "ComboBox1"), 1);
    Pick(Get<QComboBox>("TBobineDair", "ComboBox2"), 1);
    EXPECT_EQ(Text("TBobineDair", "Label8"), "31.4");
    Snapshot(form, "BobineAAir-en");

    Activate(Main());
    Activate(form);
    EXPECT_EQ(Text("TBobineDair", "ComboBox1"), "metre");
    EXPECT_EQ(Text("TBobineDair", "ComboBox2"), "metre");
    EXPECT_EQ(Text("TBobineDair", "EditA"), "4");
    EXPECT_EQ(Text("TBobineDair", "Label8"), "31.4");
    Click(Get<QWidget>("TBobineDair", "Button1"));
    EXPECT_EQ(Text("TBobineDair", "Label8"), "3140"); // now read as metres
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(BobineAAirLanguage, FrenchMarkKeepsTheForm) {
    Build("F", core::FrenchSeparators());
    auto* form = Window("TBobineDair");
    Activate(form);
    Pick(Get<QComboBox>("TBobineDair", "ComboBox1"), 1);
    Activate(Main());
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Calcul de l'inductance d'une bobine toroïdale à noyau d'air");
    EXPECT_EQ(Text("TBobineDair", "Label2"), "Diamètre extérieur, en mètres");
    EXPECT_EQ(Text("TBobineDair", "ComboBox1"), "cm");
    EXPECT_EQ(Get<QComboBox>("TBobineDair", "ComboBox2")->itemText(0), "mètres");
    Type(Get<QWidget>("TBobineDair", "EditN"), "100");
    Type(Get<QWidget>("TBobineDair", "EditA"), "4");
    Type(Get<QWidget>("TBobineDair", "Editb"), "0,01");
    Click(Get<QWidget>("TBobineDair", "Button1"));
    EXPECT_EQ(Text("TBobineDair", "Label8"), "31,4");
    Snapshot(form, "BobineAAir-fr");
}

} // namespace
