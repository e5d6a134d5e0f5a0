// The reports of the series and parallel lists, read back from their PDF: the memo lists the
// entries as the window's list shows them and the result lines the totals as shown.
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include <QTabWidget>
#include <QTest>

namespace {

class EntryListReportsTest : public GuiTest {
  protected:
    void SetUp() override {
        REQUIRE_POPPLER();
        Build(QStringLiteral("F"), core::FrenchSeparators());
    }
    KeptPreviews& preview_ = Previews();
};

TEST_F(EntryListReportsTest, EachListPrintsAsShown) {
    const struct {
        struct {
            const char* window;
            int tab;
            const char *box, *print, *report, *title;
        } at;
        std::vector<std::pair<const char*, const char*>> results; // fixed name, value label
    } cases[] = {
        {{"TFormResistor", 0, "Edit1", "BitBtn3", "TQRResSerie", "Résistance en série"},
         {{"Rt =", "Label5"}}},
        {{"TFormResistor", 1, "EditSerie", "BitBtn4", "TQRResPara", "Résistance en parallèle"},
         {{"Rt =", "Label3"}, {"G =", "Label4"}}},
        {{"TCondensateur", 0, "Edit1", "BitBtn3", "TQRCondSerie", "Condensateur en série"},
         {{"Ct =", "Label7"}}},
        {{"TCondensateur", 1, "Edit2", "BitBtn5", "TQRCondPara", "Condensateur en parallèle"},
         {{"Ct =", "Label2"}}},
        {{"TIndSerPara", 0, "Edit1", "BitBtn1", "TQRIndSerie", "Inductance en série"}, {{"Lt =", "Label1"}}},
        {{"TIndSerPara", 1, "Edit2", "BitBtn4", "TQRIndPara", "Inductance en parallèle"},
         {{"Lt =", "Label2"}}},
    };
    for (const auto& row : cases) {
        const auto& c = row.at;
        SCOPED_TRACE(c.report);
        Get<QTabWidget>(c.window, "PageControl1")->setCurrentIndex(c.tab);
        Activate(Window(c.window));
        // Nothing entered: the report still opens, with its names and no values.
        preview_.shown.clear();
        Click(Get<QWidget>(c.window, c.print));
        ASSERT_EQ(preview_.shown.size(), 1u);
        const QString empty = Squeezed(PdfFile(preview_.shown[0].doc).Text());
        EXPECT_TRUE(empty.contains(QString::fromUtf8(c.title))) << empty.toStdString();
        const QChar letter = row.results[0].first[0];
        EXPECT_TRUE(empty.contains(QString::fromUtf8(row.results[0].first))) << empty.toStdString();
        EXPECT_FALSE(empty.contains(QString(letter) + "1=")) << empty.toStdString();

        for (const char* value : {"10", "4,7", "2,2"}) {
            Type(Get<QWidget>(c.window, c.box), value);
            QTest::keyClick(Get<QWidget>(c.window, c.box), Qt::Key_Return);
        }
        Snapshot(Window(c.window), QString::fromLatin1(c.report) + "-window");
        preview_.shown.clear();
        Click(Get<QWidget>(c.window, c.print));
        EXPECT_TRUE(Boxes().empty());
        ASSERT_EQ(preview_.shown.size(), 1u);
        EXPECT_EQ(preview_.shown[0].owner, Window(c.window));
        EXPECT_EQ(preview_.shown[0].doc.reportClass, c.report);
        PdfFile pdf(preview_.shown[0].doc);
        pdf.Keep(QString::fromLatin1(c.report));
        const QString text = Squeezed(pdf.Text());
        QStringList lines{QString::fromUtf8(c.title), "Valeurs saisie:",          QString(letter) + "1= 10",
                          QString(letter) + "2= 4,7", QString(letter) + "3= 2,2", "Résultat:"};
        for (const auto& [name, label] : row.results) {
            EXPECT_FALSE(Text(c.window, label).isEmpty());
            lines << QString::fromUtf8(name) + " " + Text(c.window, label);
        }
        for (const QString& line : lines)
            EXPECT_TRUE(text.contains(line)) << line.toStdString() << "\nin: " << text.toStdString();
        EXPECT_GE(pdf.Images(), 1);
    }
}

} // namespace
