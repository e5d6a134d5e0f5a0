#include "capacitance/ReactanceCap.h"
#include "capacitance/TabReacCap.h"
#include "support/GuiFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

class ReactanceCapTest : public WindowTest<TFormReacCap, '*'> {
  protected:
    QString Result() { return Text("TFormReacCap", "Label6"); }
    void Enter(const char* frequency, int frequencyUnit, const char* capacitance, int capacitanceUnit) {
        EnterLocal({{"Edit1", frequency}});
        List("ComboBox1")->setCurrentIndex(frequencyUnit);
        EnterLocal({{"Edit2", capacitance}});
        List("ComboBox2")->setCurrentIndex(capacitanceUnit);
    }
};

TEST_P(ReactanceCapTest, FormAsCreated) {
    EXPECT_STREQ(Form()->metaObject()->className(), "TFormReacCap");
    EXPECT_EQ(Form()->windowTitle(), "Calcul de la Réactance Capacitive");
    EXPECT_EQ(Form()->size(), QSize(432, 268));
    const struct {
        const char* list;
        std::vector<QString> items;
    } lists[] = {{"ComboBox1", {"Hertz", "kHertz", "mHertz"}},
                 {"ComboBox2", {"uF", "nF"}},
                 {"ComboBox3", {"Ohms", "kOhms", "mOhms"}}};
    for (const auto& l : lists) {
        EXPECT_EQ(Items(List(l.list)), l.items);
        EXPECT_EQ(List(l.list)->currentIndex(), 0) << l.list;
    }
    EXPECT_EQ(Form()->Frequency, 0.0);
    EXPECT_EQ(Form()->Capacitance, 0.0);
    EXPECT_EQ(Form()->Reactance, 0.0);
    EXPECT_EQ(Get<QWidget>("TFormReacCap", "Edit1")->geometry(), QRect(80, 24, 73, 21));
    EXPECT_EQ(Get<QWidget>("TFormReacCap", "Label6")->geometry(), QRect(48, 80, 113, 17));
}

TEST_P(ReactanceCapTest, Results) {
    const struct {
        const char* f;
        int fUnit;
        const char* c;
        int cUnit;
        int outUnit;
        const char* result;
    } cases[] = {
        {"1", 1, "1", 0, 0, "159.2357"}, // kHertz, uF: 6.28, not 2 pi (159.1549)
        {"1", 2, "1", 1, 0, "159.2357"}, // "mHertz" is mega
        {"50", 0, "1", 0, 0, "3,184.7134"},   {"1", 1, "1", 0, 1, "0.1592"}, // kOhms
        {"1", 0, "1", 1, 2, "159.2357"}, // "mOhms" is mega: 159.2356688 megohms
        {"2.5", 1, "0.47", 0, 0, "135.5197"}, {"1", 0, "1", 0, 0, "159,235.6688"},
    };
    for (const auto& c : cases) {
        Enter(c.f, c.fUnit, c.c, c.cUnit);
        List("ComboBox3")->setCurrentIndex(c.outUnit);
        Click(Get<QWidget>("TFormReacCap", "Button1"));
        EXPECT_EQ(Result(), Local(c.result)) << c.f << " " << c.c;
        EXPECT_TRUE(Boxes().empty());
    }
}

TEST_P(ReactanceCapTest, StoredFieldsInBaseUnitsAndResultUnit) {
    Enter("2", 1, "3", 1);
    Pick(List("ComboBox3"), 1);
    EXPECT_DOUBLE_EQ(Form()->Frequency, 2000.0);
    EXPECT_DOUBLE_EQ(Form()->Capacitance, 3e-9);
    EXPECT_DOUBLE_EQ(Form()->Reactance, 1.0 / (2000.0 * 3e-9 * 6.28) / 1000.0);
}

TEST_P(ReactanceCapTest, UnitChangesRecomputeOnlyWithBothBoxes) {
    Enter("1", 1, "1", 0);
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    Pick(List("ComboBox3"), 1);
    EXPECT_EQ(Result(), Local("0.1592"));
    Pick(List("ComboBox1"), 0);
    EXPECT_EQ(Result(), Local("159.2357")); // 1 hertz and 1 uF, in kOhms
    EXPECT_EQ(Text("TFormReacCap", "Label10"), "Hertz");

    // Capacitance box empty: a frequency unit only echoes, the result stays.
    Pick(List("ComboBox1"), 1);
    const QString before = Result();
    Clear(Edit("Edit2"));
    Pick(List("ComboBox1"), 2);
    EXPECT_EQ(Text("TFormReacCap", "Label10"), "mHertz");
    EXPECT_EQ(Result(), before);
    Pick(List("ComboBox2"), 1);
    EXPECT_EQ(Text("TFormReacCap", "Label11"), "nF");
    EXPECT_EQ(Result(), before);
    // Frequency box empty: the result unit empties the result.
    Clear(Edit("Edit1"));
    Type(Edit("Edit2"), "1");
    Pick(List("ComboBox3"), 0);
    EXPECT_EQ(Result(), "");
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(ReactanceCapTest, FailuresKeepTheResult) {
    Enter("1", 1, "1", 0);
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    const QString shown = Result();
    const QChar other = GetParam().separators.decimal == '.' ? ',' : '.';
    const struct {
        QString f, c;
        QString box;
    } cases[] = {
        {"", "1", "'' n'est pas une valeur en virgule flottante correcte."},
        {"1", "", "'' n'est pas une valeur en virgule flottante correcte."},
        {QString("1") + other + "5", "1",
         QString("'1") + other + "5' n'est pas une valeur en virgule flottante correcte."},
        {"0", "1", "Division par zéro en virgule flottante."},
        {"1", "0", "Division par zéro en virgule flottante."},
    };
    for (const auto& c : cases) {
        ForgetBoxes();
        Edit("Edit1")->setText(c.f);
        Edit("Edit2")->setText(c.c);
        Click(Get<QWidget>("TFormReacCap", "Button1"));
        ASSERT_TRUE(LastBox()) << c.box.toStdString();
        EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
        EXPECT_EQ(LastBox()->text, c.box);
        EXPECT_EQ(LastBox()->owner, Form());
        EXPECT_EQ(Result(), shown);
        // The echoes were written before the conversion.
        EXPECT_EQ(Text("TFormReacCap", "Label8"), c.f);
        EXPECT_EQ(Text("TFormReacCap", "Label9"), c.c);
    }
    // Blanks count as text for the change rule, then fail to convert.
    Edit("Edit1")->setText("  ");
    Edit("Edit2")->setText("1");
    ForgetBoxes();
    Pick(List("ComboBox3"), 1);
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "'  ' n'est pas une valeur en virgule flottante correcte.");
}

// Emptied boxes, result and fields and the kept lists are the calculator contract's.
TEST_P(ReactanceCapTest, ResetKeepsEchoesAndUnits) {
    Enter("1", 1, "1", 1);
    Pick(List("ComboBox3"), 1);
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    Activate(Form());
    Click(Get<QWidget>("TFormReacCap", "BitBtn2"));
    EXPECT_EQ(QApplication::focusWidget(), Edit("Edit1"));
    EXPECT_EQ(Text("TFormReacCap", "Label8"), "1");
    EXPECT_EQ(Text("TFormReacCap", "Label10"), "kHertz");
    EXPECT_EQ(Text("TFormReacCap", "Label11"), "nF");
}

TEST_P(ReactanceCapTest, TwoDigitIsReadByNothing) {
    Enter("1", 1, "1", 0);
    Click(Get<QWidget>("TFormReacCap", "CheckBox1"));
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    EXPECT_EQ(Result(), Local("159.2357"));
}

INSTANTIATE_TEST_SUITE_P(Separators, ReactanceCapTest, BothSeparators(), SeparatorName);

class ReactanceCapLanguage : public GuiTest {};

TEST_F(ReactanceCapLanguage, EnglishTextsAndPictureAtEveryActivation) {
    Build("*");
    auto* form = Window("TFormReacCap");
    const QImage french = Get<QLabel>("TFormReacCap", "Image6")->pixmap().toImage();
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Capacitive reactance");
    // The labels' texts are the calculator contract's.
    EXPECT_EQ(Text("TFormReacCap", "CheckBox1"), "2 Digit");
    const QImage english = Get<QLabel>("TFormReacCap", "Image6")->pixmap().toImage();
    EXPECT_EQ(english.convertToFormat(QImage::Format_RGB32),
              ui::LoadPicture("interface/tableur_en.bmp").convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(english.convertToFormat(QImage::Format_RGB32), french.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(Boxes().empty());
    Type(Get<QLineEdit>("TFormReacCap", "Edit1"), "1");
    Pick(Get<QComboBox>("TFormReacCap", "ComboBox1"), 1);
    Type(Get<QLineEdit>("TFormReacCap", "Edit2"), "1");
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    Snapshot(form, "ReactanceCap-en");
}

TEST_F(ReactanceCapLanguage, FrenchMarkKeepsTheForm) {
    UsePrivatePictures();
    RemoveFile("interface/tableur_en.bmp");
    Build("F");
    auto* form = Window("TFormReacCap");
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Calcul de la Réactance Capacitive");
    EXPECT_EQ(Text("TFormReacCap", "Label2"), "Fréquence en Hertz");
    EXPECT_EQ(Get<QGroupBox>("TFormReacCap", "GroupBox1")->title(), "Résultat");
    EXPECT_TRUE(Boxes().empty()); // no file read in French
    Snapshot(form, "ReactanceCap-fr");
}

TEST_F(ReactanceCapLanguage, MissingEnglishTableurLeavesTheOvalEmpty) {
    const QString root = UsePrivatePictures();
    RemoveFile("interface/tableur_en.bmp");
    Build("*");
    auto* form = Window("TFormReacCap");
    Activate(form);
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "Impossible d'ouvrir le fichier " + root + "interface/tableur_en.bmp.");
    EXPECT_TRUE(Get<QLabel>("TFormReacCap", "Image6")->pixmap().isNull());
    EXPECT_EQ(Text("TFormReacCap", "Label4"), "Frequency"); // set before the picture
}

TEST_F(ReactanceCapLanguage, TopicAndTableurOpenTheirWindowsWithoutBlocking) {
    Build("*");
    Click(Get<QWidget>("TInterface1", "Label13"));
    EXPECT_TRUE(Window("TFormReacCap")->isVisible());
    EXPECT_FALSE(Window("TFormReacCap")->isModal());
    Click(Get<QWidget>("TFormReacCap", "Image6"));
    EXPECT_TRUE(Window("TFormTabReacCap")->isVisible());
    Window("TFormTabReacCap")->hide();
    Click(Get<QWidget>("TInterface1", "Label14"));
    EXPECT_TRUE(Window("TFormTabReacCap")->isVisible());
}

TEST_F(ReactanceCapLanguage, TypedValuesSurviveHidingAndReactivation) {
    Build("*");
    auto* form = Window("TFormReacCap");
    Activate(form);
    Type(Get<QLineEdit>("TFormReacCap", "Edit1"), "1");
    Type(Get<QLineEdit>("TFormReacCap", "Edit2"), "1");
    Pick(Get<QComboBox>("TFormReacCap", "ComboBox1"), 1);
    form->hide();
    Activate(Main());
    Activate(form);
    EXPECT_EQ(Text("TFormReacCap", "Edit1"), "1");
    EXPECT_EQ(Text("TFormReacCap", "Label6"), "159.2357");
    EXPECT_EQ(Get<QComboBox>("TFormReacCap", "ComboBox1")->currentIndex(), 1);
}

class TabReacCapTest : public SeparatorTest {};

TEST_P(TabReacCapTest, CellsFollowTheFormulaInBothRanges) {
    Build("*", GetParam().separators);
    auto* table = static_cast<TFormTabReacCap*>(Window("TFormTabReacCap"));
    auto* grid = Get<QTableWidget>("TFormTabReacCap", "StringGrid1");
    ASSERT_EQ(grid->rowCount(), 36);
    ASSERT_EQ(grid->columnCount(), 7);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    const core::Separators s = GetParam().separators;
    const struct {
        int range;
        int row, column;
        double hertz, microfarad;
    } cells[] = {
        {0, 1, 1, 25, 0.25},     {0, 35, 6, 20000, 4.0},     {0, 16, 3, 1000, 1.0},
        {1, 1, 1, 10e3, 0.0001}, {1, 35, 6, 5000e3, 0.0005}, {1, 10, 2, 100e3, 0.00015},
    };
    for (const auto& c : cells) {
        Click(Get<QWidget>("TFormTabReacCap", c.range == 0 ? "RadioButton1" : "RadioButton2"));
        EXPECT_EQ(table->Range(), c.range);
        // Independent: 1 / (f C 6.28), read back from the cell's text.
        const long double expected =
            1.0L / (static_cast<long double>(c.hertz) * (c.microfarad * 1e-6L) * 6.28L);
        QString cell = grid->item(c.row, c.column)->text();
        cell.remove(s.thousands);
        const long double shown = core::ParseNumber(cell, s);
        EXPECT_NEAR(static_cast<double>(shown), static_cast<double>(expected),
                    0.005 + 1e-7 * static_cast<double>(expected))
            << c.row << "," << c.column;
        EXPECT_EQ(grid->item(c.row, 0)->text(), core::FormatNumber(c.range == 0 ? c.hertz : c.hertz / 1000,
                                                                   core::FloatFormat::Number, 15, 0, s));
        EXPECT_EQ(grid->item(0, c.column)->text(), core::FormatGeneral(c.microfarad, s));
    }
    // Headings written with the regional separator.
    Click(Get<QWidget>("TFormTabReacCap", "RadioButton1"));
    EXPECT_EQ(grid->item(0, 1)->text(), QString("0") + s.decimal + "25");
    EXPECT_EQ(TFormTabReacCap::RangeAxis(0).frequencies.size(), 35u);
    EXPECT_EQ(TFormTabReacCap::RangeAxis(1).frequencies.size(), 35u);
}

INSTANTIATE_TEST_SUITE_P(Separators, TabReacCapTest, BothSeparators(), SeparatorName);

TEST_F(ReactanceCapLanguage, TableSpeaksEnglish) {
    Build("*");
    auto* table = Window("TFormTabReacCap");
    EXPECT_EQ(table->windowTitle(), "Tableur de la Réactance Capacitive(Ohms)");
    Activate(table);
    EXPECT_EQ(table->windowTitle(), "Table of capacitive reactance (Ohms)");
    EXPECT_EQ(Text("TFormTabReacCap", "RadioButton1"),
              "Capacitive reactance from 25 - 20 000 Hz for 0.25 - 4.0 uF");
    Snapshot(table, "TabReacCap-en");
}

} // namespace

namespace {

// The whole road of one request, from the main window's topic to the shown result.
TEST_F(ReactanceCapLanguage, OneRequestFromTheTopicToTheResult) {
    Build("*", core::FrenchSeparators());
    Activate(Main());
    Hover(Get<QWidget>("TInterface1", "Label13"));
    Click(Get<QWidget>("TInterface1", "Label13"));
    auto* form = Window("TFormReacCap");
    ASSERT_TRUE(form->isVisible());
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Capacitive reactance");
    Type(Get<QLineEdit>("TFormReacCap", "Edit1"), "1");
    Pick(Get<QComboBox>("TFormReacCap", "ComboBox1"), 1);
    Type(Get<QLineEdit>("TFormReacCap", "Edit2"), "1");
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    EXPECT_EQ(Text("TFormReacCap", "Label6"), "159,2357");
    EXPECT_EQ(Text("TFormReacCap", "Label8"), "1");
    EXPECT_EQ(Text("TFormReacCap", "Label10"), "kHertz");
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
