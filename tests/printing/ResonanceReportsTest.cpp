// The reports of the LC product and time constant tables, read back from their PDF (their
// calculators' reports are in CalculatorReportsTest).
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include <QFontMetricsF>
#include <QTabWidget>

namespace {

class ResonanceReportsTest : public GuiTest {
  protected:
    void SetUp() override { REQUIRE_POPPLER(); }

    // The one document shown since the last call, as PDF text squeezed to single blanks.
    QString PrintedText(const char* reportClass, int pages = 1) {
        auto& shown = Previews().shown;
        EXPECT_EQ(shown.size(), 1u);
        if (shown.empty()) return QString();
        const printing::Document doc = shown.back().doc;
        shown.clear();
        last_ = doc;
        EXPECT_EQ(doc.reportClass, reportClass);
        EXPECT_EQ(int(doc.pages.size()), pages);
        PdfFile pdf(doc);
        pdf.Keep(QString::fromLatin1(reportClass) + QString::number(keptCount_++));
        return Squeezed(pdf.Text());
    }
    // Blanks do not count (see ExpectLines).
    static QString Unblanked(QString text) { return text.remove(QLatin1Char(' ')); }

    printing::Document last_;

  private:
    int keptCount_ = 0;
};

TEST_F(ResonanceReportsTest, LCTablePrintsItsTwoPages) {
    Build(QStringLiteral("*"), core::EnglishSeparators());
    const char* product = "TFormIndCapProReso";
    Activate(Window(product));
    Click(Get<QWidget>(product, "BitBtn3"));
    const QString page1 = PrintedText("TQRtabProduitLC");
    ExpectLines(page1,
                {"Table of the LC product", "f (Khz)", "Wavelength", "L x C", "300000 1.00 0.0000003",
                 "500 600.00 0.1013212", "Page 1"},
                false);
    EXPECT_FALSE(page1.contains("0.2814477"));
    EXPECT_FALSE(Unblanked(page1).contains("496604.80"));
    Click(Get<QWidget>(product, "BitBtn4"));
    const QString page2 = PrintedText("TQRtabProduitLC");
    ExpectLines(page2, {"496 604.80 0.1029620", "300 1,000.00 0.2814477", "Page 2"}, false);
    EXPECT_FALSE(page2.contains("300000"));
}

TEST_F(ResonanceReportsTest, TimeConstantTablesPrintTheirGrid) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    const struct {
        const char* window;
        const char* report;
        QStringList lines;
    } cases[] = {
        {"TFormTableurRL",
         "TQRTabConstRL",
         {"Tableur de la constante de temp RL", "La valeur des résistances sont en Ohms / Inductance (H)",
          "Temp (s)", "10 0,0001", "6800", "0,0001471"}},
        {"TFormTableurRC",
         "TQRTabConstRC",
         {"Tableur de la constante de temp RC",
          "La valeur des résistances sont en KiloOhms / Capacitance (uF)", "1 1E-5", "680", "6,8"}},
    };
    for (const auto& c : cases) {
        Activate(Window(c.window));
        Click(Get<QWidget>(c.window, "BitBtn1"));
        ExpectLines(PrintedText(c.report), c.lines, false);
        // Every number fits its cell, the longest ones in a smaller type.
        ASSERT_FALSE(last_.pages.empty());
        for (const printing::Element& e : last_.pages[0].elements)
            if (e.kind == printing::Element::Kind::Text && e.text.contains(QLatin1Char(','))) {
                EXPECT_LE(QFontMetricsF(e.font).horizontalAdvance(e.text), e.rect.width())
                    << e.text.toStdString();
            }
    }
}

} // namespace
