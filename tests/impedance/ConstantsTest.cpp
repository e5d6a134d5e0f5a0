// The RL and RC time constants window and its two tables.
#include "support/GuiFixture.h"

#include "core/Numbers.h"
#include "impedance/Constants.h"
#include "impedance/TableurRC.h"
#include "impedance/TableurRL.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <cmath>

namespace {

class ConstantsTest : public SettingTest {
  protected:
    TFormConstants* Form() { return static_cast<TFormConstants*>(Window("TFormConstants")); }
    template <class W = QWidget> W* C(const char* name) { return Get<W>("TFormConstants", name); }
    void Enter(const char* box, const char* english) {
        Clear(C(box));
        Type(C(box), Local(english));
    }
    QString Shown(const char* label) { return Text("TFormConstants", label); }
};

TEST_P(ConstantsTest, TimeConstantsInTheChosenUnits) {
    Activate(Form());
    const char* starting[] = {"mH", "Ohms", "uS", "uF", "Ohms", "S"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(C<QComboBox>(("ComboBox" + std::to_string(i + 1)).c_str())->currentText(), starting[i]);
    // box, unit, box, unit, time unit, result: RL on the first tab, RC on the second.
    const struct {
        bool rl;
        const char* a;
        int aUnit;
        const char* r;
        int rUnit;
        int tUnit;
        const char* t;
    } cases[] = {
        {true, "1", 0, "1", 1, 0, "0.001"}, // 1 H, 1 kOhms
        {true, "1", 0, "1", 1, 1, "1"},     // in mS
        {true, "1", 0, "1", 1, 2, "1000"},  // in uS
        {true, "1", 0, "1", 2, 2, "1"},     // "mOhms" is mega
        {true, "10", 1, "47", 0, 2, "212.7659574"},
        {true, "1", 2, "3", 0, 0, "3.333333333E-7"},
        {false, "1", 1, "1", 1, 0, "0.001"}, // 1 uF, 1 kOhms
        {false, "1", 2, "1", 2, 0, "1E-6"},  // 1 pF, 1 megohm: 1 us
        {false, "2.2", 1, "4.7", 1, 1, "10.34"},
        {false, "1", 0, "1", 0, 2, "1000000"}, // 1 F, 1 ohm in uS
        {false, "1", 2, "1", 0, 0, "1E-12"},
    };
    for (const auto& c : cases) {
        C<QTabWidget>("PageControl1")->setCurrentIndex(c.rl ? 0 : 1);
        Enter(c.rl ? "Edit1" : "Edit3", c.a);
        C<QComboBox>(c.rl ? "ComboBox1" : "ComboBox4")->setCurrentIndex(c.aUnit);
        Enter(c.rl ? "Edit2" : "Edit4", c.r);
        C<QComboBox>(c.rl ? "ComboBox2" : "ComboBox5")->setCurrentIndex(c.rUnit);
        Pick(C<QComboBox>(c.rl ? "ComboBox3" : "ComboBox6"), c.tUnit);
        EXPECT_EQ(Shown(c.rl ? "Label6" : "Label16"), Local(c.t)) << c.a << " " << c.r;
    }
    EXPECT_DOUBLE_EQ(Form()->InductanceRL, 1e-6);
    EXPECT_DOUBLE_EQ(Form()->ResistanceRL, 3.0);
    EXPECT_DOUBLE_EQ(Form()->TimeRL, 1e-6 / 3.0);
    EXPECT_DOUBLE_EQ(Form()->CapacitanceRC, 1e-12);
    EXPECT_DOUBLE_EQ(Form()->ResistanceRC, 1.0);
    EXPECT_TRUE(Boxes().empty());
    Snapshot(Form(), QStringLiteral("Constants-values-%1").arg(GetParam().name));
}

TEST_P(ConstantsTest, NoResistanceInRLIsADivisionByZero) {
    Enter("Edit1", "1");
    Enter("Edit2", "1");
    Click(C("Button1"));
    const QString shown = Shown("Label6");
    const double time = Form()->TimeRL;
    Enter("Edit2", "0");
    Click(C("Button1"));
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "Division par zéro en virgule flottante.");
    EXPECT_EQ(Shown("Label6"), shown);
    EXPECT_EQ(Form()->TimeRL, time);
    EXPECT_EQ(Form()->ResistanceRL, 0.0);
}

TEST_P(ConstantsTest, EmptyBoxesAndResets) {
    Enter("Edit1", "1");
    Enter("Edit2", "1");
    Click(C("Button1"));
    Enter("Edit3", "1");
    Enter("Edit4", "1");
    Click(C("Button2"));
    const QString rc = Shown("Label16");
    // RL: the time unit empties the result while a box is empty; RC keeps it.
    Clear(C("Edit3"));
    Pick(C<QComboBox>("ComboBox6"), 1);
    EXPECT_EQ(Shown("Label16"), rc);
    Pick(C<QComboBox>("ComboBox4"), 0);
    EXPECT_EQ(Shown("Label16"), rc);
    Clear(C("Edit1"));
    Pick(C<QComboBox>("ComboBox1"), 0);
    EXPECT_FALSE(Shown("Label6").isEmpty());
    Pick(C<QComboBox>("ComboBox3"), 0);
    EXPECT_EQ(Shown("Label6"), "");

    // The RL Reset leaves the RC tab as it is (what it empties is the calculator contract's).
    Type(C("Edit1"), "2");
    Click(C("Button1"));
    Activate(Form());
    Click(C("BitBtn1"));
    EXPECT_EQ(QApplication::focusWidget(), C("Edit1"));
    EXPECT_EQ(Shown("Label16"), rc);
    EXPECT_EQ(Get<QLineEdit>("TFormConstants", "Edit4")->text(), Local("1"));
    EXPECT_EQ(Form()->ResistanceRC, 1.0);
}

TEST_P(ConstantsTest, TopicsChooseTheTabAndTableursOpenTheTables) {
    auto* pages = C<QTabWidget>("PageControl1");
    Click(Get<QLabel>("TInterface1", "Label42"));
    EXPECT_TRUE(Form()->isVisible());
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet2");
    Snapshot(Form(), QStringLiteral("Constants-RC-%1").arg(GetParam().name));
    Click(Get<QLabel>("TInterface1", "Label28"));
    Activate(Form());
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(Form()->windowTitle(), English() ? "Time constants RL & RC" : "Constante de temp RL et RC");
    Snapshot(Form(), QStringLiteral("Constants-RL-%1").arg(GetParam().name));

    Click(C("Image13"));
    EXPECT_TRUE(Window("TFormTableurRL")->isVisible());
    pages->setCurrentIndex(1);
    Click(C("Image14"));
    EXPECT_TRUE(Window("TFormTableurRC")->isVisible());
    const std::pair<const char*, const char*> topics[] = {{"Label29", "TFormTableurRL"},
                                                          {"Label34", "TFormTableurRC"}};
    for (const auto& [topic, table] : topics) {
        Window(table)->hide();
        Click(Get<QLabel>("TInterface1", topic));
        EXPECT_TRUE(Window(table)->isVisible()) << topic;
    }
}

// Every cell against t = L / R or R x C worked out from its headings, and a few exact texts.
TEST_P(ConstantsTest, TableCells) {
    const struct {
        const char* window;
        double scale; // heading units to seconds
        const char* resistanceText;
        const char* resistanceEnglish;
        const char* valueText;
        struct {
            int row, column;
            const char* text;
        } cells[4];
    } tables[] = {
        {"TFormTableurRL",
         1.0,
         "La valeur des résistances sont en Ohms",
         "The resistances are in Ohms",
         "Inductance (H)",
         {{1, 1, "0.0001"}, {35, 10, "0.0001471"}, {1, 10, "0.1"}, {5, 2, "0.0001"}}},
        {"TFormTableurRC",
         1e-3,
         "La valeur des résistances sont en KiloOhms",
         "The resistances are in KiloOhms",
         "Capacitance (uF)",
         {{1, 1, "1E-5"}, {35, 10, "6.8"}, {9, 8, "0.01034"}, {13, 7, "0.01"}}},
    };
    for (const auto& t : tables) {
        ui::Window* window = Window(t.window);
        Activate(window);
        auto* grid = Get<QTableWidget>(t.window, "StringGrid1");
        ASSERT_EQ(grid->rowCount(), 36);
        ASSERT_EQ(grid->columnCount(), 11);
        EXPECT_EQ(Text(t.window, "Label1"),
                  QString::fromUtf8(English() ? t.resistanceEnglish : t.resistanceText));
        EXPECT_EQ(Text(t.window, "Label2"), t.valueText);
        EXPECT_EQ(Text(t.window, "Label3"), English() ? "Time" : "Temp");
        EXPECT_EQ(Text(t.window, "Label4"), "(s)");
        for (const auto& c : t.cells)
            EXPECT_EQ(grid->item(c.row, c.column)->text(), Local(c.text))
                << t.window << c.row << "," << c.column;
        const core::Separators& seps = GetParam().separators;
        for (int r = 1; r < 36; ++r) {
            for (int c = 1; c < 11; ++c) {
                const double resistance = double(core::ParseNumber(grid->item(r, 0)->text(), seps));
                const double value = double(core::ParseNumber(grid->item(0, c)->text(), seps));
                const double expected = t.scale > 0.5 ? value / resistance : resistance * value * t.scale;
                const double shown = double(core::ParseNumber(grid->item(r, c)->text(), seps));
                EXPECT_NEAR(shown, expected, expected * 6e-4) << t.window << " " << r << "," << c;
            }
        }
        Snapshot(window, QStringLiteral("%1-%2").arg(t.window + 5).arg(GetParam().name));
    }
}

// Without the English TABLEUR picture the texts are set, Image13 stays empty and the failure
// ends the activation before Image14 is touched; the resonance window's Image7 stays empty too.
TEST_F(GuiTest, EnglishActivationWithoutTheTableurPicture) {
    UsePrivatePictures();
    RemoveFile("interface/tableur_en.bmp");
    Build(QStringLiteral("*"));
    const struct {
        const char* window;
        const char* label;
        const char* english;
        const char* emptied;
        const char* kept;
    } cases[] = {{"TFormConstants", "Label14", "Capacitance (C)", "Image13", "Image14"},
                 {"TFormResonance", "Label6", "Inductance", "Image7", nullptr}};
    for (const auto& c : cases) {
        ForgetBoxes();
        Activate(Window(c.window));
        ASSERT_TRUE(LastBox()) << c.window;
        EXPECT_TRUE(LastBox()->text.startsWith("Impossible d'ouvrir le fichier ")) << c.window;
        EXPECT_EQ(Text(c.window, c.label), c.english);
        EXPECT_TRUE(Get<QLabel>(c.window, c.emptied)->pixmap().isNull()) << c.window;
        if (c.kept) {
            EXPECT_FALSE(Get<QLabel>(c.window, c.kept)->pixmap().isNull()) << c.window;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, ConstantsTest, Settings(), SettingName);

} // namespace
