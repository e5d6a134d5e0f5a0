#include "support/GuiFixture.h"

#include "resistance/Shape.h"
#include "resistance/unit1.h"

#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QColor kBlack(0, 0, 0), kBrown(128, 0, 0), kRed(255, 0, 0), kYellow(255, 255, 0), kViolet(128, 0, 128),
    kWhite(255, 255, 255), kSilver(192, 192, 192), kGreen(0, 128, 0), kBlue(0, 0, 255);

class CodeResTest : public GuiTest {
  protected:
    TFormCodeRes* Form() { return static_cast<TFormCodeRes*>(Window("TFormCodeRes")); }
    QListWidget* List(const char* name) { return Get<QListWidget>("TFormCodeRes", name); }
    resistance::Shape* Ring(const char* name) { return Get<resistance::Shape>("TFormCodeRes", name); }
    QWidget* Component(const char* name) { return Get<QWidget>("TFormCodeRes", name); }
    QString Label(const char* name) { return Text("TFormCodeRes", name); }
    QTabWidget* Pages() { return Get<QTabWidget>("TFormCodeRes", "PageControl1"); }
    QComboBox* Unit() { return Get<QComboBox>("TFormCodeRes", "ComboBox1"); }
    void Select(const char* list, int row) { List(list)->setCurrentRow(row); } // as a pick by key or mouse
    void Rings(int count) {
        Click(Get<QRadioButton>("TFormCodeRes", count == 5 ? "RadioButton4" : "RadioButton3"));
    }
    void ShowTab(int index) {
        Pages()->setCurrentIndex(index);
        Activate(Form());
    }
    std::vector<QString> Result() { return {Label("Label1"), Label("Label2"), Label("Label3")}; }
};

// The decimal text a user reads for an amount of hundredths, grouped by thousands.
QString Hundredths(unsigned __int128 q, const core::Separators& s) {
    QString whole = QString::number(static_cast<qulonglong>(q / 100));
    for (int i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, s.thousands);
    const int cents = static_cast<int>(q % 100);
    return whole + s.decimal + QChar('0' + cents / 10) + QChar('0' + cents % 10);
}

// value × (100 + percent) / 100, rounded half away from zero to hundredths of the unit, in exact
// integers: value in ohms = digits × 10^power, shown in units of 10^unitPower ohms.
QString Expected(int digits, int power, int unitPower, int percentFactor, const core::Separators& s) {
    unsigned __int128 num = static_cast<unsigned __int128>(digits) * percentFactor;
    unsigned __int128 den = 100;
    // hundredths of the unit: × 100 × 10^power / 10^unitPower
    for (int i = 0; i < power + 2; ++i)
        num *= 10;
    for (int i = 0; i < -(power + 2); ++i)
        den *= 10;
    for (int i = 0; i < unitPower; ++i)
        den *= 10;
    return Hundredths((2 * num + den) / (2 * den), s);
}

TEST_F(CodeResTest, TheWindowAndItsTabs) {
    Build("F");
    ASSERT_NE(Form(), nullptr);
    EXPECT_EQ(Form()->windowTitle(), "Résistance (utilitaire)");
    EXPECT_EQ(Form()->size(), QSize(465, 433));
    EXPECT_FALSE(Form()->isVisible());
    ASSERT_EQ(Pages()->count(), 3);
    const char* captions[] = {"Code de résistance", "Valeur recherchée", "Standard de EIA"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Pages()->widget(i)->property("formCaption").toString(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(Pages()->tabText(i), QString::fromUtf8(captions[i]));
    }
    EXPECT_EQ(Pages()->currentIndex(), 0);
}

TEST_F(CodeResTest, StartState) {
    for (const auto& [separators, result] :
         {std::pair{core::EnglishSeparators(), std::vector<QString>{"1.00", "0.99", "1.01"}},
          std::pair{core::FrenchSeparators(), std::vector<QString>{"1,00", "0,99", "1,01"}}}) {
        Build("F", separators);
        EXPECT_EQ(Result(), result);
        EXPECT_EQ(List("ListBox1")->currentItem()->text(), "Noir");
        EXPECT_EQ(List("ListBox2")->currentItem()->text(), "Brun");
        EXPECT_EQ(List("ListBox3")->currentItem()->text(), "Noir");
        EXPECT_EQ(List("ListBox4")->currentItem()->text(), "Brun        +-  1%");
        EXPECT_EQ(List("ListBox5")->currentItem()->text(), "Jaune");
        EXPECT_EQ(Unit()->currentText(), "Ohms");
        const std::pair<const char*, QColor> rings[] = {{"Shape2", kBlack},
                                                        {"Shape3", kBrown},
                                                        {"Shape4", kBlack},
                                                        {"Shape5", kBrown},
                                                        {"Shape15", kYellow}};
        for (const auto& [ring, colour] : rings)
            EXPECT_EQ(Ring(ring)->Fill(), colour) << ring;
        EXPECT_TRUE(Get<QRadioButton>("TFormCodeRes", "RadioButton3")->isChecked());
        EXPECT_TRUE(List("ListBox5")->isHidden());
        EXPECT_EQ(Form()->Digits, 1);
        EXPECT_DOUBLE_EQ(Form()->Highest, 1.01);
        EXPECT_DOUBLE_EQ(Form()->Lowest, 0.99);
        EXPECT_TRUE(Boxes().empty());
        delete Main();
    }
}

TEST_F(CodeResTest, FrenchListItems) {
    Build("F");
    Activate(Form());
    auto items = [&](const char* name) {
        QStringList texts;
        for (int i = 0; i < List(name)->count(); ++i)
            texts << List(name)->item(i)->text();
        return texts;
    };
    const QStringList digits = {"Noir", "Brun", "Rouge",  "Orange", "Jaune",
                                "Vert", "Bleu", "Violet", "Gris",   "Blanc"};
    EXPECT_EQ(items("ListBox1"), digits);
    EXPECT_EQ(items("ListBox2"), digits);
    EXPECT_EQ(items("ListBox5"), digits);
    EXPECT_EQ(items("ListBox3"),
              QStringList({"Noir", "Brun", "Rouge", "Orange", "Jaune", "Vert", "Bleu", "Or", "Argent"}));
    EXPECT_EQ(items("ListBox4"),
              QStringList({"Brun        +-  1%", "Rouge     +-  2%", "Orange    +-  3%", "Jaune      +-  4%",
                           "Or            +-  5%", "Argent     +- 10%", "Aucun     +- 20% "}));
    for (const char* name : {"ListBox1", "ListBox2", "ListBox3", "ListBox4", "ListBox5"}) {
        EXPECT_EQ(List(name)->palette().color(QPalette::Base), kYellow) << name;
        EXPECT_EQ(List(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    }
    EXPECT_EQ(List("ListBox3")->toolTip(), "Multiplificateur");
    EXPECT_EQ(List("ListBox4")->toolTip(), "Tolérance");
    EXPECT_EQ(List("ListBox1")->toolTip(), "Chiffre significatifs");
}

TEST_F(CodeResTest, EdgeCases) {
    const struct {
        int rings, d1, d2, d3, multiplier, tolerance, unit;
        std::vector<QString> result; // value, lowest, highest
    } cases[] = {
        {4, 0, 0, 4, 8, 6, 0, {"0.00", "0.00", "0.00"}},    // black, black, silver, 20 %
        {4, 9, 9, 4, 6, 0, 2, {"99.00", "98.01", "99.99"}}, // white, white, blue in MOhms
        {4, 9, 9, 4, 6, 0, 0, {"99,000,000.00", "98,010,000.00", "99,990,000.00"}},
        {5, 0, 0, 4, 0, 0, 0, {"4.00", "3.96", "4.04"}},    // "004"
        {4, 4, 7, 4, 2, 5, 1, {"4.70", "4.23", "5.17"}},    // yellow, violet, red, silver in KOhms
        {5, 4, 7, 0, 7, 4, 0, {"47.00", "44.65", "49.35"}}, // gold multiplier, gold tolerance
        {5, 9, 9, 9, 6, 6, 0, {"999,000,000.00", "799,200,000.00", "1,198,800,000.00"}},
    };
    Build("F");
    for (const auto& c : cases) {
        Rings(c.rings);
        Select("ListBox1", c.d1);
        Select("ListBox2", c.d2);
        Select("ListBox5", c.d3);
        Select("ListBox3", c.multiplier);
        Select("ListBox4", c.tolerance);
        Pick(Unit(), c.unit);
        EXPECT_EQ(Result(), c.result) << c.rings << " rings " << c.d1 << c.d2 << c.d3;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(CodeResTest, NoToleranceRingThenSilver) {
    Build("F");
    Select("ListBox4", 6);
    EXPECT_FALSE(Ring("Shape5")->Fill().isValid());
    EXPECT_FALSE(Ring("Shape5")->Outline());
    EXPECT_EQ(Result(), (std::vector<QString>{"1.00", "0.80", "1.20"}));
    Select("ListBox4", 5);
    EXPECT_EQ(Ring("Shape5")->Fill(), kSilver);
    EXPECT_TRUE(Ring("Shape5")->Outline());
    EXPECT_EQ(Result(), (std::vector<QString>{"1.00", "0.90", "1.10"}));
}

TEST_F(CodeResTest, RingColoursFollowTheLists) {
    const QColor digits[] = {kBlack, kBrown, kRed,    {255, 128, 0},   kYellow,
                             kGreen, kBlue,  kViolet, {128, 128, 128}, kWhite};
    const QColor light3D(0xE3, 0xE3, 0xE3);
    Build("F");
    Rings(5);
    for (int i = 0; i < 10; ++i) {
        for (const auto& [list, ring] :
             {std::pair{"ListBox1", "Shape2"}, {"ListBox2", "Shape3"}, {"ListBox5", "Shape15"}}) {
            Select(list, i);
            EXPECT_EQ(Ring(ring)->Fill(), digits[i]) << list << " " << i;
        }
    }
    const QColor multipliers[] = {kBlack, kBrown, kRed,    {255, 128, 0}, kYellow,
                                  kGreen, kBlue,  light3D, kSilver};
    for (int i = 0; i < 9; ++i) {
        Select("ListBox3", i);
        EXPECT_EQ(Ring("Shape4")->Fill(), multipliers[i]) << i;
    }
    const QColor tolerances[] = {kBrown, kRed, {255, 128, 0}, kYellow, light3D, kSilver};
    for (int i = 0; i < 6; ++i) {
        Select("ListBox4", i);
        EXPECT_EQ(Ring("Shape5")->Fill(), tolerances[i]) << i;
        EXPECT_TRUE(Ring("Shape5")->Outline());
    }
}

TEST_F(CodeResTest, UnitRescalesWithoutTouchingTheRings) {
    Build("F", core::FrenchSeparators());
    Select("ListBox1", 4);
    Select("ListBox2", 7);
    Select("ListBox3", 3); // 47 000 ohms
    const struct {
        int unit;
        std::vector<QString> result;
    } cases[] = {{1, {"47,00", "46,53", "47,47"}},
                 {2, {"0,05", "0,05", "0,05"}},
                 {0, {"47\u00a0000,00", "46\u00a0530,00", "47\u00a0470,00"}}};
    for (const auto& c : cases) {
        Pick(Unit(), c.unit);
        EXPECT_EQ(Result(), c.result) << c.unit;
        EXPECT_EQ(Ring("Shape2")->Fill(), kYellow);
        EXPECT_EQ(Ring("Shape3")->Fill(), kViolet);
        EXPECT_EQ(Ring("Shape4")->Fill(), QColor(255, 128, 0));
    }
}

TEST_F(CodeResTest, UnitListTakesNoTyping) {
    Build("F");
    Type(Unit(), "km2");
    EXPECT_EQ(Unit()->currentIndex(), 0);
    EXPECT_EQ(Label("Label1"), "1.00");
}

TEST_F(CodeResTest, ModeLayoutsAndSwitching) {
    Build("F");
    Select("ListBox1", 2);
    Select("ListBox2", 2);
    Select("ListBox5", 0);
    struct Place {
        const char* name;
        int four, five; // left edge; -1 hidden in that mode
    };
    const Place places[] = {{"ListBox5", -1, 184}, {"Shape15", -1, 200},   {"ListBox3", 184, 264},
                            {"Shape4", 200, 256},  {"ListBox4", 264, 344}, {"Shape5", 256, 312},
                            {"Shape17", -1, -2},   {"Shape18", -1, -2},    {"Shape25", -1, -2}};
    const struct {
        int rings;
        QString value;
    } steps[] = {{5, "220.00"}, {4, "22.00"}, {5, "220.00"}};
    for (const auto& step : steps) {
        Rings(step.rings);
        EXPECT_EQ(Label("Label1"), step.value);
        for (const Place& p : places) {
            const int left = step.rings == 5 ? p.five : p.four;
            EXPECT_EQ(Component(p.name)->isHidden(), left == -1) << p.name;
            if (left >= 0) {
                EXPECT_EQ(Component(p.name)->x(), left) << p.name << " in " << step.rings << " rings";
            }
        }
        EXPECT_EQ(List("ListBox5")->currentRow(), 0); // kept while hidden
    }
    // Each joining line's ends meet its ring's bottom and its list's top.
    for (int rings : {4, 5}) {
        Rings(rings);
        for (const auto& [down, ring, toList, list] : {std::tuple{"Shape19", "Shape4", "Shape24", "ListBox3"},
                                                       {"Shape26", "Shape5", "Shape28", "ListBox4"}}) {
            const QRect r = Component(ring)->geometry(), l = Component(list)->geometry();
            EXPECT_TRUE(Component(down)->geometry().contains(QPoint(r.center().x(), r.bottom() + 1)))
                << down << rings;
            EXPECT_TRUE(Component(toList)->geometry().contains(QPoint(l.center().x(), l.top() - 1)))
                << toList << rings;
        }
    }
}

TEST_F(CodeResTest, MouseClickOnAnItemDecodes) {
    Build("F");
    QListWidget* list = List("ListBox2");
    const QRect item = list->visualItemRect(list->item(5));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    EXPECT_EQ(list->currentRow(), 5);
    EXPECT_EQ(Ring("Shape3")->Fill(), kGreen);
    EXPECT_EQ(Label("Label1"), "5.00");
}

// Every digit, multiplier and tolerance, in every unit, against exact integer arithmetic.
TEST_F(CodeResTest, EveryCombinationDecodes) {
    const int powers[] = {0, 1, 2, 3, 4, 5, 6, -1, -2};
    const int percents[] = {1, 2, 3, 4, 5, 10, 20};
    const int unitPowers[] = {0, 3, 6};
    for (const core::Separators& s : {core::EnglishSeparators(), core::FrenchSeparators()}) {
        Build("*", s);
        for (int rings : {4, 5}) {
            Rings(rings);
            int mismatches = 0;
            for (int unit = 0; unit < 3; ++unit) {
                Pick(Unit(), unit);
                for (int d1 = 0; d1 < 10; ++d1) {
                    Select("ListBox1", d1);
                    for (int d2 = 0; d2 < 10; ++d2) {
                        Select("ListBox2", d2);
                        for (int d3 = 0; d3 < (rings == 5 ? 10 : 1); ++d3) {
                            if (rings == 5) Select("ListBox5", d3);
                            const int digits = rings == 5 ? d1 * 100 + d2 * 10 + d3 : d1 * 10 + d2;
                            for (int m = 0; m < 9; ++m) {
                                Select("ListBox3", m);
                                for (int t = 0; t < 7; ++t) {
                                    Select("ListBox4", t);
                                    const int p = percents[t], k = powers[m], u = unitPowers[unit];
                                    const std::vector<QString> expected = {
                                        Expected(digits, k, u, 100, s), Expected(digits, k, u, 100 - p, s),
                                        Expected(digits, k, u, 100 + p, s)};
                                    if (Result() != expected && ++mismatches <= 5)
                                        ADD_FAILURE()
                                            << rings << " rings, digits " << digits << " m" << m << " t" << t
                                            << " unit " << unit << ": " << Result()[0].toStdString() << " "
                                            << Result()[1].toStdString() << " " << Result()[2].toStdString()
                                            << " expected " << expected[0].toStdString() << " "
                                            << expected[1].toStdString() << " " << expected[2].toStdString();
                                }
                            }
                        }
                    }
                }
            }
            EXPECT_EQ(mismatches, 0) << rings << " rings";
        }
        delete Main();
    }
}

TEST_F(CodeResTest, EnglishTextsOnActivation) {
    Build("*");
    EXPECT_EQ(Label("RadioButton3"), "4 anneaux"); // the form's texts until activation
    Activate(Form());
    EXPECT_EQ(Form()->windowTitle(), "Resistance");
    EXPECT_EQ(Pages()->tabText(0), "Resistor color code");
    EXPECT_EQ(Pages()->tabText(1), "Resistor search");
    EXPECT_EQ(Pages()->tabText(2), "Standard EIA");
    EXPECT_EQ(Pages()->widget(1)->property("formCaption").toString(), "Valeur recherchée");
    const std::pair<const char*, const char*> texts[] = {
        {"RadioButton3", "4 rings"},
        {"RadioButton4", "5 rings"},
        {"Label5", "Value"},
        {"Label6", "Tolerance"},
        {"Label4", "to"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(Label(name), text) << name;
    EXPECT_EQ(Get<QGroupBox>("TFormCodeRes", "GroupBox7")->title(), "calculator");
    EXPECT_EQ(List("ListBox1")->currentItem()->text(), "Black");
    EXPECT_EQ(List("ListBox2")->currentItem()->text(), "Brown");
    EXPECT_EQ(List("ListBox5")->currentItem()->text(), "Yellow");
    EXPECT_EQ(List("ListBox1")->item(8)->text(), "Gray");
    EXPECT_EQ(List("ListBox3")->item(7)->text(), "Gold");
    EXPECT_EQ(List("ListBox3")->item(8)->text(), "Silver");
    EXPECT_EQ(List("ListBox4")->item(0)->text(), "Brown");
    EXPECT_EQ(List("ListBox4")->item(6)->text(), "None");
    EXPECT_EQ(List("ListBox4")->toolTip(), "Tolérance"); // hints stay French
    EXPECT_EQ(Result(), (std::vector<QString>{"1.00", "0.99", "1.01"}));
}

TEST_F(CodeResTest, FrenchMarkKeepsTheFormTexts) {
    Build("F");
    Activate(Form());
    EXPECT_EQ(Form()->windowTitle(), "Résistance (utilitaire)");
    EXPECT_EQ(Pages()->tabText(2), "Standard de EIA");
    EXPECT_EQ(Label("Label4"), "A");
    EXPECT_EQ(List("ListBox4")->item(6)->text(), "Aucun     +- 20% ");
}

// Coming back to the window keeps what the user chose: lists, rings and result agree.
TEST_F(CodeResTest, ActivationKeepsTheChoices) {
    Build("*");
    Activate(Form());
    Rings(5);
    Select("ListBox1", 6);
    Select("ListBox2", 8);
    Select("ListBox5", 2);
    Select("ListBox3", 7);
    Select("ListBox4", 6);
    Pick(Unit(), 1);
    const std::vector<QString> before = Result();
    EXPECT_EQ(before, (std::vector<QString>{"0.07", "0.05", "0.08"})); // 68.2 ohms in KOhms
    for (int round = 0; round < 2; ++round) {
        Activate(Main());
        Activate(Form());
        EXPECT_EQ(List("ListBox1")->currentItem()->text(), "Blue");
        EXPECT_EQ(List("ListBox2")->currentItem()->text(), "Gray");
        EXPECT_EQ(List("ListBox5")->currentItem()->text(), "Red");
        EXPECT_EQ(List("ListBox3")->currentItem()->text(), "Gold");
        EXPECT_EQ(List("ListBox4")->currentItem()->text(), "None");
        EXPECT_EQ(Unit()->currentText(), "KOhms");
        EXPECT_EQ(Ring("Shape2")->Fill(), kBlue);
        EXPECT_FALSE(Ring("Shape5")->Fill().isValid());
        EXPECT_EQ(Result(), before);
        EXPECT_TRUE(Get<QRadioButton>("TFormCodeRes", "RadioButton4")->isChecked());
    }
}

TEST_F(CodeResTest, DecoderPrintShowsNothing) {
    Build("F");
    Click(Component("BitBtn3"));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(CodeResTest, Snapshots) {
    for (const char* mark : {"F", "*"}) {
        BuildIn(mark);
        const QString lang = mark[0] == '*' ? "en" : "fr";
        ShowTab(0);
        Snapshot(Form(), "coderes-decoder4-" + lang);
        Rings(5);
        Select("ListBox1", 4);
        Select("ListBox2", 7);
        Select("ListBox5", 0);
        Select("ListBox3", 8);
        Select("ListBox4", 6);
        Snapshot(Form(), "coderes-decoder5-" + lang);
        ShowTab(1);
        Type(Component("Edit1"), mark[0] == '*' ? "47.5" : "47,5");
        Click(Get<QRadioButton>("TFormCodeRes", "RadioButton2"));
        Snapshot(Form(), "coderes-search5-" + lang);
        Click(Get<QRadioButton>("TFormCodeRes", "RadioButton1"));
        Snapshot(Form(), "coderes-search4-" + lang);
        ShowTab(2);
        Snapshot(Form(), "coderes-standard-" + lang);
        delete Main();
    }
}

} // namespace
