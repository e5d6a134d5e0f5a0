#include "support/GuiFixture.h"

#include "ui/Registry.h"
#include "ui/Window.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>

namespace {

class Counting : public ui::Window {
  public:
    using ui::Window::Window;
    void FormCreate() override { ++created; }
    void FormActivate() override { ++activated; }
    int created = 0;
    int activated = 0;
};

class WindowTest : public GuiTest {};

TEST_F(WindowTest, ActivationRunsAgainOnlyWhenTheUserComesBack) {
    Build("*");
    Counting window(Main());
    window.Initialise();
    window.Initialise();
    EXPECT_EQ(window.created, 1);
    Activate(&window);
    EXPECT_EQ(window.activated, 1);

    // A real modal box the window opened: closing it hands the focus straight back.
    QTimer::singleShot(20, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    QMessageBox box(QMessageBox::NoIcon, "t", "text", QMessageBox::Ok, &window);
    box.exec();
    Activate(&window);
    EXPECT_EQ(window.activated, 1);

    // A non-modal window of its own (a preview): the same.
    QWidget preview(&window, Qt::Window);
    Activate(&preview);
    preview.close();
    Activate(&window);
    EXPECT_EQ(window.activated, 1);

    // Another window of the program, then back: a new activation.
    Activate(Main());
    Activate(&window);
    EXPECT_EQ(window.activated, 2);
}

// A modal window slow to come up: the helper's first look may come before the window system
// has activated it. What runs while it is open must see its activation done.
TEST_F(WindowTest, ModalHelperWaitsForTheActivation) {
    Build("*");
    Counting window(Main());
    window.Initialise();
    int activatedWhileOpen = -1;
    WithModal(
        [&] {
            QThread::msleep(40);
            window.exec();
        },
        [&](QWidget* modal) {
            EXPECT_EQ(modal, &window);
            activatedWhileOpen = window.activated;
        });
    EXPECT_EQ(activatedWhileOpen, 1);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowTest, ReturnAndEscapeDoNotCloseAWindow) {
    Build("*");
    Counting window(Main());
    Activate(&window);
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
}

// Without a caption the platform would title the window with the program's name.
TEST_F(WindowTest, FormsWithoutACaptionShowABlankTitleBar) {
    for (const char* mark : {"F", "*"}) {
        Build(QString::fromLatin1(mark));
        int blank = 0;
        for (ui::Window* window : ui::Windows()) {
            Activate(window);
            ASSERT_NE(window->windowHandle(), nullptr);
            const QString shown = window->windowHandle()->title();
            if (window->windowTitle().isEmpty()) {
                ++blank;
                EXPECT_EQ(shown, " ") << mark << " " << window->metaObject()->className();
            } else {
                EXPECT_EQ(shown, window->windowTitle()) << mark << " " << window->metaObject()->className();
            }
            window->hide();
        }
        EXPECT_GE(blank, 5) << mark; // the four print choices, and the converter or the about window
        delete Main();
    }
    Build("*");
    ui::Window* shown = Window("TFormReacInd");
    Activate(shown);
    shown->setWindowTitle(QString());
    EXPECT_EQ(shown->windowHandle()->title(), " ");
}

// The pictures a click opens something with are buttons for the keyboard too.
TEST_F(WindowTest, PictureButtonsOpenFromTheKeyboard) {
    Build("*");
    const struct {
        const char* window;
        const char* picture;
        const char* opens;
    } cases[] = {
        {"TFormReacCap", "Image6", "TFormTabReacCap"},
        {"TFormReacInd", "Image7", "TFormTableurInd"},
        {"TFormResonance", "Image7", "TFormIndCapProReso"},
    };
    for (const auto& c : cases) {
        auto* picture = Get<QWidget>(c.window, c.picture);
        ASSERT_NE(picture, nullptr) << c.picture;
        EXPECT_EQ(picture->focusPolicy(), Qt::TabFocus) << c.window;
        Window(c.window)->show();
        picture->setFocus(Qt::TabFocusReason);
        QTest::keyClick(picture, Qt::Key_Space);
        EXPECT_TRUE(Window(c.opens)->isVisible()) << c.window;
        Window(c.opens)->hide();
        Window(c.window)->hide();
    }
    // The main window's headings are pictures too, but open nothing.
    EXPECT_EQ(Get<QWidget>("TInterface1", "Image2")->focusPolicy(), Qt::NoFocus);
}

} // namespace
