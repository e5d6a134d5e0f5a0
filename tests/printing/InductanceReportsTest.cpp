// The inductive reactance table's report (the inductance calculators' reports are in
// CalculatorReportsTest).
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include "inductance/TableurInd.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

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
         "Page 2 of 2"},
        {"Frequence 1 - 1000 Khz / Inductance 10 - 100 mH", {"62.8319", "628319", "1,000"}, "Page 1 of 2"},
    };
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        const printing::Document& doc = preview_.shown[i].doc;
        EXPECT_EQ(doc.reportClass, "TQRTabReacInd");
        ASSERT_EQ(doc.pages.size(), 1u);
        PdfFile pdf(doc);
        pdf.Keep(QStringLiteral("TQRTabReacInd-P%1").arg(2 - int(i)));
        const QString text = Squeezed(pdf.Text());
        ExpectOneLanguage(text, true);
        for (const char* expected : {"Table of inductive reactance", pages[i].range, pages[i].footer})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected)))
                << expected << "\nin: " << text.toStdString();
        for (const char* cell : pages[i].cells)
            EXPECT_TRUE(text.contains(QString::fromUtf8(cell))) << cell << "\nin: " << text.toStdString();
        EXPECT_TRUE(pdf.Info().contains("(letter)"));
    }
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
