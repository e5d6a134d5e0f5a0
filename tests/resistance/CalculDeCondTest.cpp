#include "support/GuiFixture.h"

#include "resistance/CalculDeCond.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

namespace {

// The tables as the reference gives them: list item, value as printed.
struct MetalRow {
    const char* french;
    const char* english;
    long double resistivity;
    const char* shown; // nano-ohm-metres
};
const MetalRow kMetals[] = {
    {"argent", "Silver", 1.5e-8L, "15"},        {"cuivre", "Copper", 1.59e-8L, "15.9"},
    {"aluminium", "aluminum", 2.6e-8L, "26"},   {"tungstene", "Tungsten", 4.96e-8L, "49.6"},
    {"manganin", "manganese", 4.82e-7L, "482"}, {"nichrome", "nichrome", 1.08e-6L, "1080"},
};
struct GaugeRow {
    const char* item;
    const char* mm2;
};
const GaugeRow kGauges[] = {
    {"250MCM", "126.6"}, {"4/0", "107.4"}, {"2/0", "67.4"},  {"1/0", "53.5"},  {"1", "42.4"},
    {"2", "33.6"},       {"3", "26.6"},    {"4", "21.1"},    {"5", "16.8"},    {"6", "13.3"},
    {"7", "10.5"},       {"8", "8.3"},     {"9", "6.59"},    {"10", "5.27"},   {"11", "4.17"},
    {"12", "3.31"},      {"13", "2.63"},   {"14", "2.08"},   {"15", "1.65"},   {"16", "1.31"},
    {"17", "1.04"},      {"18", "0.821"},  {"19", "0.654"},  {"20", "0.517"},  {"21", "0.411"},
    {"22", "0.324"},     {"23", "0.259"},  {"24", "0.205"},  {"25", "0.162"},  {"26", "0.128"},
    {"27", "0.102"},     {"28", "0.08"},   {"29", "0.065"},  {"30", "0.0507"}, {"31", "0.0401"},
    {"32", "0.0324"},    {"33", "0.0255"}, {"34", "0.0201"}, {"35", "0.0159"}, {"36", "0.0127"},
    {"37", "0.0103"},    {"38", "0.0081"}, {"39", "0.0062"}, {"40", "0.0049"},
};

class CalculDeCondTest : public WindowTest<TFormResConduc> {
  protected:
    QLineEdit* Length() { return Get<QLineEdit>("TFormResConduc", "Edit1"); }
    QComboBox* Metals() { return Get<QComboBox>("TFormResConduc", "ComboBox1"); }
    QComboBox* Gauges() { return Get<QComboBox>("TFormResConduc", "ComboBox2"); }
    QString Result() { return Text("TFormResConduc", "Label6"); }
    void Equals() { Click(Get<QWidget>("TFormResConduc", "BitBtnCalcul")); }
    void EnterLength(const char* metres) { EnterLocal({{"Edit1", metres}}); }
};

TEST_P(CalculDeCondTest, StartState) {
    EXPECT_STREQ(Form()->metaObject()->className(), "TFormResConduc");
    EXPECT_EQ(Form()->windowTitle(), "Résistance d'un conducteur");
    EXPECT_EQ(Form()->size(), QSize(408, 342));
    EXPECT_EQ(Length()->text(), "100");
    EXPECT_EQ(Text("TFormResConduc", "Label7"), "100");
    EXPECT_EQ(Text("TFormResConduc", "Label4"), "cuivre");
    EXPECT_EQ(Text("TFormResConduc", "Label5"), "18");
    EXPECT_EQ(Result(), Local("1.936662607"));
    EXPECT_EQ(Text("TFormResConduc", "Label12"), Local("15.9"));
    EXPECT_EQ(Text("TFormResConduc", "Label14"), Local("0.821"));
    EXPECT_DOUBLE_EQ(Form()->Resistance, 100 / 0.821e-6 * 1.59e-8);
    EXPECT_DOUBLE_EQ(Form()->Length, 100.0);
    EXPECT_DOUBLE_EQ(Form()->Section, 0.821e-6);
    EXPECT_DOUBLE_EQ(Form()->Resistivity, 1.59e-8);
    EXPECT_FALSE(Get<QCheckBox>("TFormResConduc", "CheckBox1")->isChecked());
    EXPECT_EQ(Gauges()->maxVisibleItems(), 20);

    ASSERT_EQ(Metals()->count(), 6); // no blank item
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Metals()->itemText(i), kMetals[i].french);
    ASSERT_EQ(Gauges()->count(), 44);
    for (int i = 0; i < 44; ++i)
        EXPECT_EQ(Gauges()->itemText(i), kGauges[i].item);
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(CalculDeCondTest, EveryMetalAndGaugeAsTabulated) {
    EnterLength("100");
    for (int m = 0; m < 6; ++m) {
        Pick(Metals(), m);
        EXPECT_EQ(Text("TFormResConduc", "Label12"), Local(kMetals[m].shown)) << kMetals[m].french;
        for (int g = 0; g < 44; ++g) {
            Pick(Gauges(), g);
            const QString mm2 = QString::fromLatin1(kGauges[g].mm2);
            const QString shown = g == 0 ? "127" : g == 1 ? "107" : mm2; // three significant digits
            EXPECT_EQ(Text("TFormResConduc", "Label14"), Local(shown.toLatin1().constData()))
                << kGauges[g].item;
            const long double area = std::stold(mm2.toStdString()) * 1e-6L;
            const long double ohms = 100.0L / area * kMetals[m].resistivity;
            EXPECT_NEAR(Form()->Resistance, static_cast<double>(ohms), 1e-12 * static_cast<double>(ohms));
            EXPECT_EQ(Result(),
                      core::FormatNumber(ohms, core::FloatFormat::General, 10, 4, GetParam().separators))
                << kMetals[m].french << " " << kGauges[g].item;
            EXPECT_EQ(Text("TFormResConduc", "Label4"), kMetals[m].french);
            EXPECT_EQ(Text("TFormResConduc", "Label5"), kGauges[g].item);
        }
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(CalculDeCondTest, WorkedCases) {
    const struct {
        const char* length;
        int metal, gauge;
        const char* result;
    } cases[] = {
        {"1", 0, 3, "0.0002803738318"}, // silver, 1/0
        {"1000", 5, 43, "220408.1633"}, // nichrome, 40
        {"0", 2, 10, "0"},
        {"100", 1, 21, "1.936662607"},
        {"2.5", 3, 0, "0.0009794628752"},
        {"1000", 4, 30, "4725.490196"},
    };
    for (const auto& c : cases) {
        Metals()->setCurrentIndex(c.metal);
        Gauges()->setCurrentIndex(c.gauge);
        EnterLength(c.length);
        Equals();
        EXPECT_EQ(Result(), Local(c.result)) << c.length;
        EXPECT_EQ(Text("TFormResConduc", "Label7"), Local(c.length));
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(CalculDeCondTest, TwoDigitFollowsTheBoxWithoutRecomputing) {
    auto* twoDigits = Get<QCheckBox>("TFormResConduc", "CheckBox1");
    Click(twoDigits);
    EXPECT_EQ(Result(), Local("1.94"));
    // A list moved without a pick computes nothing: the box only re-formats the stored value.
    Metals()->setCurrentIndex(5);
    Click(twoDigits);
    EXPECT_EQ(Result(), Local("1.936662607"));
    Click(twoDigits);
    Pick(Gauges(), 3); // nichrome, 1/0: every computing handler passes through the box
    EXPECT_EQ(Result(), Local("2.02"));
    EnterLength("1");
    EXPECT_EQ(Result(), "");
    Click(twoDigits);
    EXPECT_EQ(Result(), "");
    Equals();
    EXPECT_EQ(Result(), Local("0.02018691589"));
}

TEST_P(CalculDeCondTest, TypingEmptiesTheResultAndMirrorsTheLength) {
    Clear(Length());
    EXPECT_EQ(Result(), "");
    EXPECT_EQ(Text("TFormResConduc", "Label7"), "");
    Type(Length(), Local("1a-+e .5"));
    EXPECT_EQ(Length()->text(), Local("1.5"));
    EXPECT_EQ(Text("TFormResConduc", "Label7"), Local("1.5"));
    EXPECT_EQ(Result(), "");
    EXPECT_DOUBLE_EQ(Form()->Resistance, 100 / 0.821e-6 * 1.59e-8); // nothing recomputed
    Type(Metals(), "a");
    EXPECT_EQ(Metals()->currentIndex(), 1);
}

TEST_P(CalculDeCondTest, EmptyLengthMessages) {
    Activate(Form());
    Clear(Length());
    const QString before = Text("TFormResConduc", "Label4");
    Equals();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].kind, ui::BoxKind::Message);
    EXPECT_EQ(Boxes()[0].caption, ui::AppTitle());
    EXPECT_EQ(Boxes()[0].text, "vide non admis");
    EXPECT_EQ(Boxes()[0].owner, Form());
    EXPECT_EQ(QApplication::focusWidget(), Length());
    EXPECT_EQ(Result(), "");

    // A metal or gauge still shows its value, then the message.
    ForgetBoxes();
    Pick(Metals(), 4);
    EXPECT_EQ(Text("TFormResConduc", "Label12"), "482");
    Pick(Gauges(), 0);
    EXPECT_EQ(Text("TFormResConduc", "Label14"), "127");
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, "vide non admis");
    EXPECT_EQ(Text("TFormResConduc", "Label4"), before);
    EXPECT_EQ(Result(), "");

    // Print: the empty-value message first, then nothing to print.
    ForgetBoxes();
    Click(Get<QWidget>("TFormResConduc", "BitBtn1"));
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, "vide non admis");
    EXPECT_EQ(Boxes()[1].text, "Aucune données a imprimer");
    EXPECT_EQ(Boxes()[1].kind, ui::BoxKind::Message);
    EXPECT_EQ(QApplication::focusWidget(), Length());

    // With a length, print computes and has nothing to say.
    ForgetBoxes();
    Type(Length(), "1");
    Click(Get<QWidget>("TFormResConduc", "BitBtn1"));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Result(), Local("0.003807266983")); // manganin, 250MCM
}

TEST_P(CalculDeCondTest, ConversionFailure) {
    const QChar other = GetParam().separators.decimal == '.' ? ',' : '.';
    const QString typed = QString("1") + other + "5";
    Clear(Length());
    Type(Length(), typed);
    Equals();
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
    EXPECT_EQ(LastBox()->text, "'" + typed + "' n'est pas une valeur en virgule flottante correcte.");
    EXPECT_EQ(Result(), "");
    EXPECT_DOUBLE_EQ(Form()->Length, 100.0);
    // A length beyond the double range overflows when it is stored.
    Clear(Length());
    Type(Length(), "1" + QString(400, '0'));
    Equals();
    EXPECT_EQ(LastBox()->text, "Débordement en virgule flottante.");
    EXPECT_EQ(Result(), "");
    // A following good computation shows again.
    Clear(Length());
    Type(Length(), "2");
    Equals();
    EXPECT_EQ(Result(), Local("0.03873325213"));
}

INSTANTIATE_TEST_SUITE_P(Separators, CalculDeCondTest, BothSeparators(), SeparatorName);

class CalculDeCondLanguage : public GuiTest {};

TEST_F(CalculDeCondLanguage, EnglishTextsAndMetalList) {
    Build("*");
    auto* form = static_cast<TFormResConduc*>(Window("TFormResConduc"));
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Conductive resistance");
    // The contract checks the other labels' and the group's texts.
    const std::pair<const char*, const char*> texts[] = {
        {"Label1", "-------------------------------> Length in metre"},
        {"Label9", "Conductor type"},
        {"Label10", "Cable section number"},
        {"Label13", "nOhm-m "},
        {"Label15", "mm"},
        {"CheckBox1", "2 Digit"},
        {"BitBtnCalcul", "="},
        {"Label4", "Copper"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(Text("TFormResConduc", name), text) << name;
    EXPECT_EQ(Text("TFormResConduc", "Label1").count('-'), 31);
    auto* metals = Get<QComboBox>("TFormResConduc", "ComboBox1");
    ASSERT_EQ(metals->count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(metals->itemText(i), kMetals[i].english);
    EXPECT_EQ(metals->currentIndex(), 1);
    EXPECT_EQ(Text("TFormResConduc", "Label6"), "1.936662607");
    Snapshot(form, "CalculDeCond-en");

    // The chosen metal survives the refill, so list, echo and result keep telling the same metal.
    Pick(metals, 0);
    const QString silver = Text("TFormResConduc", "Label6");
    EXPECT_EQ(silver, "1.827040195");
    Activate(Main());
    Activate(form);
    ASSERT_EQ(metals->count(), 6);
    EXPECT_EQ(metals->currentText(), "Silver");
    EXPECT_EQ(Text("TFormResConduc", "Label4"), "Silver");
    EXPECT_EQ(Text("TFormResConduc", "Label6"), silver);
    EXPECT_EQ(Text("TFormResConduc", "Label12"), "15");

    Clear(Get<QLineEdit>("TFormResConduc", "Edit1"));
    Click(Get<QWidget>("TFormResConduc", "BitBtn1"));
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, "Value: none");
    EXPECT_EQ(Boxes()[1].text, "No value to print");
}

TEST_F(CalculDeCondLanguage, FrenchMarkKeepsTheForm) {
    Build("F");
    auto* form = Window("TFormResConduc");
    Activate(form);
    Activate(Main());
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Résistance d'un conducteur");
    EXPECT_EQ(Text("TFormResConduc", "Label1"), "Longueur du conducteur (en Mètres)");
    EXPECT_EQ(Text("TFormResConduc", "Label4"), "cuivre");
    EXPECT_EQ(Get<QComboBox>("TFormResConduc", "ComboBox1")->itemText(3), "tungstene");
    EXPECT_EQ(Get<QGroupBox>("TFormResConduc", "GroupBox1")->title(), "Résultat");
    Snapshot(form, "CalculDeCond-fr");
}

} // namespace
