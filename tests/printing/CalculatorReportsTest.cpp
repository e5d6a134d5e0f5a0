// The reports of the calculator windows, over a table of windows: values entered, "=", print,
// and the preview's document read back from its PDF.
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include <QTabWidget>

namespace {

struct Where {
    const char* name; // of the test and of the kept PDF
    const char* mark; // "F": French separators too, "*": English ones
    const char* window;
    int tab; // of PageControl1, or -1
    const char* equals;
    const char* print;
    const char* report;
    bool blanksCount = true; // pdftotext drops or adds blanks between some close glyphs
};

struct PrintedCalculator {
    Where where;
    std::vector<std::pair<const char*, const char*>> boxes;
    std::vector<std::pair<const char*, int>> lists; // item index, set after the boxes
    std::vector<const char*> lines;                 // as the report prints them, the title first
    std::vector<const char*> absent = {};
};

void PrintTo(const PrintedCalculator& c, std::ostream* os) {
    *os << c.where.name;
}

const PrintedCalculator kReports[] = {
    {{"TQRImpedance", "F", "TFormImpedance", -1, "Button1", "BitBtn2", "TQRImpedance"},
     {{"Edit1", "3"}, {"Edit2", "4"}},
     {},
     {"Impédance en circuit série RL et RC", "Schémas et formule :", "Valeurs saisie:", "R = 3 Ohms",
      "X = 4 Ohms", "Résultat:", "Z = 5,0000 Ohms", "Degrés = 53,1301"},
     {"Degrés = Z"}},
    {{"TQRImpSerieLC", "F", "TFormCircuitLCSerie", -1, "Button1", "BitBtn2", "TQRImpSerieLC"},
     {{"Edit1", "40"}, {"Edit2", "100"}},
     {},
     {"Impédance en circuit série LC", "Xl = 40 Ohms", "Xc = 100 Ohms", "Z = 60,0000 Ohms",
      "Degrés = -90,0000"},
     {"Degrés = Z"}},
    {{"TQRImpParaRL", "F", "TFormParaRLRCLC", 0, "BitBtn2", "BitBtn3", "TQRImpParaRL"},
     {{"Edit1", "100"}, {"Edit2", "100"}},
     {},
     {"Impédance en circuit parallèle RL", "R = 100 Ohms", "Xl = 100 Ohms", "Z = 70,7107 Ohms",
      "Degrés = 45,0000"},
     {"Degrés = Z"}},
    {{"TQRImpParaRC", "F", "TFormParaRLRCLC", 1, "BitBtn5", "BitBtn6", "TQRImpParaRC"},
     {{"Edit3", "1"}, {"Edit4", "300"}},
     {{"ComboBox2", 1}},
     {"Impédance en circuit parallèle RC", "R = 1 KOhms", "Xc = 300 Ohms", "Z = 287,3479 Ohms",
      "Degrés = -73,3008"},
     {"Degrés = Z"}},
    {{"TQRImpParaLC", "F", "TFormParaRLRCLC", 2, "BitBtn7", "BitBtn8", "TQRImpParaLC"},
     {{"Edit5", "100"}, {"Edit6", "50"}},
     {},
     {"Impédance en circuit parallèle LC", "Xl = 100 Ohms", "Xc = 50 Ohms", "Z = 100,0000 Ohms"},
     {"Degrés"}},
    {{"TQRBobineCyl_fr", "F", "TInducPropre", -1, "ButtonCalcul", "BitBtn4", "TQRBobineCyl"},
     {{"EditN", "100"}, {"EditD", "2"}, {"EditI", "5"}},
     {{"ComboBox1", 1}, {"ComboBox2", 1}},
     {"Inductance d'une bobine cylindrique à noyau d'air", "N = 100", "d = 2 cm", "l = 5 cm",
      "L = 67,69230769 uH"}},
    {{"TQRIndCoax_en", "*", "TIndCoaxial", -1, "Button1", "BitBtn2", "TQRIndCoax"},
     {{"Editl", "10"}, {"EditD", "5"}, {"EditDm", "1"}},
     {},
     {"Inductance of a coaxial cable", "l = 10 metre", "D = 5 mm", "d = 1 mm", "L = 3.70842788 uH"}},
    {{"TQRReacInd_fr", "F", "TFormReacInd", -1, "Button1", "BitBtn2", "TQRReacInd"},
     {{"Edit1", "1"}, {"Edit2", "10"}},
     {{"ComboBox1", 1}, {"ComboBox2", 1}},
     {"Réactance inductive", "f = 1 kHz", "L = 10 mH", "Xl = 62,8319 Ohms"}},
    {{"TQRReacInd_en", "*", "TFormReacInd", -1, "Button1", "BitBtn2", "TQRReacInd"},
     {{"Edit1", "1"}, {"Edit2", "0.5"}},
     {{"ComboBox1", 2}},
     {"Inductive reactance", "f = 1 mHz", "L = 0.5 H", "Xl = 3,141,592.6540 Ohms"}},
    {{"TQRReacCap_fr_kHertz", "F", "TFormReacCap", -1, "Button1", "BitBtn1", "TQRReacCap"},
     {{"Edit1", "1"}, {"Edit2", "1"}},
     {{"ComboBox1", 1}, {"ComboBox2", 0}, {"ComboBox3", 0}},
     {"Réactance capacitive", "Schémas et formule :", "Valeurs saisie:", "Résultat:", "f = 1 kHertz",
      "C = 1 uF", "Xc = 159,2357 Ohms"}},
    {{"TQRReacCap_en_Hertz", "*", "TFormReacCap", -1, "Button1", "BitBtn1", "TQRReacCap"},
     {{"Edit1", "50"}, {"Edit2", "1"}},
     {{"ComboBox1", 0}, {"ComboBox2", 0}, {"ComboBox3", 0}},
     {"Capacitive reactance", "Diagrams and formula:", "Values entered:", "Result:", "f = 50 Hertz",
      "C = 1 uF", "Xc = 3,184.7134 Ohms"}},
    {{"TQRReacCap_en_mHertz", "*", "TFormReacCap", -1, "Button1", "BitBtn1", "TQRReacCap"},
     {{"Edit1", "1"}, {"Edit2", "1"}},
     {{"ComboBox1", 2}, {"ComboBox2", 1}, {"ComboBox3", 1}},
     {"Capacitive reactance", "Diagrams and formula:", "Values entered:", "Result:", "f = 1 mHertz",
      "C = 1 nF", "Xc = 0.1592 kOhms"}},
    {{"TQRReacCap_fr_fractions", "F", "TFormReacCap", -1, "Button1", "BitBtn1", "TQRReacCap"},
     {{"Edit1", "2,5"}, {"Edit2", "0,47"}},
     {{"ComboBox1", 1}, {"ComboBox2", 0}, {"ComboBox3", 0}},
     {"Réactance capacitive", "Schémas et formule :", "Valeurs saisie:", "Résultat:", "f = 2,5 kHertz",
      "C = 0,47 uF", "Xc = 135,5197 Ohms"}},
    {{"TQRFrequence", "F", "TFormOnde", 0, "Button1", "BitBtn4", "TQRFrequence", false},
     {{"Edit1", "1"}},
     {{"ComboBox5", 1}, {"ComboBox1", 1}},
     {"Fréquence", "Schémas et formule :", "Valeurs saisie:", "T = 1 ms", "Résultat:", "f = 1 Khz"}},
    {{"TQRPeriode", "F", "TFormOnde", 1, "BitBtn2", "BitBtn6", "TQRPeriode", false},
     {{"Edit2", "1"}},
     {{"ComboBox2", 1}, {"ComboBox3", 0}},
     {"Période", "f = 1 Khz", "T = 1 ms"}},
    {{"TQRLongueurOnde", "F", "TFormOnde", 2, "BitBtn7", "BitBtn8", "TQRLongueurOnde", false},
     {{"Edit3", "100"}},
     {{"ComboBox4", 2}, {"ComboBox6", 0}},
     {"Longueur d'onde", "f = 100 Mhz", "L'ongueur d'onde = 2,9982 m"}},
    {{"TQRResonance", "F", "TFormResonance", -1, "Button1", "BitBtn2", "TQRResonance", false},
     {{"Edit1", "10"}, {"Edit2", "100"}},
     {{"ComboBox2", 2}},
     {"Résonance", "Schémas et formule :", "Valeurs saisie:", "L = 10 uH", "C = 100 pF",
      "Résultat:", "Fo= 5,0329 mHz"}},
    {{"TQRProduitLC", "F", "TFormIndCapProReso", -1, "Button1", "BitBtn2", "TQRProduitLC", false},
     {{"Edit1", "1"}},
     {{"ComboBox1", 2}},
     {"Produit L X C", "f = 1 mHz", "L X C = 0,02533030 uH x uF"}},
    {{"TQRConstanteRL", "F", "TFormConstants", 0, "Button1", "BitBtn2", "TQRConstanteRL", false},
     {{"Edit1", "1"}, {"Edit2", "1"}},
     {{"ComboBox1", 0}, {"ComboBox2", 1}, {"ComboBox3", 0}},
     {"Constante de temp RL", "L = 1 H", "R = 1 kOhms", "t = 0,001 S"}},
    {{"TQRConstanteRC", "F", "TFormConstants", 1, "Button2", "BitBtn4", "TQRConstanteRC", false},
     {{"Edit3", "1"}, {"Edit4", "1"}},
     {{"ComboBox5", 1}},
     {"Constante de temp RC", "C = 1 uF", "R = 1 kOhms", "t = 0,001 S"}},
};

class CalculatorReports : public GuiTest, public ::testing::WithParamInterface<PrintedCalculator> {
  protected:
    void SetUp() override { REQUIRE_POPPLER(); }
};

TEST_P(CalculatorReports, HoldWhatTheWindowShows) {
    const PrintedCalculator& row = GetParam();
    const Where& c = row.where;
    BuildIn(c.mark);
    ui::Window* form = Window(c.window);
    if (c.tab >= 0) Get<QTabWidget>(c.window, "PageControl1")->setCurrentIndex(c.tab);
    Activate(form);
    std::vector<std::pair<const char*, QString>> boxes;
    for (const auto& [box, text] : row.boxes)
        boxes.emplace_back(box, QString::fromUtf8(text));
    Enter(c.window, boxes);
    for (const auto& [list, index] : row.lists)
        Get<QComboBox>(c.window, list)->setCurrentIndex(index);
    Click(Get<QWidget>(c.window, c.equals));
    Click(Get<QWidget>(c.window, c.print));
    ASSERT_EQ(Previews().shown.size(), 1u);
    EXPECT_EQ(Previews().shown[0].owner, form);
    const printing::Document& doc = Previews().shown[0].doc;
    EXPECT_EQ(doc.reportClass, c.report);
    EXPECT_EQ(doc.title, QString::fromUtf8(row.lines.front()));
    ASSERT_EQ(doc.pages.size(), 1u);

    PdfFile pdf(doc);
    pdf.Keep(QString::fromLatin1(c.name));
    const QString text = Squeezed(pdf.Text());
    QStringList lines{QStringLiteral("Kelmora international")};
    for (const char* line : row.lines)
        lines << QString::fromUtf8(line);
    ExpectLines(text, lines, c.blanksCount);
    for (const char* line : row.absent)
        EXPECT_FALSE(text.contains(QString::fromUtf8(line))) << line;
    ExpectOneLanguage(text, c.mark[0] == '*');
    EXPECT_TRUE(pdf.Info().contains("612 x 792 pts (letter)")) << pdf.Info().toStdString();
    EXPECT_GE(pdf.Images(), 1);
    for (int ppi : pdf.ImageResolutions()) // drawn for paper, not the screen's 96
        EXPECT_GE(ppi, 599);
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Reports, CalculatorReports, ::testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.where.name); });

} // namespace
