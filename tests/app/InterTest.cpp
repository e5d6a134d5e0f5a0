#include "app/Inter.h"
#include "app/Startup.h"
#include "app/Topics.h"
#include "support/GuiFixture.h"
#include "ui/Language.h"
#include "ui/Registry.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

namespace {

class InterTest : public GuiTest {
  protected:
    QLabel* Topic(const char* name) { return Get<QLabel>("TInterface1", name); }
    bool Bold(const char* name) { return Topic(name)->font().bold(); }
    std::vector<QString> BoldLabels() {
        std::vector<QString> bold;
        for (const app::Topic& t : app::Topics())
            if (Bold(t.label)) bold.push_back(QLatin1String(t.label));
        return bold;
    }
    QImage Preview() { return Get<QLabel>("TInterface1", "Image26")->pixmap().toImage(); }
    QImage File(const char* name) { return ui::LoadPicture(QLatin1String(name)); }
};

TEST_F(InterTest, MarkRule) {
    const struct {
        const char* mark;
        bool english;
    } cases[] = {{"*", true}, {"F", false}, {"", false}, {"**", false}, {" *", false}};
    for (const auto& c : cases) {
        Build(QString::fromLatin1(c.mark));
        EXPECT_EQ(ui::IsEnglish(), c.english) << "mark '" << c.mark << "'";
        Activate(Main());
        EXPECT_EQ(Text("TInterface1", "Label13"),
                  c.english ? "Capacitive reactance" : "Réactance Capacitive");
        EXPECT_EQ(Text("TInterface1", "Label3"), "Memory device");
        delete Main();
    }
}

TEST_F(InterTest, EveryTopicAtItsPlaceWithItsCaptions) {
    Build("*");
    EXPECT_STREQ(Main()->metaObject()->className(), "TInterface1");
    EXPECT_EQ(Main()->windowTitle(), "Interface");
    EXPECT_EQ(app::Topics().size(), 43u);
    for (const app::Topic& t : app::Topics()) {
        QLabel* label = Topic(t.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), QPoint(t.x, t.y)) << t.label;
        EXPECT_EQ(label->text(), QString::fromUtf8(t.french)) << t.label;
        EXPECT_FALSE(label->font().bold());
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    }
    Activate(Main());
    for (const app::Topic& t : app::Topics())
        EXPECT_EQ(Topic(t.label)->text(), QString::fromUtf8(t.english ? t.english : t.french)) << t.label;
    for (const char* red : {"Label1", "Label2", "Label3", "Label8", "Label15"})
        EXPECT_EQ(Topic(red)->palette().color(QPalette::WindowText), QColor(Qt::red)) << red;
    EXPECT_NE(Topic("Label13")->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(InterTest, MenuCaptionsByLanguage) {
    for (const char* mark : {"F", "*"}) {
        Build(QString::fromLatin1(mark));
        Activate(Main());
        auto* bar = Get<QMenuBar>("TInterface1", "MainMenu1");
        ASSERT_NE(bar, nullptr);
        const QList<QAction*> entries = bar->actions();
        // "A Propos", "Lien", then "Outils" once a window registers as a tool.
        ASSERT_EQ(entries.size(), ui::Tools().empty() ? 2 : 3);
        const bool english = mark[0] == '*';
        if (entries.size() == 3) EXPECT_EQ(entries[2]->text(), english ? "Tools" : "Outils");
        EXPECT_EQ(entries[0]->text(), english ? "About" : "A Propos");
        EXPECT_EQ(entries[1]->text(), english ? "Link" : "Lien");
        ASSERT_NE(entries[1]->menu(), nullptr);
        EXPECT_EQ(entries[1]->menu()->actions().at(0)->text(), "Kelmora international");
        delete Main();
    }
}

TEST_F(InterTest, FrenchMarkReadsNoHeadingFile) {
    UsePrivatePictures();
    RemoveFile("interface/labelutility.bmp");
    Build("F");
    Activate(Main());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(Get<QLabel>("TInterface1", "Image2")->pixmap().isNull());
}

TEST_F(InterTest, EnglishHeadingsComeFromTheirFiles) {
    Build("*");
    const QImage french = Get<QLabel>("TInterface1", "Image3")->pixmap().toImage();
    Activate(Main());
    const QImage english = Get<QLabel>("TInterface1", "Image3")->pixmap().toImage();
    EXPECT_EQ(english.convertToFormat(QImage::Format_RGB32),
              File("interface/labelresistance.bmp").convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(english.convertToFormat(QImage::Format_RGB32), french.convertToFormat(QImage::Format_RGB32));
}

TEST_F(InterTest, HoverSequences) {
    Build("*");
    const struct {
        std::vector<const char*> path; // labels hovered in turn; "page" or a heading resets
        std::vector<QString> bold;
    } cases[] = {
        {{"Label25", "Label41"}, {"Label41"}},
        {{"Label25", "Label41", "page"}, {}},
        {{"Label43", "Label3"}, {"Label43", "Label3"}},
        {{"Label40", "Label21"}, {"Label40", "Label21"}},
        {{"Label21", "Label22"}, {"Label21", "Label22"}},
        {{"Label21", "Label22", "Image13"}, {}},
        {{"Label2", "Label15", "Label1", "Label8"}, {"Label8"}},
        {{"Label13", "Label13"}, {"Label13"}},
    };
    for (const auto& c : cases) {
        Hover(Get<QWidget>("TInterface1", "Page"));
        for (const char* step : c.path)
            Hover(std::string(step) == "page" ? Get<QWidget>("TInterface1", "Page")
                                              : Get<QWidget>("TInterface1", step));
        EXPECT_EQ(BoldLabels(), c.bold) << c.path.back();
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(InterTest, HoverShowsThePreviewAndThePageClearsIt) {
    Build("*");
    Hover(Topic("Label43"));
    Hover(Topic("Label3"));
    EXPECT_EQ(Preview().convertToFormat(QImage::Format_RGB32),
              File("interface/MemoryDevice.bmp").convertToFormat(QImage::Format_RGB32));
    Hover(Get<QWidget>("TInterface1", "Page"));
    EXPECT_TRUE(Get<QLabel>("TInterface1", "Image26")->pixmap().isNull());
}

TEST_F(InterTest, LanguageChoosesThreePreviews) {
    for (const char* mark : {"*", "F"}) {
        Build(QString::fromLatin1(mark));
        for (const app::Topic& t : app::Topics()) {
            Hover(Topic(t.label));
            const char* expected = mark[0] == '*' && t.previewEnglish ? t.previewEnglish : t.preview;
            EXPECT_EQ(Preview().convertToFormat(QImage::Format_RGB32),
                      File(expected).convertToFormat(QImage::Format_RGB32))
                << t.label;
        }
        delete Main();
    }
}

TEST_F(InterTest, ConnectorsAndFrameChangeNothing) {
    Build("*");
    Hover(Topic("Label9"));
    Hover(Get<QWidget>("TInterface1", "Connector1"));
    Hover(Get<QWidget>("TInterface1", "Shape9"));
    Hover(Get<QWidget>("TInterface1", "Image26"));
    EXPECT_EQ(BoldLabels(), std::vector<QString>{"Label9"});
    EXPECT_FALSE(Get<QLabel>("TInterface1", "Image26")->pixmap().isNull());
}

TEST_F(InterTest, PictureFailuresLeaveEverythingAsItWas) {
    const QString root = UsePrivatePictures();
    const struct {
        QByteArray bytes; // empty: the file is missing
        bool missing;
        QString text;
    } cases[] = {
        {{}, true, "Impossible d'ouvrir le fichier " + root + "interface/Toroidale.bmp."},
        {"BM-short", false, "Erreur de lecture du flux."},
        {"PNG not a bitmap file at all", false, "Image bitmap incorrecte."},
        {QByteArray("BM") + QByteArray(40, '\x01'), false, "Erreur de lecture du flux."},
    };
    Build("*");
    for (const auto& c : cases) {
        if (c.missing)
            RemoveFile("interface/Toroidale.bmp");
        else
            WriteFile("interface/Toroidale.bmp", c.bytes);
        Hover(Topic("Label6"));
        const QImage before = Preview();
        ForgetBoxes();
        for (int repeat = 0; repeat < 3; ++repeat)
            Hover(Topic("Label23"));
        ASSERT_EQ(Boxes().size(), 3u); // every move raises it again
        EXPECT_EQ(Boxes()[0].kind, ui::BoxKind::Error);
        EXPECT_EQ(Boxes()[0].text, c.text);
        EXPECT_EQ(Boxes()[0].caption, ui::AppTitle());
        EXPECT_FALSE(Bold("Label23"));
        EXPECT_TRUE(Bold("Label6")); // the rest of the handler was skipped
        EXPECT_EQ(Preview(), before);
    }
    WriteFile("interface/Toroidale.bmp", QByteArray());
    ForgetBoxes();
    Hover(Topic("Label23"));
    EXPECT_TRUE(Boxes().empty()); // an empty file is an empty picture
    EXPECT_TRUE(Bold("Label23"));
    EXPECT_TRUE(Get<QLabel>("TInterface1", "Image26")->pixmap().isNull());
}

TEST_F(InterTest, MissingHeadingFileStopsTheEnglishCaptions) {
    UsePrivatePictures();
    RemoveFile("interface/labelfrequency.bmp");
    Build("*");
    Activate(Main());
    ASSERT_TRUE(LastBox());
    EXPECT_TRUE(LastBox()->text.startsWith("Impossible d'ouvrir le fichier "));
    EXPECT_EQ(Text("TInterface1", "Label43"), "Convertisseur"); // captions come after the pictures
    EXPECT_EQ(Main()->findChild<QMenuBar*>()->actions().at(0)->text(), "About");
}

TEST_F(InterTest, LinkOpensTheMakersPage) {
    Build("*");
    Main()->Kelmorainternational1Click();
    ASSERT_EQ(Platform().opened.size(), 1u);
    EXPECT_EQ(Platform().opened[0].first, Main());
    EXPECT_EQ(Platform().opened[0].second, QUrl("https://kelmora.example/ohmbrix"));
    Click(Get<QWidget>("TFormAPropos", "Label5"));
    ASSERT_EQ(Platform().opened.size(), 2u);
    EXPECT_EQ(Platform().opened[1].first, Window("TFormAPropos"));
}

TEST_F(InterTest, AboutWindowIsModalAndSpeaksTheLanguage) {
    for (const char* mark : {"*", "F"}) {
        Build(QString::fromLatin1(mark));
        WithModal([&] { Main()->APropos1Click(); },
                  [&](QWidget* modal) {
                      EXPECT_STREQ(modal->metaObject()->className(), "TFormAPropos");
                      const bool english = mark[0] == '*';
                      EXPECT_EQ(modal->windowTitle(), english ? "" : "A Propos");
                      EXPECT_EQ(Text("TFormAPropos", "Label4"), english ? "Ohmbrix" : "Ohmbrix ");
                      EXPECT_EQ(Text("TFormAPropos", "Label3"), english ? "Produced by" : "Produit par");
                      EXPECT_EQ(Text("TFormAPropos", "Label1"), "Version 2.0");
                  });
        EXPECT_FALSE(Window("TFormAPropos")->isVisible());
        delete Main();
    }
}

TEST_F(InterTest, StartUpCreatesEveryWindowHiddenButTheMain) {
    Build("*");
    const auto& windows = ui::Windows();
    ASSERT_FALSE(windows.empty());
    EXPECT_EQ(windows.front(), Main());
    for (ui::Window* w : windows) {
        if (w != Main()) {
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
        }
        EXPECT_EQ(ui::FindWindow(w->metaObject()->className()), w);
    }
    EXPECT_EQ(ui::FindWindow("TNoSuchWindow"), nullptr);
    // A topic whose window is not part of the program does nothing.
    for (const app::Topic& t : app::Topics()) {
        if (ui::FindWindow(t.window)) continue;
        Click(Topic(t.label));
        for (ui::Window* w : windows)
            EXPECT_EQ(w->isVisible(), false) << t.label;
        break;
    }
}

} // namespace

namespace {

TEST_F(InterTest, Snapshots) {
    for (const char* mark : {"*", "F"}) {
        Build(QString::fromLatin1(mark));
        Main()->resize(800, 560);
        Activate(Main());
        Hover(Topic("Label13"));
        const QString language = mark[0] == '*' ? "en" : "fr";
        Snapshot(Main(), "Interface-" + language);
        auto* about = Window("TFormAPropos");
        Activate(about);
        Snapshot(about, "APropos-" + language);
        delete Main();
    }
}

} // namespace

namespace {

TEST_F(InterTest, StartUpShowsTheMainWindowThenCreatesTheOthersInOrder) {
    Build("F"); // the reference list of windows, created at once
    std::vector<std::string> expected;
    for (ui::Window* w : ui::Windows())
        expected.push_back(w->metaObject()->className());
    delete Main();

    bool created = false;
    QPointer<TInterface1> main = app::StartUp(QStringLiteral("F"), [&] { created = true; });
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(ui::Windows().size(), 1u); // only the main window before its first paint
    for (int i = 0; i < 200 && !created; ++i)
        QTest::qWait(5);
    ASSERT_TRUE(created);
    std::vector<std::string> order;
    for (ui::Window* w : ui::Windows()) {
        order.push_back(w->metaObject()->className());
        if (w != main) {
            EXPECT_FALSE(w->isVisible()) << order.back();
        }
    }
    EXPECT_EQ(order, expected);
    delete main.data();
}

} // namespace

namespace {

// Every state the main window takes from its creation to its first paint.
class StateRecorder : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && qobject_cast<TInterface1*>(watched))
            states.push_back(static_cast<QWidget*>(watched)->windowState());
        return false;
    }
    std::vector<Qt::WindowStates> states;
};

TEST_F(InterTest, StartUpIsNeverMinimised) {
    StateRecorder recorder;
    qApp->installEventFilter(&recorder);
    bool created = false;
    QPointer<TInterface1> main = app::StartUp(QStringLiteral("F"), [&] { created = true; });
    for (int i = 0; i < 200 && !created; ++i)
        QTest::qWait(5);
    qApp->removeEventFilter(&recorder);
    ASSERT_FALSE(recorder.states.empty());
    for (Qt::WindowStates state : recorder.states)
        EXPECT_FALSE(state.testFlag(Qt::WindowMinimized));
    EXPECT_TRUE(main->windowState().testFlag(Qt::WindowMaximized));
    delete main.data();
}

} // namespace

namespace {

TEST_F(InterTest, HoverResetsOverTheWhiteBeyondTheForm) {
    Build("*");
    Main()->show();
    Main()->resize(1280, 900); // as maximised on a large screen
    Hover(Topic("Label13"));
    ASSERT_EQ(BoldLabels(), std::vector<QString>{"Label13"});
    // Below and right of the form's 754 x 516, where no component stands.
    const QPoint beyond(1100, 800);
    QWidget* under = Main()->childAt(beyond);
    QWidget* target = under ? under : Main();
    const QPointF local = target->mapFrom(Main(), QPointF(beyond));
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    EXPECT_TRUE(BoldLabels().empty());
    EXPECT_TRUE(Get<QLabel>("TInterface1", "Image26")->pixmap().isNull());
}

} // namespace
