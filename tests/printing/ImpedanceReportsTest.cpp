// The report of the series impedance table, read back from its PDF (the impedance calculators'
// reports are in CalculatorReportsTest).
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

namespace {

class ImpedanceReportsTest : public GuiTest {
  protected:
    void SetUp() override {
        REQUIRE_POPPLER();
        Build(QStringLiteral("F"), core::FrenchSeparators());
    }
    KeptPreviews& preview_ = Previews();
};

// The table's print button opens its page choice; each page prints a third of the columns.
TEST_F(ImpedanceReportsTest, TablePagesThroughTheirDialog) {
    const struct {
        int page;
        QStringList lines;  // must be on the page
        QStringList absent; // other pages' columns
    } pages[] = {
        {1, {"R de 1 à 15 Ohms", "Page 1 / 3", "1,41", "5,00"}, {"1 697,06", "212,13"}},
        {2, {"R de 20 à 150 Ohms", "Page 2 / 3", "20,02", "212,13"}, {"1 697,06"}},
        {3, {"R de 200 à 1 200 Ohms", "Page 3 / 3", "1 697,06", "200,00"}, {"212,13"}},
    };
    const char* table = "TFormTableurImpedance";
    Window(table)->ShowTopic();
    Activate(Window(table));
    WithModal(
        [&] { Click(Get<QWidget>(table, "BitBtn1")); },
        [&](QWidget* dialog) {
            EXPECT_STREQ(dialog->metaObject()->className(), "TFormImpSerieRLC");
            for (const auto& p : pages)
                Click(Get<QWidget>("TFormImpSerieRLC", QByteArray("Button" + QByteArray::number(p.page))));
        });
    ASSERT_EQ(preview_.shown.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(pages[i].page);
        const printing::Document& doc = preview_.shown[i].doc;
        EXPECT_EQ(doc.reportClass, "TQRTabImpSerieRLC");
        PdfFile pdf(doc);
        pdf.Keep(QStringLiteral("TQRTabImpSerieRLC-P%1").arg(pages[i].page));
        const QString text = Squeezed(pdf.Text());
        EXPECT_TRUE(text.contains(QString::fromUtf8("Tableur de l'impédance en circuit série R et X")));
        for (const QString& line : pages[i].lines)
            EXPECT_TRUE(text.contains(line)) << line.toStdString() << "\nin: " << text.toStdString();
        for (const QString& line : pages[i].absent)
            EXPECT_FALSE(text.contains(line)) << line.toStdString();
        EXPECT_TRUE(Squeezed(pdf.Info()).contains("Pages: 1 "));
    }
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
