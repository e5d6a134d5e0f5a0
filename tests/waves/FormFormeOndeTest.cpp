#include "support/GuiFixture.h"

#include "waves/FormFormeOnde.h"

#include <QBuffer>
#include <QFile>
#include <QTabWidget>

namespace {

const char* const kForm = "TFormOnde";

// One calculator tab: its box, lists, buttons and result.
struct Tab {
    const char* box;
    const char* in;
    const char* out;
    const char* equals;
    const char* reset;
    const char* result;
};
constexpr Tab kFrequency{"Edit1", "ComboBox5", "ComboBox1", "Button1", "BitBtn1", "Label6"};
constexpr Tab kPeriod{"Edit2", "ComboBox2", "ComboBox3", "BitBtn2", "BitBtn5", "Label10"};
constexpr Tab kWavelength{"Edit3", "ComboBox4", "ComboBox6", "BitBtn7", "BitBtn3", "Label15"};

class WaveTest : public WindowTest<TFormOnde> {
  protected:
    QString T(const char* name) { return Text(kForm, name); }
    void Compute(const Tab& tab, const char* value, int in, int out) {
        List(tab.in)->setCurrentIndex(in);
        List(tab.out)->setCurrentIndex(out);
        EnterLocal({{tab.box, value}});
        Click(Get<QWidget>(kForm, tab.equals));
    }
};

TEST_P(WaveTest, ResultsInTheChosenUnits) {
    const struct {
        Tab tab;
        const char* value;
        int in, out;
        const char* shown;
    } cases[] = {
        {kFrequency, "1", 1, 1, "1"}, // 1 ms is 1 kHz
        {kFrequency, "1", 1, 0, "1000"},
        {kFrequency, "20", 2, 0, "50000"},
        {kFrequency, "3", 0, 0, "0.3333333333"},
        {kFrequency, "0.5", 3, 3, "2"}, // 0.5 ns is 2 GHz
        {kPeriod, "1", 1, 0, "1"},      // 1 kHz is 1 ms
        {kPeriod, "1", 1, 1, "1000"},
        {kPeriod, "50", 0, 0, "20"},
        {kPeriod, "2.4", 3, 2, "0.4166666667"},
        {kPeriod, "1", 0, 2, "1000000000"},
        {kWavelength, "100", 2, 0, "2.9982"},
        {kWavelength, "100", 2, 1, "2998.2"},
        {kWavelength, "7", 2, 0, "42.83142857"},
        {kWavelength, "1", 0, 3, "2.9982E17"},
        {kWavelength, "1", 3, 2, "299820"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tab.box) + " " + c.value);
        Compute(c.tab, c.value, c.in, c.out);
        EXPECT_EQ(T(c.tab.result), Local(c.shown));
    }
    EXPECT_TRUE(Boxes().empty());
    Compute(kFrequency, "1", 1, 1);
    EXPECT_DOUBLE_EQ(Form()->PeriodOfTab1, 1e-3);
    EXPECT_DOUBLE_EQ(Form()->FrequencyOfTab1, 1.0);
    Compute(kWavelength, "100", 2, 0);
    EXPECT_DOUBLE_EQ(Form()->FrequencyOfTab3, 1e8);
    EXPECT_DOUBLE_EQ(Form()->WavelengthOfTab3, 2.9982);
}

// An empty box fails to convert and 0 divides by zero; the result and stored values stay.
TEST_P(WaveTest, EmptyAndZeroFailKeepingTheResult) {
    for (const Tab& tab : {kFrequency, kPeriod, kWavelength}) {
        SCOPED_TRACE(tab.box);
        Compute(tab, "4", 0, 0);
        const QString shown = T(tab.result);
        ASSERT_FALSE(shown.isEmpty());
        const auto stored = ui::StoredValues(Form());
        const struct {
            const char* text;
            const char* box;
        } cases[] = {{"", "'' n'est pas une valeur en virgule flottante correcte."},
                     {"0", "Division par zéro en virgule flottante."}};
        for (const auto& c : cases) {
            ForgetBoxes();
            Compute(tab, c.text, 0, 0);
            ASSERT_TRUE(LastBox()) << c.text;
            EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
            EXPECT_EQ(LastBox()->text, QString::fromUtf8(c.box));
            EXPECT_EQ(T(tab.result), shown);
            EXPECT_EQ(ui::StoredValues(Form()), stored);
        }
    }
}

TEST_P(WaveTest, UnitChangesAndResetsKeepToTheirTab) {
    Compute(kFrequency, "1", 1, 1);
    Compute(kPeriod, "1", 1, 0);
    Compute(kWavelength, "100", 2, 0);
    // With its box holding text a list recomputes at once, the input list as the result list.
    Pick(Get<QComboBox>(kForm, "ComboBox1"), 0);
    EXPECT_EQ(T("Label6"), Local("1000"));
    Pick(Get<QComboBox>(kForm, "ComboBox2"), 2);
    EXPECT_EQ(T("Label10"), Local("0.001"));
    Pick(Get<QComboBox>(kForm, "ComboBox6"), 2);
    EXPECT_EQ(T("Label15"), Local("2998200"));
    // With its box empty a list change does nothing.
    Clear(Get<QWidget>(kForm, "Edit3"));
    for (const char* list : {"ComboBox4", "ComboBox6"}) {
        Pick(Get<QComboBox>(kForm, list), 3);
        EXPECT_EQ(T("Label15"), Local("2998200")) << list;
    }
    EXPECT_DOUBLE_EQ(Form()->WavelengthOfTab3, 2998200.0);
    // Reset on the period tab leaves the two others as they were (what it empties is the
    // calculator contract's).
    Click(Get<QWidget>(kForm, kPeriod.reset));
    EXPECT_EQ(T("Edit1"), Local("1"));
    EXPECT_EQ(T("Label6"), Local("1000"));
    EXPECT_EQ(Form()->FrequencyOfTab1, 1000.0);
    EXPECT_EQ(T("Label15"), Local("2998200"));
    Click(Get<QWidget>(kForm, kFrequency.reset));
    EXPECT_EQ(T("Edit1") + T("Label6"), "");
    EXPECT_EQ(Form()->PeriodOfTab1, 0.0);
    EXPECT_EQ(Form()->FrequencyOfTab3, 1e8);
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Separators, WaveTest, BothSeparators(), SeparatorName);

class WaveWindow : public GuiTest {
  protected:
    QTabWidget* Pages() { return Get<QTabWidget>(kForm, "PageControl1"); }
    QString Shown() { return Pages()->currentWidget()->objectName(); }
    QImage Picture(const char* name) {
        return Get<QLabel>(kForm, name)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QImage File(const char* name) {
        return ui::LoadPicture(QString::fromLatin1(name)).convertToFormat(QImage::Format_RGB32);
    }
    void Reactivate() {
        Activate(Main());
        Activate(Window(kForm));
    }
};

TEST_F(WaveWindow, ListsAndTabsAsTheFormHasThem) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    const std::vector<QString> frequencies{"Hz", "Khz", "Mhz", "Ghz"};
    EXPECT_EQ(Items(Get<QComboBox>(kForm, "ComboBox5")), (std::vector<QString>{"s", "ms", "us", "ns"}));
    EXPECT_EQ(Items(Get<QComboBox>(kForm, "ComboBox3")), (std::vector<QString>{"ms", "us", "ns"}));
    EXPECT_EQ(Items(Get<QComboBox>(kForm, "ComboBox6")), (std::vector<QString>{"m", "mm", "um", "nm"}));
    for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox4"})
        EXPECT_EQ(Items(Get<QComboBox>(kForm, list)), frequencies) << list;
    const char* order[] = {"TabSheet5", "TabSheet6", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    ASSERT_EQ(Pages()->count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Pages()->widget(i)->objectName(), order[i]);
}

// Each topic opens the window on its tab, in both languages; the tabs' inputs stay.
TEST_F(WaveWindow, EachTopicSelectsItsTab) {
    for (const char* mark : {"F", "*"}) {
        const bool english = BuildIn(mark);
        Type(Get<QWidget>(kForm, "Edit3"), "100");
        Get<QComboBox>(kForm, "ComboBox4")->setCurrentIndex(2);
        Click(Get<QWidget>(kForm, "BitBtn7"));
        Type(Get<QWidget>(kForm, "Edit1"), "1");
        Get<QComboBox>(kForm, "ComboBox5")->setCurrentIndex(1);
        Click(Get<QWidget>(kForm, "Button1"));
        Type(Get<QWidget>(kForm, "Edit2"), "1");
        Get<QComboBox>(kForm, "ComboBox2")->setCurrentIndex(1);
        Click(Get<QWidget>(kForm, "BitBtn2"));
        const struct {
            const char* topic;
            const char* tab;
            const char* english;
        } topics[] = {
            {"Label5", "TabSheet5", "Memory help"}, {"Label17", "TabSheet6", "Diagram"},
            {"Label18", "TabSheet1", "Frequency"},  {"Label19", "TabSheet2", "Period"},
            {"Label20", "TabSheet3", "Wavelength"}, {"Label40", "TabSheet4", "Allocation of frequency"}};
        for (const auto& t : topics) {
            SCOPED_TRACE(t.topic);
            Click(Get<QWidget>("TInterface1", t.topic));
            EXPECT_TRUE(Window(kForm)->isVisible());
            EXPECT_FALSE(Window(kForm)->isModal());
            EXPECT_EQ(Shown(), t.tab);
            Activate(Window(kForm));
            EXPECT_EQ(Pages()->tabText(Pages()->currentIndex()),
                      english ? QString::fromUtf8(t.english)
                              : Pages()->currentWidget()->property("formCaption").toString());
            Snapshot(Window(kForm), QStringLiteral("FormFormeOnde-%1-%2").arg(t.tab, english ? "en" : "fr"));
        }
        EXPECT_EQ(Text(kForm, "Label15"), english ? "2.9982" : "2,9982");
        EXPECT_EQ(Text(kForm, "Label6"), "1000");
        EXPECT_EQ(Window(kForm)->windowTitle(),
                  english ? QString("Wave and Frequency") : QString::fromUtf8("Onde et fréquence"));
        EXPECT_TRUE(Boxes().empty());
        delete Main();
    }
}

TEST_F(WaveWindow, MemoryAidLinksShowTheirTab) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    Type(Get<QWidget>(kForm, "Edit2"), "50");
    Click(Get<QWidget>("TInterface1", "Label5"));
    const struct {
        const char* link;
        const char* caption;
        const char* tab;
    } links[] = {{"Label1", "e1", "TabSheet6"},
                 {"Label2", "Em", "TabSheet6"},
                 {"Label3", "(T)", "TabSheet2"},
                 {"Label7", "(f)", "TabSheet1"}};
    for (const auto& l : links) {
        SCOPED_TRACE(l.link);
        Pages()->setCurrentIndex(0);
        EXPECT_EQ(Text(kForm, l.link), l.caption);
        Click(Get<QWidget>(kForm, l.link));
        EXPECT_EQ(Shown(), l.tab);
    }
    Pages()->setCurrentIndex(3);
    EXPECT_EQ(Text(kForm, "Edit2"), "50");
}

TEST_F(WaveWindow, EnglishPicturesAreReadAtEveryActivation) {
    UsePrivatePictures();
    Build(QStringLiteral("*"));
    const QImage frenchAid = Picture("Image7");
    Activate(Window(kForm));
    EXPECT_EQ(Picture("Image7"), File("interface/waveform.bmp"));
    EXPECT_EQ(Picture("Image6"), File("interface/frequencytab_en.bmp"));
    EXPECT_NE(Picture("Image7"), frenchAid);
    // Changed files show at the next activation.
    QImage red(12, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(red.save(&buffer, "BMP"));
    WriteFile("interface/waveform.bmp", bytes);
    WriteFile("interface/frequencytab_en.bmp", bytes);
    Reactivate();
    EXPECT_EQ(Picture("Image7"), red);
    EXPECT_EQ(Picture("Image6"), red);
    EXPECT_TRUE(Boxes().empty());
}

// Both pictures are emptied first, then the memory aid and the band table are read in turn.
TEST_F(WaveWindow, MissingEnglishPictureFiles) {
    const struct {
        const char* missing;
        bool aidShown, bandShown;
    } cases[] = {{"interface/waveform.bmp", false, false}, {"interface/frequencytab_en.bmp", true, false}};
    const QString root = UsePrivatePictures();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.missing);
        QFile file(root + c.missing);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray kept = file.readAll();
        file.close();
        RemoveFile(QString::fromLatin1(c.missing));
        Build(QStringLiteral("*"));
        Activate(Window(kForm));
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
        EXPECT_EQ(LastBox()->text, "Impossible d'ouvrir le fichier " + root + c.missing + ".");
        EXPECT_EQ(!Get<QLabel>(kForm, "Image7")->pixmap().isNull(), c.aidShown);
        EXPECT_EQ(!Get<QLabel>(kForm, "Image6")->pixmap().isNull(), c.bandShown);
        EXPECT_EQ(Text(kForm, "Label11"), "Electromagnetic waves (299 820 000 m/s)");
        EXPECT_EQ(Text(kForm, "Label1"), "e1"); // the links stay over an empty aid
        EXPECT_FALSE(Get<QLabel>(kForm, "Image2")->pixmap().isNull());
        ForgetBoxes();
        delete Main();
        WriteFile(QString::fromLatin1(c.missing), kept);
    }
}

} // namespace
