// Every picture a window shows is drawn at the device pixel ratio it is painted at. ctest runs
// this suite twice: in gui_tests at 1 (the stored pictures) and in gui_tests_scale2 with
// QT_SCALE_FACTOR=2, where each picture must have twice the pixels of its logical size each way.
#include "app/Inter.h"
#include "app/LanguageChooser.h"
#include "support/GuiFixture.h"
#include "ui/Density.h"
#include "ui/Registry.h"
#include "ui/Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTabWidget>

namespace {

struct Case {
    const char* name;
    const char* mark;
};

class PictureDensityTest : public GuiTest, public ::testing::WithParamInterface<Case> {
  protected:
    // Paints the window with each page of each of its tabs in front and checks every picture shown.
    void PaintAndCheck(QWidget* window) {
        const QString form = QString::fromLatin1(window->metaObject()->className());
        auto check = [&] {
            window->grab();
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->pixmap().isNull() || !label->isVisibleTo(window)) continue;
                Check(form + QLatin1Char('/') + label->objectName(), label, label->pixmap());
            }
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                if (button->icon().isNull() || !button->isVisibleTo(window)) continue;
                Check(form + QLatin1Char('/') + button->objectName(), button,
                      button->icon().pixmap(button->iconSize(), ratio_));
            }
        };
        check();
        Snapshot(window, QStringLiteral("%1-%2-x%3").arg(form, QLatin1String(GetParam().name)).arg(ratio_));
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                check();
            }
    }

    void Check(const QString& where, QWidget* widget, const QPixmap& shown) {
        SCOPED_TRACE(where.toStdString());
        ++checked_;
        const QImage logical = ui::DrawnAtDensity(widget, 1.0);
        ASSERT_FALSE(logical.isNull()) << "shows a picture that follows no drawing";
        EXPECT_EQ(shown.devicePixelRatio(), ratio_);
        EXPECT_EQ(shown.size(), logical.size() * ratio_);
    }

    qreal ratio_ = qApp->devicePixelRatio();
    int checked_ = 0;
};

TEST_P(PictureDensityTest, EveryPictureShownHasTheScreensDensity) {
    Build(QString::fromLatin1(GetParam().mark));
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        EXPECT_EQ(ratio_, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());

    // A preview is a picture file, shown at the density too while it is the file the build wrote.
    Hover(Get<QWidget>("TInterface1", "Label2"));
    for (ui::Window* window : ui::Windows()) {
        window->FormActivate(); // English pictures are set at activation
        PaintAndCheck(window);
    }
    PaintAndCheck(Main());
    const std::unique_ptr<QDialog> chooser = app::MakeLanguageChooser();
    PaintAndCheck(chooser.get());
    EXPECT_GT(checked_, 200);
}

INSTANTIATE_TEST_SUITE_P(Windows, PictureDensityTest,
                         ::testing::Values(Case{"French", "F"}, Case{"English", "*"}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
