#pragma once
// The message boxes and the shell "open" verb sit behind one seam, so tests record what a user
// would see instead of blocking on a modal box.
#include <QString>
#include <QUrl>
#include <memory>

class QWidget;

namespace ui {

enum class BoxKind { Message, Plain, Error };

class Platform {
  public:
    virtual ~Platform() = default;
    virtual void ShowBox(BoxKind kind, QWidget* owner, const QString& caption, const QString& text) = 0;
    virtual void OpenUrl(QWidget* owner, const QUrl& url) = 0;
};

Platform& CurrentPlatform();
// Installs a platform for the lifetime of the object; the previous one comes back afterwards.
class ScopedPlatform {
  public:
    explicit ScopedPlatform(Platform& platform);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

  private:
    Platform* previous_;
};

// The application's title: the program file's name without its extension.
QString AppTitle();

void Message(QWidget* owner, const QString& text);  // caption: the title, no icon
void PlainBox(QWidget* owner, const QString& text); // empty caption, no icon
void ErrorBox(QWidget* owner, const QString& text); // caption: the title, error icon; text as given
void OpenUrl(QWidget* owner, const QUrl& url);

// The maker's web page, opened by the menu and the about window.
QUrl MakerUrl();

} // namespace ui
