// The reports of the tables of two capacitors in series, two resistors in parallel and the series
// impedance: each page, a third of the columns, through its print-choice dialog, read back from
// its PDF.
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

namespace {

class TablePagesReportsTest : public GuiTest {
  protected:
    void SetUp() override {
        REQUIRE_POPPLER();
        Build(QStringLiteral("F"), core::FrenchSeparators());
    }
    KeptPreviews& preview_ = Previews();
};

TEST_F(TablePagesReportsTest, ThreePagesOfColumnsThroughTheirDialogs) {
    struct Page {
        QStringList lines;  // on the page
        QStringList absent; // other pages' cells
    };
    const struct {
        const char* table;
        const char* dialog;
        const char* report;
        const char* title;
        Page pages[3];
    } tables[] = {
        {"TTableurCondserie",
         "TFormImpTabserie",
         "TQRTabCondSerie",
         "Tableur de deux condensateurs en série",
         {{{"C1 de 1 à 7,5", "Page 1 / 3", "0,500", "0,990", "3,197", "1,320"}, {"50,000", "18,000"}},
          {{"C1 de 8,2 à 36", "Page 2 / 3", "18,000", "3,917"}, {"50,000", "0,500"}},
          {{"C1 de 39 à 100", "Page 3 / 3", "50,000", "0,990"}, {"0,500", "18,000"}}}},
        {"TFormTableauParallele",
         "TFormImpTabPara",
         "TQRTabResPara",
         "Tableur de deux résistances parallèle",
         {{{"R1 de 10 à 100 Ohms", "Page 1 / 3", "5,455", "90,91"}, {"7500", "109,1"}},
          {{"R1 de 120 à 1 200 Ohms", "Page 2 / 3", "109,1"}, {"7500", "5,455"}},
          {{"R1 de 1 500 à 15 000 Ohms", "Page 3 / 3", "7500", "5455"}, {"5,455", "109,1"}}}},
        {"TFormTableurImpedance",
         "TFormImpSerieRLC",
         "TQRTabImpSerieRLC",
         "Tableur de l'impédance en circuit série R et X",
         {{{"R de 1 à 15 Ohms", "Page 1 / 3", "1,41", "5,00"}, {"1 697,06", "212,13"}},
          {{"R de 20 à 150 Ohms", "Page 2 / 3", "20,02", "212,13"}, {"1 697,06"}},
          {{"R de 200 à 1 200 Ohms", "Page 3 / 3", "1 697,06", "200,00"}, {"212,13"}}}},
    };
    for (const auto& t : tables) {
        SCOPED_TRACE(t.table);
        preview_.shown.clear();
        Window(t.table)->ShowTopic();
        Activate(Window(t.table));
        WithModal([&] { Click(Get<QWidget>(t.table, "BitBtn1")); },
                  [&](QWidget* dialog) {
                      EXPECT_STREQ(dialog->metaObject()->className(), t.dialog);
                      for (const char* button : {"Button1", "Button2", "Button3"})
                          Click(Get<QWidget>(t.dialog, button));
                  });
        ASSERT_EQ(preview_.shown.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i + 1);
            const printing::Document& doc = preview_.shown[i].doc;
            EXPECT_EQ(doc.reportClass, t.report);
            PdfFile pdf(doc);
            pdf.Keep(QStringLiteral("%1-P%2").arg(QLatin1String(t.report)).arg(i + 1));
            const QString text = Squeezed(pdf.Text());
            EXPECT_TRUE(text.contains(QString::fromUtf8(t.title)));
            for (const QString& line : t.pages[i].lines)
                EXPECT_TRUE(text.contains(line)) << line.toStdString() << "\nin: " << text.toStdString();
            for (const QString& line : t.pages[i].absent)
                EXPECT_FALSE(text.contains(line)) << line.toStdString();
            EXPECT_TRUE(Squeezed(pdf.Info()).contains("Pages: 1 "));
        }
        Window(t.table)->hide();
    }
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
