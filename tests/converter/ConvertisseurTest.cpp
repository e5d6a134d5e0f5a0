#include "support/GuiFixture.h"

#include "converter/Convertisseur.h"
#include "formulas/Conversions.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kForm = "TFormConvertisseur";

class ConvertisseurTest : public SeparatorTest {
  protected:
    void Open(const char* mark) {
        Build(QString::fromLatin1(mark), GetParam().separators);
        Activate(Form());
    }
    TFormConvertisseur* Form() { return static_cast<TFormConvertisseur*>(Window(kForm)); }
    QLineEdit* Edit(const QString& name) { return Get<QLineEdit>(kForm, name.toLatin1().constData()); }
    QListWidget* List(int number) {
        return Get<QListWidget>(kForm, QStringLiteral("ListBox%1").arg(number).toLatin1().constData());
    }
    QComboBox* Combo(const char* name) { return Get<QComboBox>(kForm, name); }
    QTabWidget* Pages() { return Get<QTabWidget>(kForm, "PageControl1"); }
    QCheckBox* Dig2() { return Get<QCheckBox>(kForm, "CheckBox1"); }
    QRadioButton* Radio(int n) { return Get<QRadioButton>(kForm, n == 1 ? "RadioButton1" : "RadioButton2"); }
    void ClickItem(int listNumber, int row) {
        QListWidget* list = List(listNumber);
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
    }
    void TypeInto(const QString& box, const char* english) {
        Clear(Edit(box));
        Type(Edit(box), Local(english));
    }
    bool Greyed(QWidget* w) { return w->palette().color(QPalette::Text) == QColor(128, 128, 128); }
};

TEST_P(ConvertisseurTest, FrameAsCreatedAndTheModeSwitch) {
    Open("F");
    EXPECT_EQ(Form()->windowTitle(), "");
    EXPECT_EQ(Form()->size(), QSize(510, 332));
    EXPECT_EQ(Pages()->currentIndex(), 0);
    EXPECT_EQ(Pages()->count(), 12);
    EXPECT_EQ(Items(Combo("ComboBox2")).back(), " ");
    EXPECT_EQ(Items(Combo("ComboBox1")).size(), 12u);
    EXPECT_EQ(Items(Combo("ComboBox1")).back(), " ");
    EXPECT_EQ(Combo("ComboBox1")->currentText(), "Décimal = 6");
    EXPECT_EQ(Combo("ComboBox2")->currentText(), "Précision=8");
    EXPECT_EQ(Form()->DisplayPrecision, 8);
    EXPECT_EQ(Form()->DisplayMode, TFormConvertisseur::Mode::General);
    EXPECT_FALSE(Dig2()->isVisible());
    EXPECT_FALSE(Get<QWidget>(kForm, "Label17")->isVisible());
    EXPECT_FALSE(Combo("ComboBox1")->isEnabled());
    EXPECT_TRUE(Greyed(Combo("ComboBox1")));

    Click(Radio(2));
    EXPECT_EQ(Form()->DisplayMode, TFormConvertisseur::Mode::Integral);
    EXPECT_TRUE(Combo("ComboBox1")->isEnabled());
    EXPECT_EQ(Combo("ComboBox1")->palette().color(QPalette::Text), QColor(Qt::black));
    Click(Radio(1));
    EXPECT_FALSE(Combo("ComboBox1")->isEnabled());
    EXPECT_TRUE(Greyed(Combo("ComboBox1")));
}

TEST_P(ConvertisseurTest, PrecisionAndDecimalsChoices) {
    Open("F");
    ClickItem(1, 2); // A
    ClickItem(2, 1); // mA
    TypeInto("Edit1", "1.23456789012");
    EXPECT_EQ(Edit("Edit2")->text(), Local("1234.5679"));
    Pick(Combo("ComboBox2"), 2);
    EXPECT_EQ(Form()->DisplayPrecision, 12);
    EXPECT_EQ(Edit("Edit2")->text(), Local("1234.56789012"));
    Pick(Combo("ComboBox2"), 7); // the blank item keeps the precision
    EXPECT_EQ(Form()->DisplayPrecision, 12);
    Click(Radio(2));
    EXPECT_EQ(Edit("Edit2")->text(), Local("1234.567890")); // Integral, 6 decimals
    Pick(Combo("ComboBox1"), 0);
    EXPECT_EQ(Edit("Edit2")->text(), Local("1234.57"));
    Pick(Combo("ComboBox1"), 11); // blank: the decimals in force stay
    EXPECT_EQ(Edit("Edit2")->text(), Local("1234.57"));
    Pick(Combo("ComboBox2"), 6); // 20 acts as 18
    EXPECT_EQ(Form()->DisplayPrecision, 20);
    EXPECT_EQ(Edit("Edit2")->text(), Local("1234.57"));
}

TEST_P(ConvertisseurTest, UnitClickOnAnEmptyPageOnlyNamesTheUnit) {
    Open("F");
    Pages()->setCurrentIndex(1);
    List(3)->setFocus(); // tabbing in chooses nothing
    EXPECT_EQ(QApplication::focusWidget(), List(3));
    EXPECT_EQ(Text(kForm, "Label4"), "");
    ClickItem(4, 3); // "KW" in the to list
    EXPECT_EQ(Text(kForm, "Label5"), "KW");
    EXPECT_EQ(QApplication::focusWidget(), Edit("Edit3"));
    EXPECT_EQ(Edit("Edit4")->text(), "");
    ClickItem(3, 4); // "MW "
    EXPECT_EQ(List(3)->item(4)->text(), "MW ");
    EXPECT_EQ(Text(kForm, "Label4"), "MW");
    TypeInto("Edit3", "2.5");
    EXPECT_EQ(Edit("Edit4")->text(), Local("2500")); // typing converts at once
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(ConvertisseurTest, PrefixPagesConvert) {
    Open("*");
    const struct {
        int page, row, toRow;
        const char* input;
        const char* output;
    } rows[] = {
        {0, 1, 2, "1500", "1.5"},    {0, 0, 1, "2.5", "0.0025"},  {1, 4, 2, "2", "2000000"},
        {1, 0, 3, "7", "7E-9"},      {2, 2, 1, "4.7", "4700"},    {2, 0, 2, "100", "0.0001"},
        {3, 4, 4, "1", "1"},         {3, 1, 3, "3300", "0.0033"}, {4, 0, 2, "4700", "0.0047"},
        {4, 3, 0, "1", "1E12"},      {5, 1, 0, "2.2", "2200"},    {5, 0, 2, "150", "0.00015"},
        {6, 3, 1, "1.5", "1500000"}, {6, 0, 2, "27", "2.7E-5"},
    };
    for (const auto& r : rows) {
        Pages()->setCurrentIndex(r.page);
        const int from = 2 * r.page + 1;
        ClickItem(from, r.row);
        ClickItem(from + 1, r.toRow);
        TypeInto(QStringLiteral("Edit%1").arg(from), r.input);
        EXPECT_EQ(Edit(QStringLiteral("Edit%1").arg(from + 1))->text(), Local(r.output))
            << r.page << " " << r.input;
    }
    EXPECT_TRUE(Boxes().empty());
}

const char* const kPairLabels[] = {"Label3", "Label19", "Label22", "Label21", "Label23"};

// The first and last pair of each page: the list and the table of factors line up.
TEST_P(ConvertisseurTest, PairPagesConvertTheChosenPair) {
    Open("F");
    Pick(Combo("ComboBox2"), 2); // 12 digits
    const struct {
        int page, row;
        const char* input;
        const char* output;
    } rows[] = {
        {7, 0, "1", "1.25663706144"},  {7, 54, "2", "0.619920992166"}, {7, 77, "13.5951", "1"},
        {8, 0, "250", "0.25"},         {8, 30, "1", "1.609344"},       {9, 0, "1", "6.4516"},
        {9, 7, "1", "0.386102158542"}, {10, 0, "1", "16.387064"},      {10, 9, "1", "0.908082984269"},
        {11, 0, "1000", "64.79891"},   {11, 11, "1", "1.10231131092"},
    };
    for (const auto& r : rows) {
        Pages()->setCurrentIndex(r.page);
        const int list = r.page + 8;
        const QString input = QStringLiteral("Edit%1").arg(2 * r.page + 1);
        TypeInto(input, r.input);
        ClickItem(list, r.row);
        EXPECT_EQ(Text(kForm, kPairLabels[r.page - 7]), List(list)->item(r.row)->text());
        EXPECT_EQ(Edit(QStringLiteral("Edit%1").arg(2 * r.page + 2))->text(), Local(r.output))
            << r.page << " " << r.row;
    }
}

// What a conversion writes, "Dig 2" reads back: every output parses in both modes.
TEST_P(ConvertisseurTest, OutputsParseBackInBothModes) {
    Open("*");
    const char* inputs[] = {"1", "0.001", "123456.789", "98765432109876", "0.000000123"};
    for (int mode : {1, 2}) {
        Click(Radio(mode));
        for (int page = TFormConvertisseur::kFirstPairPage; page < TFormConvertisseur::kPages; ++page) {
            Pages()->setCurrentIndex(page);
            QListWidget* list = List(page + 8);
            for (int row = 0; row < list->count(); ++row) {
                ClickItem(page + 8, row);
                for (const char* input : inputs) {
                    TypeInto(QStringLiteral("Edit%1").arg(2 * page + 1), input);
                    const QString shown = Edit(QStringLiteral("Edit%1").arg(2 * page + 2))->text();
                    ASSERT_FALSE(shown.isEmpty()) << page << " " << row << " " << input;
                    const long double expected = formulas::ConvertPair(
                        static_cast<formulas::PairPage>(page - TFormConvertisseur::kFirstPairPage), row,
                        core::ParseNumber(Local(input), Separators()));
                    long double parsed = 0;
                    EXPECT_NO_THROW(parsed = core::ParseNumber(shown, Separators())) << shown.toStdString();
                    // 8 significant digits, and in Integral 6 decimals at most.
                    const long double allowed =
                        std::max(std::fabs(expected) * 1e-7L, mode == 2 ? 5e-7L : 0.0L);
                    EXPECT_LE(std::fabs(parsed - expected), allowed) << shown.toStdString();
                }
            }
        }
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(ConvertisseurTest, TwoDigitDisplay) {
    Open("*");
    Pages()->setCurrentIndex(8);
    ClickItem(16, 11); // dm = cm
    TypeInto("Edit17", "0.35");
    EXPECT_EQ(Edit("Edit18")->text(), Local("3.5"));
    Click(Dig2());
    EXPECT_EQ(Edit("Edit18")->text(), Local("3.50"));
    EXPECT_EQ(Form()->LengthValue, 3.5);
    EXPECT_FALSE(Radio(1)->isEnabled());
    EXPECT_FALSE(Radio(2)->isEnabled());
    EXPECT_FALSE(Combo("ComboBox1")->isEnabled());
    EXPECT_TRUE(Greyed(Combo("ComboBox1")));

    ClickItem(16, 15); // m = mm: the pair choice converts and shows two decimals again
    TypeInto("Edit17", "1.2345");
    EXPECT_EQ(Edit("Edit18")->text(), Local("1,234.50")); // Number groups thousands
    EXPECT_EQ(Form()->LengthValue, 1234.5);

    Pages()->setCurrentIndex(0); // hidden on a prefix page, still checked
    EXPECT_FALSE(Dig2()->isVisible());
    EXPECT_TRUE(Dig2()->isChecked());
    EXPECT_TRUE(Radio(1)->isEnabled());
    Pages()->setCurrentIndex(11);
    EXPECT_TRUE(Dig2()->isVisible());
    EXPECT_TRUE(Get<QWidget>(kForm, "Label17")->isVisible());
    EXPECT_EQ(Edit("Edit24")->text(), ""); // empty input: untouched
    EXPECT_FALSE(Radio(1)->isEnabled());

    Pages()->setCurrentIndex(8);
    Click(Dig2()); // unchecked: converts again in the mode in force
    EXPECT_TRUE(Radio(1)->isEnabled());
    EXPECT_EQ(Edit("Edit18")->text(), Local("1234.5"));
    EXPECT_FALSE(Combo("ComboBox1")->isEnabled());
    Click(Radio(2));
    Click(Dig2());
    Click(Dig2());
    EXPECT_TRUE(Combo("ComboBox1")->isEnabled());
    EXPECT_FALSE(Greyed(Combo("ComboBox1")));
    EXPECT_EQ(Edit("Edit18")->text(), Local("1234.500000"));
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(ConvertisseurTest, FailuresOnTriggersButNotWhileTyping) {
    Open("*");
    Pages()->setCurrentIndex(8);
    TypeInto("Edit17", "2");
    EXPECT_EQ(Edit("Edit18")->text(), Local("0.002"));
    const QString failure = QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte.");
    Edit("Edit17")->setText("2x"); // pasted: past the key filter and the change handler
    ClickItem(16, 3);
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, failure.arg("2x"));
    EXPECT_EQ(Edit("Edit18")->text(), Local("0.002")); // the output keeps what it showed
    EXPECT_EQ(Text(kForm, "Label19"), List(16)->item(3)->text());

    // The other separator: no number, but no box while typing either.
    ForgetBoxes();
    TypeInto("Edit17", "2");
    Type(Edit("Edit17"), Separators().decimal == ',' ? "." : ",");
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Edit("Edit18")->text(), "");
    ClickItem(16, 4);
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, failure.arg(Edit("Edit17")->text()));

    Pages()->setCurrentIndex(7);
    ClickItem(15, 54); // eV to wavelength: no photon of zero energy
    ForgetBoxes();
    TypeInto("Edit15", "0");
    EXPECT_TRUE(Boxes().empty());
    Pick(Combo("ComboBox2"), 1);
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "Division par zéro en virgule flottante.");
}

// A failure stops the conversions after it, so the first bad page tells the order.
TEST_P(ConvertisseurTest, ModeSwitchConvertsDiversFirst) {
    Open("*");
    const QString other = Separators().decimal == ',' ? "." : ",";
    Type(Edit("Edit1"), "1" + other + "5");
    Type(Edit("Edit15"), "2" + other + "5");
    EXPECT_TRUE(Boxes().empty());
    const QString failure = QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte.");
    Click(Radio(2));
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, failure.arg("2" + other + "5"));
    EXPECT_EQ(Form()->DisplayMode, TFormConvertisseur::Mode::Integral); // set before the conversions
    Pick(Combo("ComboBox1"), 3);
    EXPECT_EQ(LastBox()->text, failure.arg("1" + other + "5"));
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_P(ConvertisseurTest, ActivationRefillsTheLists) {
    for (const char* mark : {"*", "F"}) {
        Open(mark);
        const bool english = mark[0] == '*';
        Pick(Combo("ComboBox2"), 4);
        Pick(Combo("ComboBox1"), 8);
        Pages()->setCurrentIndex(11);
        ClickItem(19, 5);
        Activate(Main());
        Activate(Form());
        const int counts[] = {78, 31, 8, 10, 12};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(List(15 + i)->count(), counts[i]) << mark << " " << 15 + i;
            EXPECT_EQ(List(15 + i)->currentRow(), 0);
        }
        EXPECT_EQ(Text(kForm, "Label23"), List(19)->item(0)->text());
        EXPECT_EQ(Form()->DisplayPrecision, english ? 8 : 16);
        if (english) {
            EXPECT_EQ(Combo("ComboBox2")->currentText(), "Precision=8");
            EXPECT_EQ(Combo("ComboBox1")->currentText(), "Decimal=6");
            EXPECT_EQ(Combo("ComboBox2")->count(), 7);
            EXPECT_EQ(Combo("ComboBox1")->count(), 11);
            EXPECT_EQ(Form()->windowTitle(), "conversion");
            EXPECT_EQ(List(16)->item(21)->text(), "myriameter  =      km");
            EXPECT_EQ(Pages()->tabText(11), "Mass");
        } else {
            EXPECT_EQ(Text(kForm, "Label3"),
                      QStringLiteral("Ampère tours") + QString(38, QChar(' ')) + QStringLiteral("--->   Gb"));
            EXPECT_EQ(List(16)->item(21)->text(), "myriamètre  =      km");
            EXPECT_EQ(Pages()->tabText(11), "Poid");
        }
        EXPECT_TRUE(Boxes().empty());
        delete Main();
    }
}

TEST_P(ConvertisseurTest, FocusAfterAPairClickAndTheKeyFilter) {
    Open("*");
    Pages()->setCurrentIndex(8);
    ClickItem(16, 4);
    EXPECT_EQ(QApplication::focusWidget(), List(16));
    Pages()->setCurrentIndex(7);
    ClickItem(15, 4);
    EXPECT_EQ(QApplication::focusWidget(), Edit("Edit15"));
    // The key filter of every input box is the calculator contract's.
    EXPECT_FALSE(Edit("Edit22")->isReadOnly()); // Volume and Mass outputs take typing
    EXPECT_TRUE(Edit("Edit20")->isReadOnly());
}

INSTANTIATE_TEST_SUITE_P(Separators, ConvertisseurTest, BothSeparators(), SeparatorName);

class ConvertisseurWindowTest : public GuiTest {};

TEST_F(ConvertisseurWindowTest, TopicOpensItModally) {
    Build("F");
    WithModal([&] { Main()->LabelClick(QStringLiteral("Label43")); },
              [&](QWidget* modal) { EXPECT_STREQ(modal->metaObject()->className(), kForm); });
    EXPECT_FALSE(Window(kForm)->isVisible());
}

TEST_F(ConvertisseurWindowTest, Snapshots) {
    for (const char* mark : {"*", "F"}) {
        Build(QString::fromLatin1(mark));
        auto* form = Window(kForm);
        Activate(form);
        auto* pages = Get<QTabWidget>(kForm, "PageControl1");
        const QString language = mark[0] == '*' ? "en" : "fr";
        for (int page = 0; page < TFormConvertisseur::kPages; ++page) {
            pages->setCurrentIndex(page);
            QWidget* sheet = pages->widget(page);
            const auto lists = sheet->findChildren<QListWidget*>();
            for (int i = 0; i < lists.size(); ++i)
                lists[i]->setCurrentRow(lists.size() == 2 ? i + 1 : 2);
            Type(sheet->findChildren<QLineEdit*>().front(), QStringLiteral("12.5"));
            Snapshot(form, QStringLiteral("Convertisseur-%1-%2").arg(page + 1).arg(language));
        }
        delete Main();
    }
}

} // namespace
