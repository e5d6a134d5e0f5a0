#include "core/Failure.h"
#include "printing/Layouts.h"
#include "printing/PreviewWindow.h"
#include "printing/PrintingSupport.h"
#include "support/GuiFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>

namespace {

// A list report long enough for three pages: 12 lines a page, 30 values.
class ThreePageList : public printing::CalculatorReport {
  public:
    ThreePageList()
        : CalculatorReport(QStringLiteral("Résistance en série"), {{}, {QStringLiteral("Rt =")}, true, 12}) {}
    void QuickRep1StartPage() override {
        QStringList lines;
        for (int i = 1; i <= 30; ++i)
            lines << QStringLiteral("R%1 = %2").arg(i).arg(i * 10);
        SetMemo(lines);
        SetResult(0, QStringLiteral("4650 Ohms"));
    }
};

class PreviewTest : public GuiTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), core::FrenchSeparators()); }
    static void Trigger(printing::PreviewWindow& w, const char* command) {
        QAction* action = w.findChild<QAction*>(QLatin1String(command));
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
    }
};

TEST_F(PreviewTest, ListRunsOverOntoFollowingPages) {
    REQUIRE_POPPLER();
    const printing::Document doc = ThreePageList().Produce();
    ASSERT_EQ(doc.pages.size(), 3u);
    PdfFile pdf(doc);
    const struct {
        int page;
        const char* first;
        const char* last;
        const char* absent;
    } pages[] = {{1, "R1 = 10", "R12 = 120", "R13 ="},
                 {2, "R13 = 130", "R24 = 240", "R25 ="},
                 {3, "R25 = 250", "R30 = 300", "R12 ="}};
    for (const auto& p : pages) {
        const QString text = Squeezed(pdf.Text(p.page));
        EXPECT_TRUE(text.contains(p.first)) << p.page << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(p.last)) << p.page;
        EXPECT_FALSE(text.contains(p.absent)) << p.page;
        // Every page is a whole report page: title, result and footer.
        for (const char* everywhere : {"Résistance en série", "Rt = 4650 Ohms", "Kelmora international"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(everywhere))) << p.page << " " << everywhere;
    }
    EXPECT_TRUE(pdf.Info().contains("Pages:           3")) << pdf.Info().toStdString();
}

TEST_F(PreviewTest, PageNavigation) {
    printing::PreviewWindow window(ThreePageList().Produce());
    window.show();
    QCoreApplication::processEvents();
    QPrintPreviewWidget* view = window.View();
    ASSERT_EQ(view->pageCount(), 3);
    EXPECT_EQ(view->currentPage(), 1);
    const struct {
        const char* command;
        int page;
    } steps[] = {{"PreviousPage", 1}, {"NextPage", 2}, {"NextPage", 3},     {"NextPage", 3},
                 {"FirstPage", 1},    {"LastPage", 3}, {"PreviousPage", 2}, {"FirstPage", 1}};
    for (const auto& s : steps) {
        Trigger(window, s.command);
        EXPECT_EQ(view->currentPage(), s.page) << s.command;
        EXPECT_EQ(window.findChild<QLabel*>("PageText")->text(), QStringLiteral("%1 / 3").arg(s.page))
            << s.command;
    }
    Snapshot(&window, QStringLiteral("preview-fr"));
}

TEST_F(PreviewTest, ZoomModes) {
    printing::PreviewWindow window(ThreePageList().Produce());
    window.resize(700, 600);
    window.show();
    QCoreApplication::processEvents();
    QPrintPreviewWidget* view = window.View();
    Trigger(window, "ZoomToFit");
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitInView);
    const qreal fit = view->zoomFactor();
    Trigger(window, "ZoomToWidth");
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
    // A portrait page in a landscape-ish view: the width fit is the larger.
    EXPECT_GT(view->zoomFactor(), fit);
    Trigger(window, "Zoom100");
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::CustomZoom);
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.0);
}

TEST_F(PreviewTest, CommandsAreAllThereWithTheirTexts) {
    printing::PreviewWindow window(ThreePageList().Produce());
    const char* commands[] = {"ZoomToFit", "Zoom100", "ZoomToWidth",  "FirstPage", "PreviousPage", "NextPage",
                              "LastPage",  "Print",   "PrinterSetup", "Save",      "Load",         "Close"};
    for (const char* name : commands) {
        QAction* action = window.findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_FALSE(action->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(window.findChild<QAction*>("Print")->toolTip(), "Imprimer");
    EXPECT_TRUE(window.windowTitle().endsWith("Résistance en série"));
    window.show();
    Trigger(window, "Close");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PreviewTest, SaveAndLoadShowTheSameReport) {
    REQUIRE_POPPLER();
    QTemporaryDir dir;
    const printing::Document doc = ThreePageList().Produce();
    printing::PreviewWindow window(doc);
    ASSERT_TRUE(window.SaveTo(dir.filePath("list.qrp")));
    ASSERT_TRUE(window.SaveTo(dir.filePath("list.pdf")));

    // Loaded into a preview of another report, it replaces what is shown.
    printing::PreviewWindow other(printing::CreateReport("TQRReacCap")->Produce());
    other.show();
    ASSERT_TRUE(other.LoadFrom(dir.filePath("list.qrp")));
    QCoreApplication::processEvents();
    EXPECT_EQ(other.View()->pageCount(), 3);
    EXPECT_EQ(other.Shown().reportClass, doc.reportClass);
    EXPECT_EQ(other.Shown().title, "Résistance en série");
    ASSERT_EQ(other.Shown().pages.size(), 3u);
    for (std::size_t p = 0; p < 3; ++p) {
        ASSERT_EQ(other.Shown().pages[p].elements.size(), doc.pages[p].elements.size());
        for (std::size_t i = 0; i < doc.pages[p].elements.size(); ++i) {
            const printing::Element& a = doc.pages[p].elements[i];
            const printing::Element& b = other.Shown().pages[p].elements[i];
            EXPECT_EQ(a.text, b.text);
            EXPECT_EQ(a.rect, b.rect);
            EXPECT_EQ(a.font, b.font);
            EXPECT_EQ(a.picture, b.picture);
        }
    }
    // The PDF written from the preview reads like the report.
    const QString text = RunTool("pdftotext", {dir.filePath("list.pdf"), "-"});
    EXPECT_TRUE(text.contains("R30 = 300"));

    // Not a report: refused, the preview keeps what it showed.
    QFile junk(dir.filePath("junk.qrp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a report at all");
    junk.close();
    EXPECT_FALSE(other.LoadFrom(dir.filePath("junk.qrp")));
    EXPECT_FALSE(other.LoadFrom(dir.filePath("missing.qrp")));
    EXPECT_EQ(other.Shown().pages.size(), 3u);
}

class PreviewRequestTest : public GuiTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), core::FrenchSeparators()); }
    KeptPreviews& preview_ = Previews();
};

TEST_F(PreviewRequestTest, SecondRequestWhileOpenIsIgnored) {
    QWidget* print = Get<QWidget>("TFormReacCap", "BitBtn1");
    QWidget* tablePrint = Get<QWidget>("TFormTabReacCap", "BitBtn1");
    int nested = 0;
    preview_.whileOpen = [&](const printing::Document& doc) {
        if (doc.reportClass != "TQRReacCap") return;
        EXPECT_TRUE(printing::IsPreviewOpen("TQRReacCap"));
        Click(print); // ignored: that preview is open
        EXPECT_FALSE(printing::PreviewReport("TQRReacCap", Window("TFormReacCap")));
        ++nested;
        Click(tablePrint); // another report opens meanwhile
    };
    Click(print);
    EXPECT_EQ(nested, 1);
    ASSERT_EQ(preview_.shown.size(), 2u);
    EXPECT_EQ(preview_.shown[0].doc.reportClass, "TQRReacCap");
    EXPECT_EQ(preview_.shown[1].doc.reportClass, "TQRTabReacCap");
    EXPECT_FALSE(printing::IsPreviewOpen("TQRReacCap"));
    // Closed, it opens again.
    preview_.whileOpen = nullptr;
    Click(print);
    EXPECT_EQ(preview_.shown.size(), 3u);
    EXPECT_FALSE(printing::PreviewReport("TQRNoSuchReport", Window("TFormReacCap")));
    EXPECT_EQ(preview_.shown.size(), 3u);
}

TEST_F(PreviewRequestTest, FailureWhileFillingClosesNothingAndShowsTheError) {
    struct Failing : printing::Report {
        void QuickRep1StartPage() override {
            throw core::PictureError(QStringLiteral("Ouverture impossible"));
        }
    };
    printing::ScopedReport failing("TQRReacCap", [] { return std::make_unique<Failing>(); });
    Click(Get<QWidget>("TFormReacCap", "BitBtn1"));
    EXPECT_TRUE(preview_.shown.empty());
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
    EXPECT_EQ(LastBox()->owner, Window("TFormReacCap"));
    // The failed request does not count as an open preview.
    EXPECT_FALSE(printing::IsPreviewOpen("TQRReacCap"));
}

// The desktop preview: a window of its own, the request returns when it closes, and the
// windows behind it stay usable meanwhile.
TEST_F(GuiTest, DesktopPreviewReturnsWhenClosedAndBlocksNothing) {
    const std::unique_ptr<printing::PreviewPlatform> desktop = printing::MakeDesktopPreview();
    printing::ScopedPreview real(*desktop);
    Build(QStringLiteral("*"), core::EnglishSeparators());
    ui::Window* form = Window("TFormReacCap");
    Activate(form);
    int previews = 0;
    bool checked = false;
    QTimer::singleShot(50, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<printing::PreviewWindow*>(w) && w->isVisible()) ++previews;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(QApplication::activePopupWidget());
        // The calculator still takes typing while the preview is up.
        auto* edit = Get<QLineEdit>("TFormReacCap", "Edit1");
        Type(edit, "12");
        EXPECT_EQ(edit->text(), "12");
        // A second print click does not open a second preview.
        Click(Get<QWidget>("TFormReacCap", "BitBtn1"));
        int after = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<printing::PreviewWindow*>(w) && w->isVisible()) ++after;
        EXPECT_EQ(after, 1);
        checked = true;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<printing::PreviewWindow*>(w)) p->close();
    });
    form->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_TRUE(checked);
    EXPECT_EQ(previews, 1);
    EXPECT_FALSE(printing::IsPreviewOpen("TQRReacCap"));
    QCoreApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<printing::PreviewWindow*>(w)) << "the preview window is left over";
}

// Closing the preview while one of its own dialogs runs (a click queued meanwhile can do it):
// the dialog is turned down and goes first, then the preview; nothing is freed under a loop
// that still runs.
TEST_F(GuiTest, ClosingThePreviewUnderItsOwnDialogClosesTheDialogFirst) {
    const std::unique_ptr<printing::PreviewPlatform> desktop = printing::MakeDesktopPreview();
    printing::ScopedPreview real(*desktop);
    Build(QStringLiteral("*"), core::EnglishSeparators());
    ui::Window* form = Window("TFormReacCap");
    Activate(form);
    for (const char* command : {"Print", "PrinterSetup", "Save", "Load"}) {
        SCOPED_TRACE(command);
        QPointer<printing::PreviewWindow> preview;
        QPointer<QWidget> dialog;
        int step = 0;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (step == 0) {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* p = qobject_cast<printing::PreviewWindow*>(w); p && p->isVisible()) preview = p;
                if (!preview) return;
                step = 1;
                QAction* action = preview->findChild<QAction*>(QLatin1String(command));
                ASSERT_NE(action, nullptr);
                QTimer::singleShot(0, action, &QAction::trigger); // its dialog runs a loop of its own
            } else if (step == 1) {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || !preview || modal->parentWidget() != preview) return;
                dialog = modal;
                step = 2;
                preview->close();
            } else if (step == 2 && dialog && dialog->isVisible()) {
                step = 3;
                dialog->close(); // not turned down: let the test fail instead of waiting
            }
        });
        driver.start(10);
        form->findChild<QPushButton*>("BitBtn1")->click();
        driver.stop();
        EXPECT_EQ(step, 2);
        EXPECT_TRUE(dialog.isNull());
        EXPECT_TRUE(preview.isNull());
        EXPECT_FALSE(printing::IsPreviewOpen("TQRReacCap"));
        QCoreApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<printing::PreviewWindow*>(w)) << "the preview window is left over";
    }
}

} // namespace
