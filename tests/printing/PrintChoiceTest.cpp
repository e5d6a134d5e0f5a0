#include "printing/PrintChoice.h"
#include "printing/Layouts.h"
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"
#include "ui/Registry.h"

#include <QApplication>
#include <QPushButton>
#include <algorithm>

namespace {

struct Dialog {
    const char* className;
    const char* report;
    QSize client;
    std::vector<QRect> buttons;
    const char* table; // whose print button BitBtn1 opens the dialog
};

const Dialog kDialogs[] = {
    {"TFormImpTabPara",
     "TQRTabResPara",
     {116, 31},
     {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}},
     "TFormTableauParallele"},
    {"TFormImpTabserie",
     "TQRTabCondSerie",
     {116, 31},
     {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}},
     "TTableurCondserie"},
    {"TFormImpSerieRLC",
     "TQRTabImpSerieRLC",
     {116, 31},
     {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}},
     "TFormTableurImpedance"},
    {"TFormImpReacInd", "TQRTabReacInd", {115, 21}, {{8, 2, 41, 17}, {64, 2, 41, 17}}, "TFormTableurInd"},
};

// A stand-in table report that prints the page its dialog chose.
class ChosenPageReport : public printing::TableReport {
  public:
    ChosenPageReport() : TableReport(QStringLiteral("Tableur")) {}
    void QuickRep1StartPage() override {
        SetTablePage({{QStringLiteral("page"), QString::number(TablePage())}});
    }
};

QString PrintedPage(const printing::Document& doc) {
    for (const printing::Element& e : doc.pages.at(0).elements)
        if (e.kind == printing::Element::Kind::Text && e.rect.left() > 300 && e.rect.top() > 40 &&
            e.rect.top() < 100)
            return e.text;
    return QString();
}

class PrintChoiceTest : public GuiTest, public ::testing::WithParamInterface<Dialog> {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), core::FrenchSeparators()); }
    printing::PrintChoice* Form() {
        return qobject_cast<printing::PrintChoice*>(Window(GetParam().className));
    }
    QPushButton* Button(int n) {
        return Get<QPushButton>(GetParam().className,
                                QByteArray("Button" + QByteArray::number(n)).constData());
    }
    KeptPreviews& preview_ = Previews();
};

TEST_P(PrintChoiceTest, Layout) {
    const Dialog& d = GetParam();
    ASSERT_NE(Form(), nullptr);
    EXPECT_STREQ(Form()->metaObject()->className(), d.className);
    EXPECT_EQ(Form()->size(), d.client);
    EXPECT_TRUE(Form()->windowTitle().isEmpty());
    EXPECT_EQ(Form()->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(Form()->isVisible());
    EXPECT_EQ(Get<QWidget>(d.className, "Panel1")->geometry(), QRect(QPoint(0, 0), d.client));
    EXPECT_EQ(Form()->Pages(), int(d.buttons.size()));
    for (std::size_t i = 0; i < d.buttons.size(); ++i) {
        QPushButton* b = Button(int(i + 1));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QStringLiteral("P%1").arg(i + 1));
        EXPECT_EQ(b->geometry(), d.buttons[i]);
    }
    EXPECT_EQ(Form()->findChild<QPushButton*>("Button4"), nullptr);
    if (d.buttons.size() == 2) {
        EXPECT_EQ(Form()->findChild<QPushButton*>("Button3"), nullptr);
    }
    Activate(Form());
    Snapshot(Form(), QString::fromLatin1(d.className));
}

TEST_P(PrintChoiceTest, ButtonsChooseThePageAndOpenTheReport) {
    const Dialog& d = GetParam();
    printing::ScopedReport report(QString::fromLatin1(d.report),
                                  [] { return std::make_unique<ChosenPageReport>(); });
    Activate(Form());
    const int last = int(d.buttons.size());
    // "P1", close the preview, then the last page: the preview opens again with that page.
    Click(Button(1));
    EXPECT_EQ(Form()->PageSelector, 1);
    Click(Button(last));
    EXPECT_EQ(Form()->PageSelector, last);
    ASSERT_EQ(preview_.shown.size(), 2u);
    EXPECT_EQ(preview_.shown[0].owner, Form());
    EXPECT_EQ(preview_.shown[0].doc.reportClass, d.report);
    EXPECT_EQ(PrintedPage(preview_.shown[0].doc), "1");
    EXPECT_EQ(PrintedPage(preview_.shown[1].doc), QString::number(last));
    // The dialog stays open afterwards.
    EXPECT_TRUE(Form()->isVisible());
}

TEST_P(PrintChoiceTest, PageButtonWhileThePreviewIsOpenDoesNothing) {
    const Dialog& d = GetParam();
    printing::ScopedReport report(QString::fromLatin1(d.report),
                                  [] { return std::make_unique<ChosenPageReport>(); });
    preview_.whileOpen = [this](const printing::Document&) {
        Click(Button(2));
        EXPECT_EQ(Form()->PageSelector, 1);
    };
    Click(Button(1));
    EXPECT_EQ(preview_.shown.size(), 1u);
    EXPECT_EQ(Form()->PageSelector, 1);
}

// Closed under the preview its "P1" opened, the dialog still answers the table's print button,
// as often as asked, and the open report is still not asked for twice.
TEST_P(PrintChoiceTest, ThePrintButtonAnswersWhileAPreviewOfAClosedDialogIsOpen) {
    const Dialog& d = GetParam();
    printing::ScopedReport report(QString::fromLatin1(d.report),
                                  [] { return std::make_unique<ChosenPageReport>(); });
    ui::Window* table = Window(d.table);
    table->ShowTopic();
    Activate(table);
    QWidget* print = Get<QWidget>(d.table, "BitBtn1");
    preview_.whileOpen = [&](const printing::Document&) {
        Form()->close();
        ASSERT_FALSE(Form()->isVisible());
        Click(print);
        EXPECT_TRUE(Form()->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), Form());
        Snapshot(Form(), QStringLiteral("%1-shown-again").arg(QLatin1String(d.className)));
        Click(Button(2)); // its report's preview is open
        EXPECT_EQ(Form()->PageSelector, 1);
        Form()->close();
        Click(print);
        EXPECT_TRUE(Form()->isVisible());
    };
    WithModal([&] { Click(print); },
              [&](QWidget* dialog) {
                  EXPECT_EQ(dialog, Form());
                  Click(Button(1));
                  preview_.whileOpen = nullptr;
                  // Shown again under the preview, the dialog keeps the request waiting until it closes.
                  EXPECT_TRUE(Form()->isVisible());
                  Click(Button(2));
              });
    EXPECT_FALSE(Form()->isVisible());
    ASSERT_EQ(preview_.shown.size(), 2u);
    EXPECT_EQ(PrintedPage(preview_.shown[1].doc), "2");
    EXPECT_EQ(preview_.shown[1].owner, Form());
    table->hide();
}

TEST_P(PrintChoiceTest, WithoutItsTableReportAButtonOnlyChoosesThePage) {
    if (printing::ReportClasses().contains(QLatin1String(GetParam().report)))
        GTEST_SKIP() << "its table report exists";
    Click(Button(2));
    EXPECT_EQ(Form()->PageSelector, 2);
    EXPECT_TRUE(preview_.shown.empty());
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, PrintChoiceTest, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.className); });

TEST_F(GuiTest, PrintChoiceDialogsTakeTheirPlacesAtStartUp) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    std::vector<std::string> order;
    for (ui::Window* w : ui::Windows())
        order.push_back(w->metaObject()->className());
    auto at = [&order](const char* name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    const char* expected[] = {"TFormReacCap",     "TFormImpTabPara", "TFormImpTabserie",
                              "TFormImpSerieRLC", "TFormAPropos",    "TFormImpReacInd"};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
        ASSERT_LT(at(expected[i + 1]), long(order.size())) << expected[i + 1];
        EXPECT_LT(at(expected[i]), at(expected[i + 1])) << expected[i] << " before " << expected[i + 1];
    }
}

} // namespace
