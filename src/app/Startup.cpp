#include "app/Startup.h"

#include "app/Inter.h"
#include "core/Regional.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <functional>

namespace app {

void ConfigureApplication(const QString& languageMark) {
    // The forms' fonts, mapped to metric-compatible families present on every machine.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Georgia"), QStringLiteral("DejaVu Serif"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    ui::InstallFormStyle();

    static QPointer<QTranslator> qtFrench;
    if (!ui::MarkIsEnglish(languageMark) && !qtFrench) {
        qtFrench = new QTranslator(qApp);
        if (qtFrench->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtFrench);
    }
    core::RefreshSeparators();
}

namespace {

std::function<void(ui::Window*, qint64)> g_observer;

TInterface1* CreateMainWindow(const QString& languageMark) {
    ui::ForgetWindows();
    QElapsedTimer clock;
    clock.start();
    auto* main = new TInterface1();
    main->SetMark(languageMark);
    ui::SetMainWindow(main);
    ui::AddWindow(main);
    QObject::connect(main, &QObject::destroyed, [] { ui::ForgetWindows(); });
    main->Initialise();
    if (g_observer) g_observer(main, clock.nsecsElapsed() / 1000);
    return main;
}

void CreateOtherWindows(TInterface1* main) {
    for (const auto& [name, make] : ui::StartupFactories()) {
        QElapsedTimer clock;
        clock.start();
        ui::Window* w = make(main);
        ui::AddWindow(w);
        w->Initialise();
        if (g_observer) g_observer(w, clock.nsecsElapsed() / 1000);
    }
}

// Creates the other windows once the main window has been painted.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(TInterface1* main, std::function<void()> created)
        : QObject(main), main_(main), created_(std::move(created)) {
        main->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !queued_) {
            queued_ = true;
            QMetaObject::invokeMethod(
                this, [this] { Run(); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void Run() {
        main_->removeEventFilter(this);
        CreateOtherWindows(main_);
        if (created_) created_();
        deleteLater();
    }
    TInterface1* main_;
    std::function<void()> created_;
    bool queued_ = false;
};

} // namespace

TInterface1* CreateWindows(const QString& languageMark) {
    TInterface1* main = CreateMainWindow(languageMark);
    CreateOtherWindows(main);
    return main;
}

TInterface1* StartUp(const QString& languageMark, std::function<void()> created) {
    TInterface1* main = CreateMainWindow(languageMark);
    new AfterFirstPaint(main, std::move(created));
    main->showMaximized();
    return main;
}

void ObserveCreation(std::function<void(ui::Window*, qint64)> observer) {
    g_observer = std::move(observer);
}

} // namespace app
