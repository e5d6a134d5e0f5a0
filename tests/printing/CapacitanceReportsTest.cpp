#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"
#include "ui/Registry.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <cmath>

namespace {

class CapacitanceReportsTest : public GuiTest {
  protected:
    void SetUp() override { REQUIRE_POPPLER(); }
    KeptPreviews& preview_ = Previews();

    // The one document shown since the last call.
    printing::Document Printed() {
        EXPECT_EQ(preview_.shown.size(), 1u);
        printing::Document doc = preview_.shown.empty() ? printing::Document{} : preview_.shown.back().doc;
        preview_.shown.clear();
        return doc;
    }
};

// The reactance report's values are in CalculatorReportsTest.
TEST_F(CapacitanceReportsTest, ReactancePictureIsTheCircuitWithEchoesBesideTheFormula) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    Type(Get<QLineEdit>("TFormReacCap", "Edit1"), "1");
    Type(Get<QLineEdit>("TFormReacCap", "Edit2"), "1");
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    Click(Get<QWidget>("TFormReacCap", "BitBtn1"));
    const printing::Document doc = Printed();
    ASSERT_EQ(doc.pages.size(), 1u);
    const printing::Element* picture = nullptr;
    for (const printing::Element& e : doc.pages[0].elements)
        if (e.kind == printing::Element::Kind::Picture) picture = &e;
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->rect.topLeft(), QPointF(80, 96));
    // The yellow circuit panel (185 wide) and the formula (105 wide) with a gap between them, in
    // report units, drawn at 600 dpi.
    EXPECT_EQ(picture->rect.size(), QSizeF(185 + 24 + 105, 105));
    EXPECT_EQ(picture->picture.devicePixelRatio(), 600.0 / 96);
    EXPECT_EQ(picture->picture.size(), QSize(std::ceil(314 * 6.25), std::ceil(105 * 6.25)));
    EXPECT_EQ(QColor(picture->picture.pixel(4 * 6.25, 52 * 6.25)), QColor(Qt::yellow));
    // Everything else sits under the picture, within the title band.
    for (const printing::Element& e : doc.pages[0].elements) {
        if (e.text == "Valeurs saisie:") {
            EXPECT_GT(e.rect.top(), picture->rect.bottom());
        }
    }
}

TEST_F(CapacitanceReportsTest, ReactanceReportAfterResetPrintsEmptyValues) {
    Build(QStringLiteral("*"), core::EnglishSeparators());
    Type(Get<QLineEdit>("TFormReacCap", "Edit1"), "1");
    Type(Get<QLineEdit>("TFormReacCap", "Edit2"), "1");
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    Click(Get<QWidget>("TFormReacCap", "BitBtn2"));
    Click(Get<QWidget>("TFormReacCap", "BitBtn1"));
    const printing::Document doc = Printed();
    ASSERT_EQ(doc.pages.size(), 1u);
    QStringList texts;
    for (const printing::Element& e : doc.pages[0].elements)
        texts << e.text;
    // The names stay, the emptied boxes and result print nothing, not even their units.
    for (const char* name : {"f =", "C =", "Xc ="})
        EXPECT_TRUE(texts.contains(name)) << texts.join('|').toStdString();
    PdfFile pdf(doc);
    const QString text = Squeezed(pdf.Text());
    for (const char* gone : {"Hertz", "uF", "159", "Ohms"})
        EXPECT_FALSE(text.contains(gone)) << gone << " in " << text.toStdString();
}

TEST_F(CapacitanceReportsTest, TableReportShowsTheRangeOnScreen) {
    const struct {
        const char* radio;
        const char* heading; // top-left cell
        int lastRow;
        int lastColumn;
    } cases[] = {{"RadioButton1", "Hz", 35, 6}, {"RadioButton2", "kHz", 35, 6}};
    Build(QStringLiteral("F"), core::FrenchSeparators());
    ui::Window* table = Window("TFormTabReacCap");
    auto* grid = Get<QTableWidget>("TFormTabReacCap", "StringGrid1");
    for (const auto& c : cases) {
        Click(Get<QRadioButton>("TFormTabReacCap", c.radio));
        Click(Get<QWidget>("TFormTabReacCap", "BitBtn1"));
        ASSERT_EQ(preview_.shown.size(), 1u);
        EXPECT_EQ(preview_.shown[0].owner, table);
        const printing::Document doc = Printed();
        EXPECT_EQ(doc.reportClass, "TQRTabReacCap");
        PdfFile pdf(doc);
        pdf.Keep(QStringLiteral("TQRTabReacCap-%1").arg(c.radio));
        const QString text = Squeezed(pdf.Text());
        const QString range = Get<QRadioButton>("TFormTabReacCap", c.radio)->text();
        for (const QString& expected :
             {QStringLiteral("Tableur de la réactance capacitive"), range, QString::fromLatin1(c.heading),
              grid->item(1, 1)->text(), grid->item(c.lastRow, c.lastColumn)->text(),
              grid->item(c.lastRow, 0)->text()})
            EXPECT_TRUE(text.contains(Squeezed(expected)))
                << expected.toStdString() << "\nin: " << text.toStdString();
        EXPECT_TRUE(pdf.Info().contains("(letter)"));
        // The table page: 689 by 880, centred under the title, cell by cell.
        QRectF page;
        for (const printing::Element& e : doc.pages[0].elements)
            if (e.kind == printing::Element::Kind::Box) page |= e.rect;
        EXPECT_NEAR(page.left(), (printing::ContentWidth() - 689) / 2, 0.01);
        EXPECT_NEAR(page.right(), (printing::ContentWidth() + 689) / 2, 0.01);
        EXPECT_GE(page.top(), 48);
        EXPECT_LE(page.bottom(), 48 + 880);
    }
}

TEST_F(CapacitanceReportsTest, EveryReportOfTheProgramFillsALetterPage) {
    REQUIRE_POPPLER();
    Build(QStringLiteral("F"), core::FrenchSeparators());
    // The memory device sets up its first formula (and so its title) when activated.
    Activate(Window("TAboutBox"));
    for (const ui::Tool& tool : ui::Tools()) // the Tools menu's windows, created at their first opening
        ui::OpenTool(tool.className);
    // These print their values only, as their layouts have no picture (the standard values draw
    // rings only once a resistor's value is typed).
    const QStringList textOnly{"TQRCodeRes", "TQRValeurRec", "TQRStandardValues"};
    const QStringList reports = printing::ReportClasses();
    EXPECT_TRUE(reports.contains("TQRReacCap"));
    EXPECT_TRUE(reports.contains("TQRTabReacCap"));
    for (const QString& name : reports) {
        const char* window = printing::ReportWindow(name);
        ASSERT_TRUE(window && Window(window)) << name.toStdString();
        std::unique_ptr<printing::Report> report = printing::CreateReport(name, Window(window));
        ASSERT_TRUE(report) << name.toStdString();
        const printing::Document doc = report->Produce();
        ASSERT_GE(doc.pages.size(), 1u);
        EXPECT_FALSE(doc.title.isEmpty()) << name.toStdString();
        PdfFile pdf(doc);
        const QString text = Squeezed(pdf.Text());
        EXPECT_TRUE(text.contains(doc.title)) << name.toStdString();
        EXPECT_TRUE(text.contains(printing::Report::MakerName())) << name.toStdString();
        EXPECT_TRUE(pdf.Info().contains("(letter)")) << name.toStdString();
        bool drawn = false; // a picture or a table page
        for (const printing::Element& e : doc.pages[0].elements)
            drawn = drawn || e.kind != printing::Element::Kind::Text;
        EXPECT_EQ(drawn, !textOnly.contains(name)) << name.toStdString();
    }
}

} // namespace
