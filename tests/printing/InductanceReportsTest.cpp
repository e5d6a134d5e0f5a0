#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include "inductance/TableurInd.h"
#include "printing/impReacInd.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct Entry {
    const char* component;
    const char* text; // typed into a box; or, for a list, the item index
};

struct CalculatorCase {
    const char* name;
    const char* mark;
    core::Separators separators;
    const char* window;
    const char* report;
    const char* title;
    std::vector<Entry> boxes;
    std::vector<Entry> lists;
    const char* equals;
    const char* print;
    std::vector<const char*> lines; // as the report prints them
};

class InductanceReportTest : public GuiTest, public ::testing::WithParamInterface<CalculatorCase> {
  protected:
    void SetUp() override { REQUIRE_POPPLER(); }
    KeptPreviews& preview_ = Previews();
};

TEST_P(InductanceReportTest, HoldsTheWindowsValues) {
    const CalculatorCase& c = GetParam();
    Build(QString::fromLatin1(c.mark), c.separators);
    ui::Window* form = Window(c.window);
    Activate(form);
    for (const Entry& e : c.boxes)
        Type(Get<QLineEdit>(c.window, e.component), QString::fromLatin1(e.text));
    for (const Entry& e : c.lists)
        Get<QComboBox>(c.window, e.component)->setCurrentIndex(std::atoi(e.text));
    Click(Get<QWidget>(c.window, c.equals));
    Click(Get<QWidget>(c.window, c.print));
    ASSERT_EQ(preview_.shown.size(), 1u);
    EXPECT_EQ(preview_.shown[0].owner, form);
    const printing::Document& doc = preview_.shown[0].doc;
    EXPECT_EQ(doc.reportClass, c.report);
    ASSERT_EQ(doc.pages.size(), 1u);
    PdfFile pdf(doc);
    pdf.Keep(QString::fromLatin1(c.name));
    const QString text = Squeezed(pdf.Text());
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.title))) << text.toStdString();
    for (const char* line : c.lines)
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\nin: " << text.toStdString();
    EXPECT_GE(pdf.Images(), 1);
    EXPECT_TRUE(Boxes().empty());
}

const CalculatorCase kCalculators[] = {
    {"TQRBobineCyl_fr",
     "F",
     core::FrenchSeparators(),
     "TInducPropre",
     "TQRBobineCyl",
     "Inductance d'une bobine cylindrique à noyau d'air",
     {{"EditN", "100"}, {"EditD", "2"}, {"EditI", "5"}},
     {{"ComboBox1", "1"}, {"ComboBox2", "1"}},
     "ButtonCalcul",
     "BitBtn4",
     {"N = 100", "d = 2 cm", "l = 5 cm", "L = 67,69230769 uH"}},
    {"TQRIndCoax_en",
     "*",
     core::EnglishSeparators(),
     "TIndCoaxial",
     "TQRIndCoax",
     "Inductance d'un câble coxial",
     {{"Editl", "10"}, {"EditD", "5"}, {"EditDm", "1"}},
     {},
     "Button1",
     "BitBtn2",
     {"l = 10 metre", "D = 5 mm", "d = 1 mm", "L = 3.70842788 uH"}},
    {"TQRReacInd_fr",
     "F",
     core::FrenchSeparators(),
     "TFormReacInd",
     "TQRReacInd",
     "Réactance inductive",
     {{"Edit1", "1"}, {"Edit2", "10"}},
     {{"ComboBox1", "1"}, {"ComboBox2", "1"}},
     "Button1",
     "BitBtn2",
     {"f = 1 kHz", "L = 10 mH", "Xl = 62,8319 Ohms"}},
    {"TQRReacInd_en",
     "*",
     core::EnglishSeparators(),
     "TFormReacInd",
     "TQRReacInd",
     "Réactance inductive",
     {{"Edit1", "1"}, {"Edit2", "0.5"}},
     {{"ComboBox1", "2"}},
     "Button1",
     "BitBtn2",
     {"f = 1 mHz", "L = 0.5 H", "Xl = 3,141,592.6540 Ohms"}},
};

INSTANTIATE_TEST_SUITE_P(Reports, InductanceReportTest, ::testing::ValuesIn(kCalculators),
                         [](const auto& info) { return std::string(info.param.name); });

class TableReportTest : public GuiTest {
  protected:
    KeptPreviews& preview_ = Previews();
};

// The print button opens the page choice; each page is one range, whatever the window shows.
TEST_F(TableReportTest, PageChoicePrintsEachRange) {
    REQUIRE_POPPLER();
    Build(QStringLiteral("*"), core::EnglishSeparators());
    auto* table = static_cast<TFormTableurInd*>(Window("TFormTableurInd"));
    Activate(table);
    WithModal([&] { Click(Get<QWidget>("TFormTableurInd", "BitBtn1")); },
              [&](QWidget* modal) {
                  ASSERT_STREQ(modal->metaObject()->className(), "TFormImpReacInd");
                  Click(modal->findChild<QPushButton*>(QStringLiteral("Button2")));
                  Click(modal->findChild<QPushButton*>(QStringLiteral("Button1")));
              });
    ASSERT_EQ(preview_.shown.size(), 2u);
    EXPECT_EQ(table->Range(), 0); // the window still shows its first range
    const struct {
        const char* range;
        std::vector<const char*> cells;
        const char* footer;
    } pages[] = {
        {"Frequence 25 - 1000 hz / Inductance 0.001 - 5 H",
         {"0.15708", "31415.9", "376.991", "0.001"},
         "Page 2 de 2"},
        {"Frequence 1 - 1000 Khz / Inductance 10 - 100 mH", {"62.8319", "628319", "1,000"}, "Page 1 de 2"},
    };
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        const printing::Document& doc = preview_.shown[i].doc;
        EXPECT_EQ(doc.reportClass, "TQRTabReacInd");
        ASSERT_EQ(doc.pages.size(), 1u);
        PdfFile pdf(doc);
        pdf.Keep(QStringLiteral("TQRTabReacInd-P%1").arg(2 - int(i)));
        const QString text = Squeezed(pdf.Text());
        for (const char* expected : {"Tableur de la réactance inductive", pages[i].range, pages[i].footer})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected)))
                << expected << "\nin: " << text.toStdString();
        for (const char* cell : pages[i].cells)
            EXPECT_TRUE(text.contains(QString::fromUtf8(cell))) << cell << "\nin: " << text.toStdString();
        EXPECT_TRUE(pdf.Info().contains("(letter)"));
    }
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
