#include "ohmslaw/AboutSupport.h"

#include "core/Numbers.h"

#include <QApplication>
#include <QTest>
#include <cmath>
#include <cstring>

namespace {

class AboutCalculator : public AboutDriver, public ::testing::WithParamInterface<SeparatorCase> {
  protected:
    void SetUp() override {
        Build(QStringLiteral("*"), GetParam().separators);
        Activate(Form());
    }
    QString L(const char* english) const { return InSeparators(english, GetParam().separators); }
    QString Shown(double value, int digits) const {
        return core::FormatNumber(value, core::FloatFormat::Number, 20, digits, GetParam().separators);
    }
};

// Unit factors of the test's own, to check the window's conversion independently.
constexpr double kMilli = 1e-3, kMicro = 1e-6, kKilo = 1e3, kMega = 1e6;

TEST_P(AboutCalculator, TwelveFormulasInNonBaseUnits) {
    const struct {
        const char* button;
        int number;
        const char* first;
        int firstUnit;
        double firstBase; // what the test expects in volts, amperes, ohms or watts
        const char* second;
        int secondUnit;
        double secondBase;
        int resultUnit;
        double resultPerBase; // base unit to the chosen result unit
        double (*formula)(double, double);
        const char* literal; // the text the user sees, where worked out by hand
    } cases[] = {
        {"Image7", 1, "12", 0, 12, "4.7", 1, 4.7 * kKilo, 1, 1 / kMilli,
         [](double e, double r) { return e / r; }, "2.55319"},
        {"Image8", 2, "3", 1, 3 * kKilo, "240", 1, 240 * kMilli, 1, 1 / kMilli,
         [](double p, double e) { return p / e; }, "12,500,000.000000"},
        {"Image2", 3, "5", 1, 5 * kKilo, "2", 1, 2 * kKilo, 1, 1 / kMilli,
         [](double p, double r) { return std::sqrt(p / r); }, "1,581.138830"},
        {"Image9", 4, "5", 1, 5 * kMilli, "2", 2, 2 * kMicro, 1, 1 / kKilo,
         [](double e, double i) { return e / i; }, "2.500000"},
        {"Image10", 5, "10", 0, 10, "2", 1, 2 * kKilo, 0, 1, [](double e, double p) { return e * e / p; },
         "0.050000"},
        {"Image10", 5, "10", 0, 10, "2", 2, 2 * kMega, 0, 1, [](double e, double p) { return e * e / p; },
         "0.000050"},
        {"Image11", 6, "1", 1, 1 * kKilo, "250", 1, 250 * kMilli, 2, 1 / kMega,
         [](double p, double i) { return p / (i * i); }, "0.016000"},
        {"Image12", 7, "3", 1, 3 * kMilli, "4.7", 1, 4.7 * kKilo, 1, 1 / kMilli,
         [](double i, double r) { return i * r; }, "14,100.000000"},
        {"Image13", 8, "1.5", 0, 1.5, "300", 1, 300 * kMilli, 2, 1 / kMicro,
         [](double p, double i) { return p / i; }, "5,000,000.000000"},
        {"Image14", 9, "2", 0, 2, "1", 1, 1 * kKilo, 0, 1,
         [](double p, double r) { return std::sqrt(p * r); }, "44.721360"},
        {"Image6", 10, "20", 1, 20 * kMilli, "12", 0, 12, 1, 1 / kKilo,
         [](double i, double e) { return i * e; }, "0.000240"},
        {"Image5", 11, "100", 1, 100 * kMilli, "2.2", 1, 2.2 * kKilo, 0, 1,
         [](double i, double r) { return i * i * r; }, "22.000000"},
        {"Image4", 12, "230", 0, 230, "1", 1, 1 * kKilo, 0, 1, [](double e, double r) { return e * e / r; },
         "52.900000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Enter(c.button, L(c.first), c.firstUnit, L(c.second), c.secondUnit, c.resultUnit);
        Equals();
        ASSERT_TRUE(Boxes().empty()) << Boxes().back().text.toStdString();
        EXPECT_EQ(Form()->FormulaNumber, c.number);
        EXPECT_DOUBLE_EQ(Form()->FirstValue, c.firstBase);
        EXPECT_DOUBLE_EQ(Form()->SecondValue, c.secondBase);
        const double expected = c.formula(c.firstBase, c.secondBase) * c.resultPerBase;
        EXPECT_NEAR(Form()->ResultValue, expected, std::abs(expected) * 1e-12);
        EXPECT_EQ(Result(), Shown(expected, c.number == 1 ? 5 : 6));
        if (c.literal) {
            EXPECT_EQ(Result(), L(c.literal));
        }
    }
}

TEST_P(AboutCalculator, ResultListRecomputesInItsUnit) {
    Pick(List("ComboBox3"), 1);
    EXPECT_TRUE(Result().isEmpty()); // nothing shown yet: nothing computed
    Pick(List("ComboBox3"), 0);
    Type(Edit("Edit2"), L("12"));
    Type(Edit("Edit1"), L("4.7"));
    Pick(List("ComboBox1"), 1); // the second box holds text: recomputes
    EXPECT_EQ(Result(), L("0.00255"));
    Pick(List("ComboBox3"), 1);
    EXPECT_EQ(Result(), L("2.55319"));
    Pick(List("ComboBox3"), 2);
    EXPECT_EQ(Result(), L("2,553.19149"));
    EXPECT_DOUBLE_EQ(Form()->ResultValue, 12.0 / 4700 * 1e6);
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(AboutCalculator, InputListsRecomputeOnlyWhenTheirBoxHoldsText) {
    const struct {
        const char* list;
        const char* first; // "" leaves the box empty
        const char* second;
        const char* result; // in uA, with 12 mV or 4.7 KOhms; "" when nothing is computed
        bool valueNone;     // "Value: none" for the other box
    } cases[] = {
        {"ComboBox2", "", "4.7", "", false},
        {"ComboBox2", "12", "", "", true},
        {"ComboBox2", "12", "4.7", "2,553.19149", false},
        {"ComboBox1", "12", "", "", false},
        {"ComboBox1", "", "4.7", "", true},
        {"ComboBox1", "12", "4.7", "2,553.19149", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " '" + c.first + "' '" + c.second + "'");
        Click(Get<QWidget>("TAboutBox", "Image7"));
        Pick(List("ComboBox3"), 2); // nothing shown: only chooses the unit
        Type(Edit("Edit2"), L(c.first));
        Type(Edit("Edit1"), L(c.second));
        ForgetBoxes();
        Pick(List(c.list), 1); // mV or KOhms
        EXPECT_EQ(Result(), L(c.result));
        if (c.valueNone) {
            ASSERT_EQ(Boxes().size(), 1u);
            EXPECT_EQ(Boxes()[0].text, "Value: none");
            EXPECT_EQ(QApplication::focusWidget(), Edit(c.first[0] ? "Edit1" : "Edit2"));
        } else {
            EXPECT_TRUE(Boxes().empty());
        }
    }
}

TEST_P(AboutCalculator, FailuresKeepTheShownResult) {
    const struct {
        const char* button;
        const char* first;
        const char* second;
        QString error;
    } cases[] = {
        {"Image7", "5", "0", "Division par zéro en virgule flottante."},
        {"Image7", "0", "0", "Opération en virgule flottante incorrecte."},
        {"Image8", "5", "0", "Division par zéro en virgule flottante."},
        {"Image2", "5", "0", "Division par zéro en virgule flottante."},
        {"Image9", "5", "0", "Division par zéro en virgule flottante."},
        {"Image10", "0", "0", "Opération en virgule flottante incorrecte."},
        {"Image11", "5", "0", "Division par zéro en virgule flottante."},
        {"Image11", "0", "0", "Opération en virgule flottante incorrecte."},
        {"Image13", "5", "0", "Division par zéro en virgule flottante."},
        {"Image4", "5", "0", "Division par zéro en virgule flottante."},
        {"Image7", "5", "1E99999", "'1E99999' n'est pas une valeur en virgule flottante correcte."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.first + " " + c.second);
        Enter(c.button, L("2"), 0, L("4"), 0, 0);
        Equals();
        const QString before = Result();
        ASSERT_FALSE(before.isEmpty());
        Clear(Edit("Edit2"));
        Clear(Edit("Edit1"));
        Type(Edit("Edit2"), L(c.first));
        if (std::strchr(c.second, 'E'))
            Edit("Edit1")->setText(QLatin1String(c.second)); // "E" cannot be typed, only pasted
        else
            Type(Edit("Edit1"), L(c.second));
        ForgetBoxes();
        Equals();
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].kind, ui::BoxKind::Error);
        EXPECT_EQ(Boxes()[0].owner, Form());
        EXPECT_EQ(Boxes()[0].text, c.error);
        EXPECT_EQ(Result(), before);
    }
}

TEST_P(AboutCalculator, OtherSeparatorDoesNotConvert) {
    const QString wrong = GetParam().separators.decimal == '.' ? "1,5" : "1.5";
    Type(Edit("Edit2"), wrong);
    Type(Edit("Edit1"), L("2"));
    Equals();
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "'" + wrong + "' n'est pas une valeur en virgule flottante correcte.");
    EXPECT_TRUE(Result().isEmpty());
}

TEST_P(AboutCalculator, ResetEmptiesOnlyTheBoxesAndTheResult) {
    Enter("Image10", L("10"), 1, L("2"), 2, 1);
    Equals();
    ASSERT_FALSE(Result().isEmpty());
    const QString title = Text("TAboutBox", "LabelPuis");
    Click(Get<QWidget>("TAboutBox", "BitBtn1"));
    EXPECT_EQ(QApplication::focusWidget(), Edit("Edit2"));
    EXPECT_TRUE(Text("TAboutBox", "Edit2").isEmpty());
    EXPECT_TRUE(Text("TAboutBox", "Edit1").isEmpty());
    EXPECT_TRUE(Result().isEmpty());
    EXPECT_EQ(Form()->FirstValue, 0.0);
    EXPECT_EQ(Form()->SecondValue, 0.0);
    EXPECT_EQ(Form()->ResultValue, 0.0);
    EXPECT_EQ(Form()->FormulaNumber, 5);
    EXPECT_EQ(Items("ComboBox2"), QStringList({"V", "mV", "uV"}));
    EXPECT_EQ(Items("ComboBox1"), QStringList({"W", "KW", "MW"}));
    EXPECT_EQ(Items("ComboBox3"), QStringList({"Ohms", "KOhms", "MOhms"}));
    EXPECT_EQ(List("ComboBox2")->currentIndex(), 1);
    EXPECT_EQ(List("ComboBox1")->currentIndex(), 2);
    EXPECT_EQ(List("ComboBox3")->currentIndex(), 1);
    EXPECT_EQ(Text("TAboutBox", "LabelPuis"), title);
    EXPECT_EQ(Text("TAboutBox", "Label1a"), "VOLTAGE (E) ");
    EXPECT_EQ(Text("TAboutBox", "LabelEgale"), "R =");
    EXPECT_FALSE(Label("Image3")->pixmap().isNull());
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(AboutCalculator, EmptyBoxesAndPrintSayTheSameInBothLanguages) {
    for (const char* mark : {"*", "F"}) {
        SCOPED_TRACE(mark);
        delete Main();
        Build(QLatin1String(mark), GetParam().separators);
        Activate(Form());
        ForgetBoxes();
        Equals();
        Type(Edit("Edit2"), L("1"));
        Equals();
        Click(Get<QWidget>("TAboutBox", "BitBtn2"));
        ASSERT_EQ(Boxes().size(), 3u);
        EXPECT_EQ(Boxes()[0].text, "Value: none");
        EXPECT_EQ(Boxes()[1].text, "Value: none");
        EXPECT_EQ(Boxes()[2].text, "Aucune données a imprimer");
        for (const RecordedBox& box : Boxes()) {
            EXPECT_EQ(box.kind, ui::BoxKind::Message);
            EXPECT_EQ(box.caption, ui::AppTitle());
        }
        EXPECT_EQ(QApplication::focusWidget(), Edit("Edit2"));
        Type(Edit("Edit1"), L("2"));
        Equals();
        ForgetBoxes();
        Click(Get<QWidget>("TAboutBox", "BitBtn2"));
        EXPECT_TRUE(Boxes().empty()); // something to print: no message
    }
}

TEST_P(AboutCalculator, KeyFilters) {
    Type(Edit("Edit2"), "a-+e 1,2.3");
    EXPECT_EQ(Text("TAboutBox", "Edit2"), "1,2.3");
    Type(Edit("Edit1"), "x7");
    EXPECT_EQ(Text("TAboutBox", "Edit1"), "7");
    Clear(Edit("Edit2")); // so that a pick computes nothing
    QComboBox* first = List("ComboBox2");
    first->setFocus();
    QTest::keyClicks(first, "mu");
    EXPECT_EQ(first->currentIndex(), 0); // the first input's list takes no typing
    QTest::keyClick(first, Qt::Key_Down);
    EXPECT_EQ(first->currentIndex(), 1);
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Separators, AboutCalculator, BothSeparators(), SeparatorName);

} // namespace
