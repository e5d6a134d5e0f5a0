// The reports of the resistance, inductance, impedance and memory-device windows, read back
// from their PDF: the title, the fixed names and what the window shows at print time.
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <functional>

namespace {

class LandedReportsTest : public GuiTest {
  protected:
    void SetUp() override {
        REQUIRE_POPPLER();
        Build(QStringLiteral("F"), core::FrenchSeparators());
    }

  public: // for the case tables
    QString T(const char* window, const char* component) { return Text(window, component); }
    void Enter(const char* window, const char* box, const char* text) {
        Clear(Get<QWidget>(window, box));
        Type(Get<QWidget>(window, box), QString::fromUtf8(text));
    }

  protected:
    KeptPreviews& preview_ = Previews();
};

struct ReportCase {
    const char* window;
    const char* report;
    const char* printButton;
    std::function<void(LandedReportsTest&)> fill; // what the user does first
    // The lines the report must hold, read from the window after `fill`.
    std::function<QStringList(LandedReportsTest&)> lines;
    bool picture;
};

TEST_F(LandedReportsTest, EachReportPrintsWhatItsWindowShows) {
    const char* rlc = "TFormSerieRLC";
    const char* toroid = "TBobineDair";
    const char* conductor = "TFormResConduc";
    const char* code = "TFormCodeRes";
    const char* memory = "TAboutBox";
    const ReportCase cases[] = {
        {rlc, "TQRImpSerieRLC", "BitBtn2",
         [&](LandedReportsTest& t) {
             t.Enter(rlc, "Edit1", "100");
             t.Enter(rlc, "Edit2", "50");
             t.Enter(rlc, "Edit3", "20");
             Click(Get<QWidget>(rlc, "Button1"));
         },
         [&](LandedReportsTest& t) {
             return QStringList{"Impédance en circuit série RLC",
                                "Schémas et formule :",
                                "Valeurs saisie:",
                                "R = 100 Ohms",
                                "Xl = 50 Ohms",
                                "Xc = 20 Ohms",
                                "Résultat:",
                                "Z = " + t.T(rlc, "Label10") + " Ohms",
                                "Degrés = " + t.T(rlc, "Label12")};
         },
         true},
        {toroid, "TQRIndNoyauAir", "BitBtn2",
         [&](LandedReportsTest& t) {
             t.Enter(toroid, "EditN", "100");
             t.Enter(toroid, "EditA", "4");
             t.Enter(toroid, "Editb", "1");
             Click(Get<QWidget>(toroid, "Button1"));
         },
         [&](LandedReportsTest& t) {
             return QStringList{"Inductance d'une bobine à noyau d'air", "N = 100",
                                "a = 4 " + t.T(toroid, "ComboBox1"), "b = 1 " + t.T(toroid, "ComboBox2"),
                                "L = " + t.T(toroid, "Label8") + " " + t.T(toroid, "ComboBox3")};
         },
         true},
        {conductor, "TQRResCond", "BitBtn1", [](LandedReportsTest&) {},
         [&](LandedReportsTest& t) {
             return QStringList{"Résistance du conducteur",
                                "Formule:",
                                "L = Longueur du conducteur (Mètres) : 100",
                                "p = Type de conducteur (résistivité) : " + t.T(conductor, "ComboBox1"),
                                "A = Numéro de jauge (AWG) : " + t.T(conductor, "ComboBox2"),
                                "R = Résistance du conducteur (Ohms) : " + t.T(conductor, "Label6")};
         },
         true},
        {code, "TQRCodeRes", "BitBtn3",
         [&](LandedReportsTest&) {
             Get<QListWidget>(code, "ListBox1")->setCurrentRow(4);
             Get<QListWidget>(code, "ListBox2")->setCurrentRow(7);
         },
         [&](LandedReportsTest& t) {
             const auto item = [&](const char* list) {
                 return Get<QListWidget>(code, list)->currentItem()->text();
             };
             return QStringList{"Code de la résistance",
                                "Couleurs choisie:",
                                "Résultat:",
                                "Tolérance:",
                                item("ListBox1") + " - " + item("ListBox2"),
                                t.T(code, "Label1"),
                                t.T(code, "Label2") + " " + t.T(code, "Label4") + " " + t.T(code, "Label3")};
         },
         false},
        {code, "TQRValeurRec", "BitBtn4",
         [&](LandedReportsTest& t) {
             Get<QTabWidget>(code, "PageControl1")->setCurrentIndex(1);
             t.Enter(code, "Edit1", "47");
             Click(Get<QWidget>(code, "BitBtn2"));
         },
         [&](LandedReportsTest& t) {
             return QStringList{"Valeur recherchée", "Valeur saisie:", "47", "Résultat:",
                                t.T(code, "Label17") + " - " + t.T(code, "Label18") + " - " +
                                    t.T(code, "Label20")};
         },
         false},
        {code, "TQREia", "BitBtn5", [](LandedReportsTest&) {},
         [](LandedReportsTest&) { return QStringList{"Standard de EIA"}; }, true},
        {memory, "TQRMemory", "BitBtn2",
         [&](LandedReportsTest& t) {
             Activate(Window(memory));
             Click(Get<QWidget>(memory, "Image7"));
             t.Enter(memory, "Edit2", "12");
             t.Enter(memory, "Edit1", "3");
             Click(Get<QWidget>(memory, "ButtonCalcul"));
         },
         [&](LandedReportsTest& t) {
             return QStringList{t.T(memory, "LabelPuis"),
                                "Unité de mesure: " + t.T(memory, "LabelUnite"),
                                "Formule:",
                                "Valeurs saisie:",
                                t.T(memory, "Label1a") + " 12 " + t.T(memory, "ComboBox2"),
                                t.T(memory, "Label1b") + " 3 " + t.T(memory, "ComboBox1"),
                                "Résultat:",
                                t.T(memory, "LabelEgale") + " " + t.T(memory, "LabelAnswer") + " " +
                                    t.T(memory, "ComboBox3")};
         },
         true},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.report);
        preview_.shown.clear();
        ForgetBoxes();
        c.fill(*this);
        Click(Get<QWidget>(c.window, c.printButton));
        EXPECT_TRUE(Boxes().empty()) << (Boxes().empty() ? "" : Boxes().back().text.toStdString());
        ASSERT_EQ(preview_.shown.size(), 1u);
        EXPECT_EQ(preview_.shown[0].owner, Window(c.window));
        const printing::Document doc = preview_.shown[0].doc;
        EXPECT_EQ(doc.reportClass, c.report);
        PdfFile pdf(doc);
        pdf.Keep(QString::fromLatin1(c.report));
        const QString text = Squeezed(pdf.Text());
        for (const QString& line : c.lines(*this)) {
            EXPECT_FALSE(Squeezed(line).isEmpty());
            EXPECT_TRUE(text.contains(Squeezed(line)))
                << line.toStdString() << "\nin: " << text.toStdString();
        }
        EXPECT_TRUE(text.contains("Kelmora international"));
        ExpectOneLanguage(text, false);
        EXPECT_TRUE(pdf.Info().contains("612 x 792 pts (letter)"));
        EXPECT_EQ(pdf.Images() >= 1, c.picture) << pdf.Images();
        for (int ppi : pdf.ImageResolutions())
            EXPECT_GE(ppi, 599);
    }
}

// In English the odd reports print their own texts in English beside the window's English values.
class EnglishReportsTest : public GuiTest {
  protected:
    void SetUp() override {
        REQUIRE_POPPLER();
        Build(QStringLiteral("*"), core::EnglishSeparators());
    }
};

TEST_F(EnglishReportsTest, OwnTextsAreEnglishBesideTheValues) {
    const char* code = "TFormCodeRes";
    const char* conductor = "TFormResConduc";
    Get<QListWidget>(code, "ListBox1")->setCurrentRow(4);
    const struct {
        const char* window;
        const char* print;
        QStringList lines;
    } cases[] = {
        {code,
         "BitBtn3",
         {"Resistor color code", "Colors chosen:", "Result:", "Tolerance:", Text(code, "Label1")}},
        {conductor,
         "BitBtn1",
         {"Resistance of a conductor", "Formula:",
          "p = Type of conductor (resistivity): " + Get<QComboBox>(conductor, "ComboBox1")->currentText(),
          "Printed from the Ohmbrix guide"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        Previews().shown.clear();
        Click(Get<QWidget>(c.window, c.print));
        ASSERT_EQ(Previews().shown.size(), 1u);
        PdfFile pdf(Previews().shown[0].doc);
        const QString text = Squeezed(pdf.Text());
        for (const QString& line : c.lines)
            EXPECT_TRUE(text.contains(Squeezed(line)))
                << line.toStdString() << "\nin: " << text.toStdString();
        ExpectOneLanguage(text, true);
    }
}

// The windows' own "nothing to print" messages come before the preview.
TEST_F(LandedReportsTest, NothingToPrintOpensNoPreview) {
    const struct {
        const char* window;
        std::function<void()> empty;
        const char* print;
        const char* message;
    } cases[] = {
        {"TFormResConduc", [&] { Clear(Get<QWidget>("TFormResConduc", "Edit1")); }, "BitBtn1",
         "Aucune données a imprimer"},
        {"TFormCodeRes",
         [&] {
             Get<QTabWidget>("TFormCodeRes", "PageControl1")->setCurrentIndex(1);
             Clear(Get<QWidget>("TFormCodeRes", "Edit1"));
         },
         "BitBtn4", "Aucun résultat a imprimer"},
        {"TAboutBox", [] {}, "BitBtn2", "Aucune données a imprimer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        ForgetBoxes();
        c.empty();
        Click(Get<QWidget>(c.window, c.print));
        EXPECT_TRUE(preview_.shown.empty());
        ASSERT_TRUE(LastBox());
        EXPECT_EQ(LastBox()->text, QString::fromUtf8(c.message));
    }
}

} // namespace
