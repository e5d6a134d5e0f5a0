// The reports of the wave window's three calculators, read back from their PDF.
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include <QTabWidget>

namespace {

class WavesReportsTest : public GuiTest {
  protected:
    void SetUp() override { REQUIRE_POPPLER(); }
};

TEST_F(WavesReportsTest, EachTabPrintsItsValues) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    const char* form = "TFormOnde";
    const struct {
        const char *box, *value, *in, *out;
        int inIndex, outIndex;
        const char *equals, *print, *report;
        QStringList lines;
    } cases[] = {
        {"Edit1",
         "1",
         "ComboBox5",
         "ComboBox1",
         1,
         1,
         "Button1",
         "BitBtn4",
         "TQRFrequence",
         {"Fréquence", "Schémas et formule :", "Valeurs saisie:", "T = 1 ms", "Résultat:", "f = 1 Khz"}},
        {"Edit2",
         "1",
         "ComboBox2",
         "ComboBox3",
         1,
         0,
         "BitBtn2",
         "BitBtn6",
         "TQRPeriode",
         {"Période", "f = 1 Khz", "T = 1 ms"}},
        {"Edit3",
         "100",
         "ComboBox4",
         "ComboBox6",
         2,
         0,
         "BitBtn7",
         "BitBtn8",
         "TQRLongueurOnde",
         {"Longueur d'onde", "f = 100 Mhz", "L'ongueur d'onde = 2,9982 m"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        Clear(Get<QWidget>(form, c.box));
        Type(Get<QWidget>(form, c.box), QString::fromUtf8(c.value));
        Get<QComboBox>(form, c.in)->setCurrentIndex(c.inIndex);
        Get<QComboBox>(form, c.out)->setCurrentIndex(c.outIndex);
        Click(Get<QWidget>(form, c.equals));
        Click(Get<QWidget>(form, c.print));
        ASSERT_EQ(Previews().shown.size(), 1u);
        const printing::Document doc = Previews().shown.back().doc;
        Previews().shown.clear();
        EXPECT_EQ(doc.reportClass, c.report);
        ASSERT_EQ(doc.pages.size(), 1u);
        PdfFile pdf(doc);
        pdf.Keep(QString::fromLatin1(c.report));
        // pdftotext may drop or add blanks between close glyphs, so blanks do not count.
        const QString text = Squeezed(pdf.Text()).remove(QLatin1Char(' '));
        for (const QString& line : c.lines)
            EXPECT_TRUE(text.contains(QString(line).remove(QLatin1Char(' '))))
                << line.toStdString() << "\nin: " << text.toStdString();
        EXPECT_GT(pdf.Images(), 0); // the formula picture
    }
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
