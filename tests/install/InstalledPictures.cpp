// Run from an installed bin/: builds the program's windows as the program does, points at every
// topic of the main window in both languages and checks that each preview loaded from the
// installed pictures without an error box.
#include "app/Application.h"
#include "app/Inter.h"
#include "app/Startup.h"
#include "app/Topics.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTextStream>
#include <memory>

namespace {

class CountingPlatform : public ui::Platform {
  public:
    void ShowBox(ui::BoxKind, QWidget*, const QString&, const QString& text) override {
        lastBox = text;
        ++boxes;
    }
    void OpenUrl(QWidget*, const QUrl&) override {}
    int boxes = 0;
    QString lastBox;
};

void Hover(QWidget* widget) {
    const QPointF centre(widget->rect().center());
    QMouseEvent move(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    CountingPlatform platform;
    ui::ScopedPlatform scopedPlatform(platform);
    QTextStream out(stdout), err(stderr);

    app::ConfigureApplication(QStringLiteral("*"));
    std::unique_ptr<TInterface1> main(app::CreateWindows(QStringLiteral("*")));
    main->show();
    auto* preview = main->findChild<QLabel*>(QStringLiteral("Image26"));
    if (!preview) {
        err << "the main window has no preview\n";
        return 1;
    }
    int loaded = 0, failed = 0;
    for (const char* mark : {"*", "F"}) {
        main->SetMark(QLatin1String(mark));
        for (const app::Topic& topic : app::Topics()) {
            auto* label = main->findChild<QWidget*>(QLatin1String(topic.label));
            if (!label) {
                err << "no topic " << topic.label << "\n";
                ++failed;
                continue;
            }
            preview->clear();
            const int boxesBefore = platform.boxes;
            Hover(label);
            if (platform.boxes != boxesBefore || preview->pixmap().isNull()) {
                err << "no preview for " << topic.label << " (mark " << mark << "): " << platform.lastBox
                    << "\n";
                ++failed;
            } else {
                ++loaded;
            }
        }
    }
    out << loaded << " previews loaded from " << ui::PictureRoot() << ", " << failed << " failed\n";
    return failed == 0 && loaded > 0 ? 0 : 1;
}
