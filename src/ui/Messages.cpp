#include "ui/Messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace ui {
namespace {

// Room a window manager takes in a title bar for the menu, maximise and close buttons.
constexpr int kTitleBarControls = 120;

class DesktopPlatform : public Platform {
  public:
    void ShowBox(BoxKind kind, QWidget* owner, const QString& caption, const QString& text) override {
        QMessageBox box(kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, caption, text,
                        QMessageBox::Ok, owner);
        // A box sized to its text alone leaves the title bar too narrow for the caption; a spanning
        // spacer is the one width a message box's own layout keeps.
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
            const QFont title = QApplication::font("QMdiSubWindowTitleBar");
            const int width = QFontMetrics(title).horizontalAdvance(caption) * 3 / 2 + kTitleBarControls;
            grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                          grid->rowCount(), 0, 1, grid->columnCount());
        }
        box.exec();
    }
    void OpenUrl(QWidget*, const QUrl& url) override { QDesktopServices::openUrl(url); }
};

Platform* g_platform = nullptr;

} // namespace

Platform& CurrentPlatform() {
    static DesktopPlatform desktop;
    return g_platform ? *g_platform : desktop;
}

ScopedPlatform::ScopedPlatform(Platform& platform) : previous_(g_platform) {
    g_platform = &platform;
}
ScopedPlatform::~ScopedPlatform() {
    g_platform = previous_;
}

QString AppTitle() {
    // The program's display name, as the chooser's title. Not Qt's application display name,
    // which the platform would append to every window's title bar.
    return QStringLiteral("Ohmbrix");
}

void Message(QWidget* owner, const QString& text) {
    CurrentPlatform().ShowBox(BoxKind::Message, owner, AppTitle(), text);
}
void PlainBox(QWidget* owner, const QString& text) {
    CurrentPlatform().ShowBox(BoxKind::Plain, owner, QString(), text);
}
void ErrorBox(QWidget* owner, const QString& text) {
    CurrentPlatform().ShowBox(BoxKind::Error, owner, AppTitle(), text);
}
void OpenUrl(QWidget* owner, const QUrl& url) {
    CurrentPlatform().OpenUrl(owner, url);
}

QUrl MakerUrl() {
    return QUrl(QStringLiteral("https://kelmora.example/ohmbrix"));
}

} // namespace ui
