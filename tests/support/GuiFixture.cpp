#include "GuiFixture.h"

#include "app/Application.h"
#include "app/Inter.h"
#include "app/Startup.h"
#include "ui/Registry.h"
#include "ui/Window.h"

#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

GuiTest::GuiTest() {
    // A modal window still up after a second blocks the test: no test leaves one open that long
    // on purpose (WithModal and the tests' own timers close theirs at once).
    auto* timer = new QTimer;
    watchdog_.reset(timer);
    QObject::connect(timer, &QTimer::timeout, [this, seen = QPointer<QWidget>(), ticks = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != seen) ticks = 0;
        seen = modal;
        if (!modal || expectingModal_ || ++ticks < 20) return;
        ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className() << " \""
                      << modal->windowTitle().toStdString() << "\"";
        modal->close();
    });
    timer->start(50);
}

GuiTest::~GuiTest() {
    delete main_;
    QCoreApplication::processEvents();
}

void GuiTest::Build(const QString& mark, core::Separators separators) {
    separators_.reset(); // the old pin restores what it found before the new one is installed
    separators_ = std::make_unique<core::PinnedSeparators>(separators);
    if (!pictureRoot_)
        pictureRoot_ = std::make_unique<ui::ScopedPictureRoot>(QStringLiteral(OHMBRIX_PICTURE_DIR));
    main_ = app::CreateWindows(mark);
}

bool GuiTest::BuildIn(const char* mark) {
    const bool english = mark[0] == '*';
    Build(QString::fromLatin1(mark), english ? core::EnglishSeparators() : core::FrenchSeparators());
    return english;
}

// A tool window is created at its first opening, as the Tools menu would.
ui::Window* GuiTest::Window(const char* className) const {
    if (ui::Window* w = ui::FindWindow(className)) return w;
    return main_ ? ui::OpenTool(className) : nullptr;
}

QWidget* FindComponent(QWidget* window, const char* component) {
    if (window->objectName() == QLatin1String(component)) return window;
    return window->findChild<QWidget*>(QLatin1String(component));
}

std::vector<QString> Items(const QComboBox* list) {
    std::vector<QString> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->itemText(i));
    return items;
}

QString GuiTest::Text(const char* className, const char* component) const {
    QWidget* w = FindIn<QWidget>(className, component);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    ADD_FAILURE() << className << " has no text component " << component;
    return QString();
}

void GuiTest::Activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
}

void GuiTest::Type(QWidget* box, const QString& keys) {
    box->setFocus();
    for (QChar c : keys)
        QTest::keyClick(box, c.toLatin1() ? c.toLatin1() : ' ');
}

void GuiTest::Clear(QWidget* box) {
    if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->clear();
}

void GuiTest::Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void GuiTest::Pick(QComboBox* list, int index) {
    ASSERT_NE(list, nullptr);
    ASSERT_LT(index, list->count());
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

void GuiTest::Hover(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QMouseEvent move(QEvent::MouseMove, QPointF(widget->rect().center()),
                     widget->mapToGlobal(QPointF(widget->rect().center())), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

std::optional<RecordedBox> GuiTest::LastBox() const {
    if (platform_.boxes.empty()) return std::nullopt;
    return platform_.boxes.back();
}

QString GuiTest::UsePrivatePictures() {
    privatePictures_ = std::make_unique<QTemporaryDir>();
    const QString source = QStringLiteral(OHMBRIX_PICTURE_DIR);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = privatePictures_->filePath(QDir(source).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
    pictureRoot_ = std::make_unique<ui::ScopedPictureRoot>(privatePictures_->path());
    return ui::PictureRoot();
}

void GuiTest::WriteFile(const QString& relativeName, const QByteArray& bytes) {
    QFile file(ui::PictureRoot() + relativeName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << relativeName.toStdString();
    file.write(bytes);
}

void GuiTest::RemoveFile(const QString& relativeName) {
    QFile::remove(ui::PictureRoot() + relativeName);
}

void GuiTest::WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& whileOpen) {
    // Up and modal is not enough: the window system activates it later, and its FormActivate
    // runs then. Once it is the active window, that activation has been delivered (the timer
    // never runs inside it). The deadline only keeps a broken test from hanging.
    bool seen = false;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && modal->isActiveWindow()) {
            poll.stop();
            seen = true;
            whileOpen(modal);
            modal->close();
        } else if (waited.elapsed() > 30000) {
            poll.stop();
            if (modal) modal->close(); // came up but never active: fail instead of hanging
        }
    });
    poll.start(5);
    expectingModal_ = true;
    open();
    expectingModal_ = false;
    poll.stop();
    EXPECT_TRUE(seen) << "no modal window was shown and activated";
}

void GuiTest::ExpectTabOrder(const char* className, const std::vector<const char*>& order) {
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget* from = Get<QWidget>(className, order[i]);
        QWidget* to = Get<QWidget>(className, order[i + 1]);
        if (!from || !to) return;
        QWidget* next = from->nextInFocusChain();
        while (next != from && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, to) << className << ": " << order[i] << " should lead to " << order[i + 1];
    }
}

void GuiTest::Enter(const char* className, const std::vector<std::pair<const char*, QString>>& boxes) {
    for (const auto& [name, text] : boxes) {
        QWidget* box = Get<QWidget>(className, name);
        if (!box) return;
        Clear(box);
        Type(box, text);
    }
}

void GuiTest::Snapshot(QWidget* widget, const QString& name) {
    const QByteArray dir = qgetenv("OHMBRIX_SNAPSHOTS");
    const QPixmap picture = widget->grab();
    EXPECT_FALSE(picture.isNull());
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    picture.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QString InSeparators(const char* english, const core::Separators& separators) {
    QString out;
    for (const char* c = english; *c; ++c)
        out += *c == '.' ? separators.decimal : *c == ',' ? separators.thousands : QChar(*c);
    return out;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app::Application application(argc, argv);
    app::ConfigureApplication(QStringLiteral("*"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
