#include "support/GuiFixture.h"

#include "inductance/ReactanceInd.h"

#include <QApplication>
#include <QLineEdit>

namespace {

class ReactanceIndTest : public WindowTest<TFormReacInd, '*'> {
  protected:
    QString Result() { return Text("TFormReacInd", "Label8"); }
    void Enter(const char* f, int fUnit, const char* l, int lUnit) {
        EnterLocal({{"Edit1", f}});
        List("ComboBox1")->setCurrentIndex(fUnit);
        EnterLocal({{"Edit2", l}});
        List("ComboBox2")->setCurrentIndex(lUnit);
    }
};

// By hand: 2 pi = 6.283185307179586...; "mHz" and "mOhms" are mega.
TEST_P(ReactanceIndTest, ReactancesAndEchoes) {
    const struct {
        const char* f;
        int fUnit;
        const char* l;
        int lUnit;
        int out;
        const char* shown;
        const char* fEcho;
        const char* lEcho;
    } cases[] = {
        {"1", 1, "10", 1, 0, "62.8319", "kHz", "mH"},
        {"1", 2, "1", 2, 0, "6.2832", "mHz", "uH"}, // 1E6 Hz and 1E-6 H
        {"50", 0, "1", 0, 0, "314.1593", "Hz", "H"},
        {"60", 0, "2.5", 0, 0, "942.4778", "Hz", "H"},
        {"1", 1, "1", 0, 1, "6.2832", "kHz", "H"},         // kOhms
        {"1", 2, "1", 0, 0, "6,283,185.3070", "mHz", "H"}, // grouped, ten significant digits at most
        {"1", 2, "1", 0, 2, "6.2832", "mHz", "H"},         // megohms
        {"0", 0, "1", 0, 0, "0.0000", "Hz", "H"},
    };
    for (const auto& c : cases) {
        Enter(c.f, c.fUnit, c.l, c.lUnit);
        List("ComboBox3")->setCurrentIndex(c.out);
        Click(Get<QWidget>("TFormReacInd", "Button1"));
        EXPECT_EQ(Result(), Local(c.shown)) << c.f << " " << c.l;
        EXPECT_EQ(Text("TFormReacInd", "Label1"), Local(c.f));
        EXPECT_EQ(Text("TFormReacInd", "Label9"), c.fEcho);
        EXPECT_EQ(Text("TFormReacInd", "Label2"), Local(c.l));
        EXPECT_EQ(Text("TFormReacInd", "Label10"), c.lEcho);
    }
    Enter("1", 1, "10", 1);
    Pick(List("ComboBox3"), 1);
    EXPECT_DOUBLE_EQ(Form()->Frequency, 1000.0);
    EXPECT_DOUBLE_EQ(Form()->Inductance, 0.01);
    EXPECT_DOUBLE_EQ(Form()->Reactance, 0.06283185307179587);
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(ReactanceIndTest, UnitListsWithAnEmptyBoxOnlyEchoOrEmpty) {
    Enter("1", 1, "10", 1);
    Click(Get<QWidget>("TFormReacInd", "Button1"));
    Clear(Edit("Edit1"));
    Pick(List("ComboBox1"), 1);
    EXPECT_EQ(Text("TFormReacInd", "Label9"), "kHz");
    Pick(List("ComboBox2"), 2);
    EXPECT_EQ(Text("TFormReacInd", "Label10"), "uH");
    EXPECT_EQ(Result(), Local("62.8319"));
    Pick(List("ComboBox3"), 1);
    EXPECT_EQ(Result(), "");
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(ReactanceIndTest, ResetKeepsTheCircuitPictureAndFocusesTheFrequency) {
    Activate(Form());
    Enter("1", 1, "10", 1);
    Click(Get<QWidget>("TFormReacInd", "Button1"));
    Click(Get<QWidget>("TFormReacInd", "BitBtn1"));
    EXPECT_EQ(Result(), "");
    EXPECT_EQ(QApplication::focusWidget(), Edit("Edit1"));
    const std::pair<const char*, const char*> echoes[] = {
        {"Label1", "1"}, {"Label9", "kHz"}, {"Label2", "10"}, {"Label10", "mH"}};
    for (const auto& [name, text] : echoes)
        EXPECT_EQ(Text("TFormReacInd", name), text) << name;
}

// The frequency echo stands over the circuit's top-left corner: its grey shows only with a value.
TEST_P(ReactanceIndTest, AnEmptyFrequencyEchoHidesNothingOfTheCircuit) {
    QWidget* panel = Get<QWidget>("TFormReacInd", "Panel1");
    QWidget* echo = Get<QWidget>("TFormReacInd", "Label1");
    QWidget* circuit = Get<QWidget>("TFormReacInd", "Image1");
    const QRect overlap = echo->geometry() & circuit->geometry();
    ASSERT_FALSE(overlap.isEmpty());
    const QImage alone = circuit->grab().toImage();
    auto greyPixels = [&] {
        const QImage shown = panel->grab().toImage();
        int grey = 0, hidden = 0;
        for (int y = overlap.top(); y <= overlap.bottom(); ++y)
            for (int x = overlap.left(); x <= overlap.right(); ++x) {
                const QRgb pixel = shown.pixel(x, y);
                grey += pixel == QColor(192, 192, 192).rgb();
                hidden += pixel != alone.pixel(QPoint(x, y) - circuit->pos());
            }
        return std::pair{grey, hidden};
    };
    EXPECT_EQ(greyPixels(), std::pair(0, 0));
    Enter("1", 1, "10", 1);
    Click(Get<QWidget>("TFormReacInd", "Button1"));
    EXPECT_GT(greyPixels().first, overlap.width() * overlap.height() / 2);
}

INSTANTIATE_TEST_SUITE_P(Separators, ReactanceIndTest, BothSeparators(), SeparatorName);

class ReactanceIndLanguage : public GuiTest {};

TEST_F(ReactanceIndLanguage, EnglishLoadsTheTableurPictureAndTheTopicsOpenTheirWindows) {
    Build("*");
    Click(Get<QWidget>("TInterface1", "Label26"));
    auto* form = Window("TFormReacInd");
    ASSERT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Inductive reactance");
    EXPECT_EQ(Get<QLabel>("TFormReacInd", "Image7")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              ui::LoadPicture("interface/tableur_en.bmp").convertToFormat(QImage::Format_RGB32));
    Type(Get<QWidget>("TFormReacInd", "Edit1"), "1");
    Pick(Get<QComboBox>("TFormReacInd", "ComboBox1"), 1);
    Type(Get<QWidget>("TFormReacInd", "Edit2"), "10");
    Pick(Get<QComboBox>("TFormReacInd", "ComboBox2"), 1);
    EXPECT_EQ(Text("TFormReacInd", "Label8"), "62.8319");
    Snapshot(form, "ReactanceInd-en");

    Click(Get<QWidget>("TFormReacInd", "Image7"));
    EXPECT_TRUE(Window("TFormTableurInd")->isVisible());
    Window("TFormTableurInd")->hide();
    Click(Get<QWidget>("TInterface1", "Label27"));
    EXPECT_TRUE(Window("TFormTableurInd")->isVisible());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ReactanceIndLanguage, FrenchKeepsTheFormAndReadsNoFile) {
    UsePrivatePictures();
    RemoveFile("interface/tableur_en.bmp");
    Build("F", core::FrenchSeparators());
    auto* form = Window("TFormReacInd");
    Activate(form);
    EXPECT_EQ(form->windowTitle(), "Calcul de la Réactance inductive");
    Type(Get<QWidget>("TFormReacInd", "Edit1"), "1");
    Pick(Get<QComboBox>("TFormReacInd", "ComboBox1"), 1);
    Type(Get<QWidget>("TFormReacInd", "Edit2"), "10");
    Pick(Get<QComboBox>("TFormReacInd", "ComboBox2"), 1);
    EXPECT_EQ(Text("TFormReacInd", "Label8"), "62,8319");
    EXPECT_TRUE(Boxes().empty());
    Snapshot(form, "ReactanceInd-fr");
}

} // namespace

namespace {

TEST_F(ReactanceIndLanguage, MissingEnglishTableurLeavesTheOvalEmptyAndTheTextsSet) {
    const QString root = UsePrivatePictures();
    RemoveFile("interface/tableur_en.bmp");
    Build("*");
    Activate(Window("TFormReacInd"));
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "Impossible d'ouvrir le fichier " + root + "interface/tableur_en.bmp.");
    EXPECT_TRUE(Get<QLabel>("TFormReacInd", "Image7")->pixmap().isNull());
    EXPECT_EQ(Text("TFormReacInd", "Label3"), "Frequency"); // set before the picture
    EXPECT_EQ(Window("TFormReacInd")->windowTitle(), "Inductive reactance");
}

} // namespace
