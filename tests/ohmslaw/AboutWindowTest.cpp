#include "ohmslaw/AboutSupport.h"

#include "ui/Language.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

namespace {

QImage Rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}
QImage Rgb(const QPixmap& pixmap) {
    return Rgb(pixmap.toImage());
}

// The three lists' items.
const QStringList kVolts{"V", "mV", "uV"}, kOhms{"Ohms", "KOhms", "MOhms"}, kAmperes{"A", "mA", "uA"},
    kWatts{"W", "KW", "MW"};

const struct ButtonCase {
    const char* button;
    QPoint place;
    int number;
    QStringList first, second, result; // the three lists' items
    const char* firstName;             // English names
    const char* secondName;
    const char* title;
    const char* unit;
    const char* equals;
    const char* file;
} kButtons[] = {
    {"Image7", QPoint(440, 16), 1, kVolts, kOhms, kAmperes, "VOLTAGE (E) ", "RESISTANCE (R) ", "AMPERE (I)",
     "AMPERE (I)", "I =", "formule/EdivRC.bmp"},
    {"Image8", QPoint(504, 56), 2, kWatts, kVolts, kAmperes, "POWER (P)", "VOLTAGE (E) ", "AMPERE (I)",
     "AMPERE (I)", "I =", "formule/PdivE.bmp"},
    {"Image2", QPoint(536, 112), 3, kWatts, kOhms, kAmperes, "POWER (P)", "RESISTANCE (R) ", "AMPERE (I)",
     "AMPERE (I)", "I =", "formule/RcPdivR.bmp"},
    {"Image9", QPoint(536, 184), 4, kVolts, kAmperes, kOhms, "VOLTAGE (E) ", "AMPERE (I)", "RESISTANCE (R) ",
     "OHM", "R =", "formule/EdivI.bmp"},
    {"Image10", QPoint(496, 240), 5, kVolts, kWatts, kOhms, "VOLTAGE (E) ", "POWER (P)", "RESISTANCE (R) ",
     "OHM", "R =", "formule/EcardivP.bmp"},
    {"Image11", QPoint(440, 280), 6, kWatts, kAmperes, kOhms, "POWER (P)", "AMPERE (I)", "RESISTANCE (R) ",
     "OHM", "R =", "formule/PdivIcar.bmp"},
    {"Image12", QPoint(368, 280), 7, kAmperes, kOhms, kVolts, "AMPERE (I)", "RESISTANCE (R) ", "VOLTAGE (E) ",
     "Volt (V)", "E =", "formule/IfoisRa.bmp"},
    {"Image13", QPoint(304, 240), 8, kWatts, kAmperes, kVolts, "POWER (P)", "AMPERE (I)", "VOLTAGE (E) ",
     "Volt (V)", "E =", "formule/PdivI.bmp"},
    {"Image14", QPoint(272, 184), 9, kWatts, kOhms, kVolts, "POWER (P)", "RESISTANCE (R) ", "VOLTAGE (E) ",
     "Volt (V)", "E =", "formule/rcPfoisR.bmp"},
    {"Image6", QPoint(272, 112), 10, kAmperes, kVolts, kWatts, "AMPERE (I)", "VOLTAGE (E) ", "POWER (P)",
     "WATT (W)", "P =", "formule/IfoisE.bmp"},
    {"Image5", QPoint(304, 56), 11, kAmperes, kOhms, kWatts, "AMPERE (I)", "RESISTANCE (R) ", "POWER (P)",
     "WATT (W)", "P =", "formule/IfoisR.bmp"},
    {"Image4", QPoint(368, 16), 12, kVolts, kOhms, kWatts, "VOLTAGE (E) ", "RESISTANCE (R) ", "POWER (P)",
     "WATT (W)", "P =", "formule/EdivR.bmp"},
};

const char* const kEnglishDefinitionI = "The flow of electricity, the characteristic drift movement of "
                                        "carriers, such as ions, electrons, or holes.";

class AboutWindow : public AboutDriver {
  protected:
    QFrame* PanelOf(const char* button) const {
        return qobject_cast<QFrame*>(Get<QWidget>("TAboutBox", button)->parentWidget());
    }
    bool Pressed(const char* button) const {
        return PanelOf(button)->frameShadow() == QFrame::Sunken &&
               !Label(button)->pixmap().toImage().hasAlphaChannel();
    }
    void ExpectFormulaOne() const {
        EXPECT_EQ(Form()->FormulaNumber, 1);
        EXPECT_EQ(Items("ComboBox2"), kVolts);
        EXPECT_EQ(Items("ComboBox1"), kOhms);
        EXPECT_EQ(Items("ComboBox3"), kAmperes);
        for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3"})
            EXPECT_EQ(List(list)->currentIndex(), 0) << list;
        EXPECT_TRUE(Text("TAboutBox", "Edit1").isEmpty());
        EXPECT_TRUE(Text("TAboutBox", "Edit2").isEmpty());
        EXPECT_TRUE(Text("TAboutBox", "LabelAnswer").isEmpty());
        EXPECT_EQ(Text("TAboutBox", "LabelEgale"), "I =");
        EXPECT_EQ(Form()->FirstValue, 0.0);
        EXPECT_EQ(Form()->ResultValue, 0.0);
        EXPECT_FALSE(Label("Image15")->isVisibleTo(Form()));
    }
};

TEST_F(AboutWindow, FormAndWheelLayout) {
    Build("*");
    EXPECT_STREQ(Form()->metaObject()->className(), "TAboutBox");
    EXPECT_EQ(Form()->windowTitle(), "Memory Device");
    EXPECT_EQ(Form()->size(), QSize(589, 330));
    EXPECT_EQ(Label("Image1")->geometry(), QRect(248, 0, 345, 329));
    EXPECT_EQ(Label("LabelPuis")->geometry(), QRect(0, 0, 249, 33));
    EXPECT_EQ(Label("StaticText5")->geometry(), QRect(0, 32, 249, 65));
    EXPECT_EQ(Get<QWidget>("TAboutBox", "Panel1")->geometry(), QRect(0, 96, 249, 233));
    EXPECT_EQ(Label("Image3")->size(), QSize(81, 40));
    EXPECT_EQ(Label("LabelAnswer")->size(), QSize(161, 19));
    for (const ButtonCase& b : kButtons) {
        QFrame* panel = PanelOf(b.button);
        ASSERT_NE(panel, nullptr) << b.button;
        EXPECT_EQ(panel->geometry(), QRect(b.place, QSize(33, 25))) << b.button;
        EXPECT_EQ(panel->frameShadow(), QFrame::Raised) << b.button;
        EXPECT_EQ(Label(b.button)->size(), QSize(29, 21)) << b.button;
        EXPECT_FALSE(Label(b.button)->pixmap().isNull()) << b.button;
    }
    // The hub letters stand in the quadrants of their quantities.
    const QPoint hub = Label("Image1")->geometry().topLeft() + QPoint(172, 162);
    const struct {
        const char* name;
        const char* letter;
        int sx, sy;
    } letters[] = {{"StaticText1", "P", -1, -1},
                   {"StaticText2", "I", 1, -1},
                   {"StaticText3", "E", -1, 1},
                   {"StaticText4", "R", 1, 1}};
    for (const auto& l : letters) {
        EXPECT_EQ(Text("TAboutBox", l.name), l.letter);
        const QPoint d = Label(l.name)->geometry().center() - hub;
        EXPECT_GT(d.x() * l.sx, 0) << l.name;
        EXPECT_GT(d.y() * l.sy, 0) << l.name;
        EXPECT_LT(d.manhattanLength(), 60) << l.name;
    }
}

TEST_F(AboutWindow, TheBuildWritesTheTwelveFormulaFiles) {
    Build("*");
    const QStringList written = QDir(ui::PictureRoot() + "formule").entryList(QDir::Files);
    EXPECT_EQ(written.size(), 12);
    std::vector<QImage> seen;
    for (const ButtonCase& b : kButtons) {
        const QImage picture = Rgb(ui::LoadPicture(QLatin1String(b.file)));
        EXPECT_EQ(picture.size(), QSize(81, 40)) << b.file;
        for (const QImage& other : seen)
            EXPECT_NE(picture, other) << b.file;
        seen.push_back(picture);
    }
}

TEST_F(AboutWindow, EachButtonSetsUpItsFormula) {
    Build("*");
    Activate(Form());
    for (const ButtonCase& b : kButtons) {
        SCOPED_TRACE(b.button);
        Type(Edit("Edit2"), "1");
        Type(Edit("Edit1"), "2");
        Form()->ButtonCalculClick();
        Pick(List("ComboBox3"), 2);
        Click(Get<QWidget>("TAboutBox", b.button));
        EXPECT_EQ(Form()->FormulaNumber, b.number);
        EXPECT_EQ(Items("ComboBox2"), b.first);
        EXPECT_EQ(Items("ComboBox1"), b.second);
        EXPECT_EQ(Items("ComboBox3"), b.result);
        for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3"})
            EXPECT_EQ(List(list)->currentIndex(), 0) << list;
        EXPECT_EQ(Text("TAboutBox", "Label1a"), b.firstName);
        EXPECT_EQ(Text("TAboutBox", "Label1b"), b.secondName);
        EXPECT_EQ(Text("TAboutBox", "LabelPuis"), b.title);
        EXPECT_EQ(Text("TAboutBox", "LabelUnite"), b.unit);
        EXPECT_EQ(Text("TAboutBox", "LabelEgale"), b.equals);
        EXPECT_EQ(Label("Image15")->isVisibleTo(Form()), std::string(b.equals) == "R =");
        EXPECT_TRUE(Text("TAboutBox", "Edit1").isEmpty());
        EXPECT_TRUE(Text("TAboutBox", "Edit2").isEmpty());
        EXPECT_TRUE(Text("TAboutBox", "LabelAnswer").isEmpty());
        EXPECT_EQ(Form()->ResultValue, 0.0);
        EXPECT_EQ(QApplication::focusWidget(), Edit("Edit2"));
        EXPECT_EQ(Rgb(Label("Image3")->pixmap()), Rgb(ui::LoadPicture(QLatin1String(b.file))));
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(AboutWindow, DefinitionsAndCaptionsByLanguage) {
    const struct {
        const char* mark;
        const char* button;
        const char* title;
        const char* definition;
        const char* unitCaption;
        const char* resultCaption;
    } cases[] = {
        {"*", "Image7", "AMPERE (I)", kEnglishDefinitionI, "Unit:  ", "Calculator"},
        {"*", "Image9", "RESISTANCE (R) ", "it's the simple opposition to current flow.",
         "Unit:  ", "Calculator"},
        {"*", "Image12", "VOLTAGE (E) ", "Electromotive force, or difference of potential.",
         "Unit:  ", "Calculator"},
        {"*", "Image6", "POWER (P)",
         "The rate of doing work, or producing or transmitting energy. In electronics, power is the product "
         "of current and voltage(EI).",
         "Unit:  ", "Calculator"},
        {"F", "Image7", "COURANT (I)", "Le courant est la circulation d'électrons libres dans un conducteur.",
         "Unité de mesure:", "Résultat"},
        {"F", "Image9", "RÉSISTANCE (R) ",
         "Force d'opposition, qui résulte des collisions des électrons avec les atomes, transformant de "
         "l'énergie électrique en énergie thermique.",
         "Unité de mesure:", "Résultat"},
        {"F", "Image12", "TENSION (E) ",
         "Il s'agit d'une pression obtenue d'une énergie potentielle soit par définition *différence de "
         "potentielle*.",
         "Unité de mesure:", "Résultat"},
        {"F", "Image6", "PUISSANCE (P)",
         "La puissance est une mesure de la quantité de travail qui peut être fournie en un temps déterminé.",
         "Unité de mesure:", "Résultat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mark) + c.button);
        Build(QLatin1String(c.mark));
        Activate(Form());
        Click(Get<QWidget>("TAboutBox", c.button));
        EXPECT_EQ(Text("TAboutBox", "LabelPuis"), QString::fromUtf8(c.title));
        EXPECT_EQ(Text("TAboutBox", "StaticText5"), QString::fromUtf8(c.definition));
        EXPECT_EQ(Text("TAboutBox", "Label1"), QString::fromUtf8(c.unitCaption));
        EXPECT_EQ(Text("TAboutBox", "Label3"), QString::fromUtf8(c.resultCaption));
        EXPECT_EQ(Form()->windowTitle(), "Memory Device");
        delete Main();
    }
}

TEST_F(AboutWindow, ButtonsLookPressedUnderTheMouseAndReleasedOverTheWheel) {
    Build("*");
    Activate(Form());
    Hover(Get<QWidget>("TAboutBox", "Image10"));
    EXPECT_TRUE(Pressed("Image10"));
    Hover(Get<QWidget>("TAboutBox", "Image4"));
    EXPECT_TRUE(Pressed("Image4"));
    EXPECT_TRUE(Pressed("Image10")); // only the wheel releases
    for (const ButtonCase& b : kButtons)
        if (std::string(b.button) != "Image10" && std::string(b.button) != "Image4") {
            EXPECT_FALSE(Pressed(b.button)) << b.button;
        }
    Hover(Get<QWidget>("TAboutBox", "Image1"));
    for (const ButtonCase& b : kButtons) {
        EXPECT_EQ(PanelOf(b.button)->frameShadow(), QFrame::Raised) << b.button;
        EXPECT_TRUE(Label(b.button)->pixmap().toImage().hasAlphaChannel()) << b.button;
    }
    // Transparent: the panel shows through the white of the picture.
    const QImage released = Label("Image10")->pixmap().toImage();
    EXPECT_EQ(qAlpha(released.pixel(0, 0)), 0);
    Hover(Get<QWidget>("TAboutBox", "Image10"));
    EXPECT_EQ(QColor(Label("Image10")->pixmap().toImage().pixel(0, 0)), QColor(Qt::white));
}

TEST_F(AboutWindow, EveryOpeningStartsAgainOnFormulaOne) {
    Build("*");
    Activate(Main());
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        WithModal([&] { Click(Get<QWidget>("TInterface1", "Label3")); },
                  [&](QWidget* modal) {
                      EXPECT_EQ(modal, Form());
                      ExpectFormulaOne();
                      EXPECT_EQ(Text("TAboutBox", "LabelPuis"), "AMPERE (I)");
                      EXPECT_EQ(Text("TAboutBox", "StaticText5"), kEnglishDefinitionI);
                      EXPECT_EQ(Rgb(Label("Image3")->pixmap()), Rgb(ui::LoadPicture("formule/EdivRC.bmp")));
                      Enter("Image10", "10", 1, "2", 2, 2);
                      Equals();
                      EXPECT_FALSE(Text("TAboutBox", "LabelAnswer").isEmpty());
                  });
        EXPECT_FALSE(Form()->isVisible());
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(AboutWindow, MissingFormulaPictureSkipsTheRestOfTheSetUp) {
    const QString root = UsePrivatePictures();
    RemoveFile("formule/PdivE.bmp");
    Build("*");
    Activate(Form());
    const QImage before = Rgb(Label("Image3")->pixmap());
    Type(Edit("Edit2"), "5");
    Click(Get<QWidget>("TAboutBox", "Image8"));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].kind, ui::BoxKind::Error);
    EXPECT_EQ(Boxes()[0].text, "Impossible d'ouvrir le fichier " + root + "formule/PdivE.bmp.");
    EXPECT_EQ(Form()->FormulaNumber, 2);
    EXPECT_EQ(Items("ComboBox2"), QStringList({"W", "KW", "MW"}));
    EXPECT_EQ(Items("ComboBox1"), QStringList({"V", "mV", "uV"}));
    for (const char* emptied :
         {"LabelPuis", "StaticText5", "LabelUnite", "LabelEgale", "Label1a", "Label1b", "Edit2"})
        EXPECT_TRUE(Text("TAboutBox", emptied).isEmpty()) << emptied;
    EXPECT_FALSE(before.isNull());
    EXPECT_TRUE(Label("Image3")->pixmap().isNull()); // emptied by the reset before the load
}

TEST_F(AboutWindow, MissingFirstPictureOnActivation) {
    const QString root = UsePrivatePictures();
    RemoveFile("formule/EdivRC.bmp");
    Build("F");
    Activate(Form());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Impossible d'ouvrir le fichier " + root + "formule/EdivRC.bmp.");
    EXPECT_EQ(Form()->FormulaNumber, 1);
    EXPECT_EQ(Text("TAboutBox", "LabelPuis"), "COURANT (I)");
    EXPECT_EQ(Text("TAboutBox", "LabelEgale"), "I ="); // the activation loads its picture last
}

// Shows every box as the real modal QMessageBox, closes it from a timer, then hands the focus
// back to the box's window the way the desktop does.
class RealBoxPlatform : public ui::Platform {
  public:
    void ShowBox(ui::BoxKind kind, QWidget* owner, const QString& caption, const QString& text) override {
        QMessageBox box(kind == ui::BoxKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, caption,
                        text, QMessageBox::Ok, owner);
        bool wasModal = false;
        QTimer::singleShot(30, &box, [&] {
            wasModal = QApplication::activeModalWidget() == &box && box.isVisible();
            box.accept();
        });
        box.exec();
        shown.push_back(text);
        modal.push_back(wasModal);
        if (owner) QApplication::setActiveWindow(owner->window());
        QCoreApplication::processEvents();
    }
    void OpenUrl(QWidget*, const QUrl&) override {}

    QStringList shown;
    std::vector<bool> modal;
};

TEST_F(AboutWindow, ItsOwnBoxesDoNotSetItUpAgain) {
    Build("*");
    Activate(Main());
    RealBoxPlatform real;
    ui::ScopedPlatform usingRealBoxes(real);
    bool reachedEnd = false;
    WithModal([&] { Click(Get<QWidget>("TInterface1", "Label3")); },
              [&](QWidget*) {
                  Enter("Image10", "10", 1, "", 2, 1);
                  Equals(); // "Value: none"
                  Type(Edit("Edit1"), "0");
                  Equals();                                    // division by zero, in an error box
                  Click(Get<QWidget>("TAboutBox", "BitBtn2")); // nothing to print
                  ASSERT_EQ(real.shown, QStringList({"Value: none", "Division par zéro en virgule flottante.",
                                                     "Aucune données a imprimer"}));
                  EXPECT_EQ(real.modal, std::vector<bool>({true, true, true}));
                  EXPECT_EQ(Form()->FormulaNumber, 5);
                  EXPECT_EQ(Text("TAboutBox", "Edit2"), "10");
                  EXPECT_EQ(Text("TAboutBox", "Edit1"), "0");
                  EXPECT_EQ(Items("ComboBox3"), QStringList({"Ohms", "KOhms", "MOhms"}));
                  EXPECT_EQ(List("ComboBox2")->currentIndex(), 1);
                  EXPECT_EQ(List("ComboBox3")->currentIndex(), 1);
                  EXPECT_EQ(Text("TAboutBox", "LabelEgale"), "R =");

                  // Coming back from another window is an activation: it resets.
                  QApplication::setActiveWindow(Main());
                  QCoreApplication::processEvents();
                  QApplication::setActiveWindow(Form());
                  QCoreApplication::processEvents();
                  ExpectFormulaOne();
                  reachedEnd = true;
              });
    EXPECT_TRUE(reachedEnd);
}

TEST_F(AboutWindow, Snapshots) {
    for (const char* mark : {"*", "F"}) {
        Build(QLatin1String(mark));
        Activate(Form());
        Hover(Get<QWidget>("TAboutBox", "Image7"));
        const QString language = mark[0] == '*' ? "en" : "fr";
        Snapshot(Form(), "AboutBox-" + language);
        Hover(Get<QWidget>("TAboutBox", "Image1"));
        Click(Get<QWidget>("TAboutBox", "Image10"));
        Type(Edit("Edit2"), "10");
        Type(Edit("Edit1"), "2");
        Pick(List("ComboBox1"), 1);
        Snapshot(Form(), "AboutBox-R-" + language);
        delete Main();
    }
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
