// The reports of the series and parallel impedance windows and of the series impedance table,
// read back from their PDF.
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include <QTabWidget>

namespace {

class ImpedanceReportsTest : public GuiTest {
  protected:
    void SetUp() override {
        REQUIRE_POPPLER();
        Build(QStringLiteral("F"), core::FrenchSeparators());
    }
    void Enter(const char* window, const char* box, const char* text) {
        Clear(Get<QWidget>(window, box));
        Type(Get<QWidget>(window, box), QString::fromUtf8(text));
    }
    KeptPreviews& preview_ = Previews();
};

TEST_F(ImpedanceReportsTest, EachReportPrintsWhatItsWindowShows) {
    const struct {
        const char* window;
        const char* report;
        int tab; // of the parallel window, -1 elsewhere
        std::vector<std::pair<const char*, const char*>> boxes;
        const char* unit; // a resistance list set to "KOhms", or null
        const char* equals;
        const char* print;
        QStringList lines;
    } cases[] = {
        {"TFormImpedance",
         "TQRImpedance",
         -1,
         {{"Edit1", "3"}, {"Edit2", "4"}},
         nullptr,
         "Button1",
         "BitBtn2",
         {"Impédance en circuit série RL et RC", "Schémas et formule :", "Valeurs saisie:", "R = 3 Ohms",
          "X = 4 Ohms", "Résultat:", "Z = 5,0000 Ohms", "Degrés = 53,1301"}},
        {"TFormCircuitLCSerie",
         "TQRImpSerieLC",
         -1,
         {{"Edit1", "40"}, {"Edit2", "100"}},
         nullptr,
         "Button1",
         "BitBtn2",
         {"Impédance en circuit série LC", "Xl = 40 Ohms", "Xc = 100 Ohms", "Z = 60,0000 Ohms",
          "Degrés = -90,0000"}},
        {"TFormParaRLRCLC",
         "TQRImpParaRL",
         0,
         {{"Edit1", "100"}, {"Edit2", "100"}},
         nullptr,
         "BitBtn2",
         "BitBtn3",
         {"Impédance en circuit parallèle RL", "R = 100 Ohms", "Xl = 100 Ohms", "Z = 70,7107 Ohms",
          "Degrés = 45,0000"}},
        {"TFormParaRLRCLC",
         "TQRImpParaRC",
         1,
         {{"Edit3", "1"}, {"Edit4", "300"}},
         "ComboBox2",
         "BitBtn5",
         "BitBtn6",
         {"Impédance en circuit parallèle RC", "R = 1 KOhms", "Xc = 300 Ohms", "Z = 287,3479 Ohms",
          "Degrés = -73,3008"}},
        {"TFormParaRLRCLC",
         "TQRImpParaLC",
         2,
         {{"Edit5", "100"}, {"Edit6", "50"}},
         nullptr,
         "BitBtn7",
         "BitBtn8",
         {"Impédance en circuit parallèle LC", "Xl = 100 Ohms", "Xc = 50 Ohms", "Z = 100,0000 Ohms"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        preview_.shown.clear();
        if (c.tab >= 0) Get<QTabWidget>(c.window, "PageControl1")->setCurrentIndex(c.tab);
        Window(c.window)->ShowTopic();
        for (const auto& [box, text] : c.boxes)
            Enter(c.window, box, text);
        if (c.unit) Pick(Get<QComboBox>(c.window, c.unit), 1);
        Click(Get<QWidget>(c.window, c.equals));
        Click(Get<QWidget>(c.window, c.print));
        ASSERT_EQ(preview_.shown.size(), 1u);
        EXPECT_EQ(preview_.shown[0].owner, Window(c.window));
        EXPECT_EQ(preview_.shown[0].doc.reportClass, c.report);
        PdfFile pdf(preview_.shown[0].doc);
        pdf.Keep(QString::fromLatin1(c.report));
        const QString text = Squeezed(pdf.Text());
        for (const QString& line : c.lines)
            EXPECT_TRUE(text.contains(line)) << line.toStdString() << "\nin: " << text.toStdString();
        if (c.tab != 2) {
            EXPECT_FALSE(text.contains("Degrés = Z")); // a result line never runs empty into the next
        } else {
            EXPECT_FALSE(text.contains("Degrés"));
        }
        EXPECT_GE(pdf.Images(), 1);
        Window(c.window)->hide();
    }
    EXPECT_TRUE(Boxes().empty());
}

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
