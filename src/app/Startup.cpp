#include "app/Startup.h"

#include "app/APropos.h"
#include "app/Inter.h"
#include "capacitance/ReactanceCap.h"
#include "capacitance/TabReacCap.h"
#include "core/Regional.h"
#include "impedance/CircuitSerieLRC.h"
#include "inductance/BobineAAir.h"
#include "ohmslaw/About.h"
#include "printing/ImpReacCap.h"
#include "printing/ImpTabPara.h"
#include "printing/ImpTabSerie.h"
#include "printing/impReacInd.h"
#include "resistance/CalculDeCond.h"
#include "resistance/unit1.h"
#include "ui/Language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <cstring>
#include <functional>

namespace app {
namespace {

std::vector<ui::Window*> g_windows;
std::function<void(ui::Window*, qint64)> g_observer;

using Factory = std::function<ui::Window*(QWidget* owner)>;
template <class W> Factory Make() {
    return [](QWidget* owner) { return new W(owner); };
}

// Start-up order; windows not part of the program yet are simply absent.
std::vector<Factory> Factories() {
    return {
        Make<TFormResConduc>(),
        Make<TFormCodeRes>(),
        Make<TBobineDair>(),
        Make<TFormReacCap>(),
        Make<TFormSerieRLC>(),
        Make<TFormImpTabPara>(),
        Make<TFormImpTabserie>(),
        Make<TFormImpSerieRLC>(),
        Make<TAboutBox>(),
        Make<TFormAPropos>(),
        Make<TFormImpReacInd>(),
        // The table windows opened by topics and TABLEUR pictures come after the listed ones.
        Make<TFormTabReacCap>(),
    };
}

} // namespace

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

    static QPointer<QTranslator> qtFrench;
    if (!ui::MarkIsEnglish(languageMark) && !qtFrench) {
        qtFrench = new QTranslator(qApp);
        if (qtFrench->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtFrench);
    }
    core::RefreshSeparators();
}

namespace {

TInterface1* CreateMainWindow(const QString& languageMark) {
    g_windows.clear();
    QElapsedTimer clock;
    clock.start();
    auto* main = new TInterface1();
    main->SetMark(languageMark);
    ui::SetMainWindow(main);
    g_windows.push_back(main);
    QObject::connect(main, &QObject::destroyed, [] { g_windows.clear(); });
    main->Initialise();
    if (g_observer) g_observer(main, clock.nsecsElapsed() / 1000);
    return main;
}

void CreateOtherWindows(TInterface1* main) {
    for (const Factory& make : Factories()) {
        QElapsedTimer clock;
        clock.start();
        ui::Window* w = make(main);
        g_windows.push_back(w);
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

TInterface1* createWindows(const QString& languageMark) {
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

const std::vector<ui::Window*>& Windows() {
    return g_windows;
}

ui::Window* FindWindow(const char* className) {
    for (ui::Window* w : g_windows)
        if (std::strcmp(w->metaObject()->className(), className) == 0) return w;
    return nullptr;
}

} // namespace app
