// The reports of the calculator windows, over a table of windows: values entered, "=", print,
// and the preview's document read back from its PDF.
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include <QTabWidget>

namespace {

struct PrintedCalculator {
    const char* name; // of the test and of the kept PDF
    const char* mark;
    core::Separators separators;
    const char* window;
    int tab; // of PageControl1, or -1
    std::vector<std::pair<const char*, const char*>> boxes;
    std::vector<std::pair<const char*, int>> lists; // item index, set after the boxes
    const char* equals;
    const char* print;
    const char* report;
    const char* title;
    std::vector<const char*> lines; // as the report prints them
    std::vector<const char*> absent = {};
    bool blanksCount = true; // pdftotext drops or adds blanks between some close glyphs
};

void PrintTo(const PrintedCalculator& c, std::ostream* os) {
    *os << c.name;
}

const core::Separators kFr = core::FrenchSeparators();
const core::Separators kEn = core::EnglishSeparators();

const PrintedCalculator kReports[] = {
    {"TQRImpedance",
     "F",
     kFr,
     "TFormImpedance",
     -1,
     {{"Edit1", "3"}, {"Edit2", "4"}},
     {},
     "Button1",
     "BitBtn2",
     "TQRImpedance",
     "Impédance en circuit série RL et RC",
     {"Schémas et formule :", "Valeurs saisie:", "R = 3 Ohms", "X = 4 Ohms", "Résultat:", "Z = 5,0000 Ohms",
      "Degrés = 53,1301"},
     {"Degrés = Z"}}, // a result line never runs empty into the next
    {"TQRImpSerieLC",
     "F",
     kFr,
     "TFormCircuitLCSerie",
     -1,
     {{"Edit1", "40"}, {"Edit2", "100"}},
     {},
     "Button1",
     "BitBtn2",
     "TQRImpSerieLC",
     "Impédance en circuit série LC",
     {"Xl = 40 Ohms", "Xc = 100 Ohms", "Z = 60,0000 Ohms", "Degrés = -90,0000"},
     {"Degrés = Z"}},
    {"TQRImpParaRL",
     "F",
     kFr,
     "TFormParaRLRCLC",
     0,
     {{"Edit1", "100"}, {"Edit2", "100"}},
     {},
     "BitBtn2",
     "BitBtn3",
     "TQRImpParaRL",
     "Impédance en circuit parallèle RL",
     {"R = 100 Ohms", "Xl = 100 Ohms", "Z = 70,7107 Ohms", "Degrés = 45,0000"},
     {"Degrés = Z"}},
    {"TQRImpParaRC",
     "F",
     kFr,
     "TFormParaRLRCLC",
     1,
     {{"Edit3", "1"}, {"Edit4", "300"}},
     {{"ComboBox2", 1}},
     "BitBtn5",
     "BitBtn6",
     "TQRImpParaRC",
     "Impédance en circuit parallèle RC",
     {"R = 1 KOhms", "Xc = 300 Ohms", "Z = 287,3479 Ohms", "Degrés = -73,3008"},
     {"Degrés = Z"}},
    {"TQRImpParaLC",
     "F",
     kFr,
     "TFormParaRLRCLC",
     2,
     {{"Edit5", "100"}, {"Edit6", "50"}},
     {},
     "BitBtn7",
     "BitBtn8",
     "TQRImpParaLC",
     "Impédance en circuit parallèle LC",
     {"Xl = 100 Ohms", "Xc = 50 Ohms", "Z = 100,0000 Ohms"},
     {"Degrés"}},
    {"TQRBobineCyl_fr",
     "F",
     kFr,
     "TInducPropre",
     -1,
     {{"EditN", "100"}, {"EditD", "2"}, {"EditI", "5"}},
     {{"ComboBox1", 1}, {"ComboBox2", 1}},
     "ButtonCalcul",
     "BitBtn4",
     "TQRBobineCyl",
     "Inductance d'une bobine cylindrique à noyau d'air",
     {"N = 100", "d = 2 cm", "l = 5 cm", "L = 67,69230769 uH"}},
    {"TQRIndCoax_en",
     "*",
     kEn,
     "TIndCoaxial",
     -1,
     {{"Editl", "10"}, {"EditD", "5"}, {"EditDm", "1"}},
     {},
     "Button1",
     "BitBtn2",
     "TQRIndCoax",
     "Inductance d'un câble coxial",
     {"l = 10 metre", "D = 5 mm", "d = 1 mm", "L = 3.70842788 uH"}},
    {"TQRReacInd_fr",
     "F",
     kFr,
     "TFormReacInd",
     -1,
     {{"Edit1", "1"}, {"Edit2", "10"}},
     {{"ComboBox1", 1}, {"ComboBox2", 1}},
     "Button1",
     "BitBtn2",
     "TQRReacInd",
     "Réactance inductive",
     {"f = 1 kHz", "L = 10 mH", "Xl = 62,8319 Ohms"}},
    {"TQRReacInd_en",
     "*",
     kEn,
     "TFormReacInd",
     -1,
     {{"Edit1", "1"}, {"Edit2", "0.5"}},
     {{"ComboBox1", 2}},
     "Button1",
     "BitBtn2",
     "TQRReacInd",
     "Réactance inductive",
     {"f = 1 mHz", "L = 0.5 H", "Xl = 3,141,592.6540 Ohms"}},
    {"TQRReacCap_fr_kHertz",
     "F",
     kFr,
     "TFormReacCap",
     -1,
     {{"Edit1", "1"}, {"Edit2", "1"}},
     {{"ComboBox1", 1}, {"ComboBox2", 0}, {"ComboBox3", 0}},
     "Button1",
     "BitBtn1",
     "TQRReacCap",
     "Réactance capacitive",
     {"Schémas et formule :", "Valeurs saisie:", "Résultat:", "f = 1 kHertz", "C = 1 uF",
      "Xc = 159,2357 Ohms"}},
    {"TQRReacCap_en_Hertz",
     "*",
     kEn,
     "TFormReacCap",
     -1,
     {{"Edit1", "50"}, {"Edit2", "1"}},
     {{"ComboBox1", 0}, {"ComboBox2", 0}, {"ComboBox3", 0}},
     "Button1",
     "BitBtn1",
     "TQRReacCap",
     "Réactance capacitive",
     {"Schémas et formule :", "Valeurs saisie:", "Résultat:", "f = 50 Hertz", "C = 1 uF",
      "Xc = 3,184.7134 Ohms"}},
    {"TQRReacCap_en_mHertz",
     "*",
     kEn,
     "TFormReacCap",
     -1,
     {{"Edit1", "1"}, {"Edit2", "1"}},
     {{"ComboBox1", 2}, {"ComboBox2", 1}, {"ComboBox3", 1}},
     "Button1",
     "BitBtn1",
     "TQRReacCap",
     "Réactance capacitive",
     {"Schémas et formule :", "Valeurs saisie:", "Résultat:", "f = 1 mHertz", "C = 1 nF",
      "Xc = 0.1592 kOhms"}},
    {"TQRReacCap_fr_fractions",
     "F",
     kFr,
     "TFormReacCap",
     -1,
     {{"Edit1", "2,5"}, {"Edit2", "0,47"}},
     {{"ComboBox1", 1}, {"ComboBox2", 0}, {"ComboBox3", 0}},
     "Button1",
     "BitBtn1",
     "TQRReacCap",
     "Réactance capacitive",
     {"Schémas et formule :", "Valeurs saisie:", "Résultat:", "f = 2,5 kHertz", "C = 0,47 uF",
      "Xc = 135,5197 Ohms"}},
    {"TQRFrequence",
     "F",
     kFr,
     "TFormOnde",
     0,
     {{"Edit1", "1"}},
     {{"ComboBox5", 1}, {"ComboBox1", 1}},
     "Button1",
     "BitBtn4",
     "TQRFrequence",
     "Fréquence",
     {"Schémas et formule :", "Valeurs saisie:", "T = 1 ms", "Résultat:", "f = 1 Khz"},
     {},
     false},
    {"TQRPeriode",
     "F",
     kFr,
     "TFormOnde",
     1,
     {{"Edit2", "1"}},
     {{"ComboBox2", 1}, {"ComboBox3", 0}},
     "BitBtn2",
     "BitBtn6",
     "TQRPeriode",
     "Période",
     {"f = 1 Khz", "T = 1 ms"},
     {},
     false},
    {"TQRLongueurOnde",
     "F",
     kFr,
     "TFormOnde",
     2,
     {{"Edit3", "100"}},
     {{"ComboBox4", 2}, {"ComboBox6", 0}},
     "BitBtn7",
     "BitBtn8",
     "TQRLongueurOnde",
     "Longueur d'onde",
     {"f = 100 Mhz", "L'ongueur d'onde = 2,9982 m"},
     {},
     false},
    {"TQRResonance",
     "F",
     kFr,
     "TFormResonance",
     -1,
     {{"Edit1", "10"}, {"Edit2", "100"}},
     {{"ComboBox2", 2}},
     "Button1",
     "BitBtn2",
     "TQRResonance",
     "Résonance",
     {"Schémas et formule :", "Valeurs saisie:", "L = 10 uH", "C = 100 pF", "Résultat:", "Fo= 5,0329 mHz"},
     {},
     false},
    {"TQRProduitLC",
     "F",
     kFr,
     "TFormIndCapProReso",
     -1,
     {{"Edit1", "1"}},
     {{"ComboBox1", 2}},
     "Button1",
     "BitBtn2",
     "TQRProduitLC",
     "Produit L X C",
     {"f = 1 mHz", "L X C = 0,02533030 uH x uF"},
     {},
     false},
    {"TQRConstanteRL",
     "F",
     kFr,
     "TFormConstants",
     0,
     {{"Edit1", "1"}, {"Edit2", "1"}},
     {{"ComboBox1", 0}, {"ComboBox2", 1}, {"ComboBox3", 0}},
     "Button1",
     "BitBtn2",
     "TQRConstanteRL",
     "Constante de temp RL",
     {"L = 1 H", "R = 1 kOhms", "t = 0,001 S"},
     {},
     false},
    {"TQRConstanteRC",
     "F",
     kFr,
     "TFormConstants",
     1,
     {{"Edit3", "1"}, {"Edit4", "1"}},
     {{"ComboBox5", 1}},
     "Button2",
     "BitBtn4",
     "TQRConstanteRC",
     "Constante de temp RC",
     {"C = 1 uF", "R = 1 kOhms", "t = 0,001 S"},
     {},
     false},
};

class CalculatorReports : public GuiTest, public ::testing::WithParamInterface<PrintedCalculator> {
  protected:
    void SetUp() override { REQUIRE_POPPLER(); }
};

TEST_P(CalculatorReports, HoldWhatTheWindowShows) {
    const PrintedCalculator& c = GetParam();
    Build(QString::fromLatin1(c.mark), c.separators);
    ui::Window* form = Window(c.window);
    if (c.tab >= 0) Get<QTabWidget>(c.window, "PageControl1")->setCurrentIndex(c.tab);
    Activate(form);
    std::vector<std::pair<const char*, QString>> boxes;
    for (const auto& [box, text] : c.boxes)
        boxes.emplace_back(box, QString::fromUtf8(text));
    Enter(c.window, boxes);
    for (const auto& [list, index] : c.lists)
        Get<QComboBox>(c.window, list)->setCurrentIndex(index);
    Click(Get<QWidget>(c.window, c.equals));
    Click(Get<QWidget>(c.window, c.print));
    ASSERT_EQ(Previews().shown.size(), 1u);
    EXPECT_EQ(Previews().shown[0].owner, form);
    const printing::Document& doc = Previews().shown[0].doc;
    EXPECT_EQ(doc.reportClass, c.report);
    EXPECT_EQ(doc.title, QString::fromUtf8(c.title));
    ASSERT_EQ(doc.pages.size(), 1u);

    PdfFile pdf(doc);
    pdf.Keep(QString::fromLatin1(c.name));
    const QString text = Squeezed(pdf.Text());
    QStringList lines{QString::fromUtf8(c.title), QStringLiteral("Kelmora international")};
    for (const char* line : c.lines)
        lines << QString::fromUtf8(line);
    ExpectLines(text, lines, c.blanksCount);
    for (const char* line : c.absent)
        EXPECT_FALSE(text.contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(pdf.Info().contains("612 x 792 pts (letter)")) << pdf.Info().toStdString();
    EXPECT_GE(pdf.Images(), 1);
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Reports, CalculatorReports, ::testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
