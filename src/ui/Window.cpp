#include "ui/Window.h"

#include "ui/Accessible.h"
#include "ui/Copying.h"
#include "ui/Guard.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace ui {

Window::Window(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
}

void Window::Initialise() {
    if (initialised_) return;
    initialised_ = true;
    AppendPictureButtons(this);
    Guard(this, [this] { FormCreate(); });
    InstallCopy(this);
    InstallFactory();
}

void Window::DescribeAll() {
    Guard(this, [this] {
        Describe(this);
        CopyTexts(this);
        DescribeParts();
    });
}

void Window::SetForm(const QString& caption, int width, int height, const QColor& background) {
    setWindowTitle(caption);
    setFixedSize(width, height);
    setPalette(FormPalette(background));
    setAutoFillBackground(true);
}

void Window::ShowTopic() {
    show();
    raise();
    activateWindow();
}

void Window::ShowModalTopic() {
    exec();
}

bool Window::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::WindowDeactivate: {
        // The focus going to a box, a preview or a modal dialog this window opened comes back
        // when it closes; that return is not a new activation.
        QWidget* next = QApplication::activeModalWidget();
        if (!next) next = QApplication::activeWindow(); // already the newly active window here
        if (next && next != this && (next->isModal() || !qobject_cast<Window*>(next))) {
            for (QWidget* w = next->parentWidget(); w; w = w->parentWidget())
                if (w == this) returningFromChild_ = true;
        }
        break;
    }
    case QEvent::Show:
        // Named for a screen reader once it can be seen, not at start-up, where every window is
        // created hidden; each activation names it again in its language.
        if (!described_ && initialised_) {
            described_ = true;
            DescribeAll();
        }
        [[fallthrough]];
    case QEvent::WindowTitleChange:
        // A form without a caption: the platform would show the program's name in its title bar.
        if (windowTitle().isEmpty())
            if (QWindow* shown = windowHandle()) shown->setTitle(QStringLiteral(" "));
        break;
    case QEvent::WindowActivate:
        if (returningFromChild_)
            returningFromChild_ = false;
        else {
            Guard(this, [this] { FormActivate(); });
            DescribeAll(); // the activation may have put the texts into English
        }
        break;
    default:
        break;
    }
    return QDialog::event(e);
}

void Window::keyPressEvent(QKeyEvent* e) {
    // The forms have no default or cancel button: Return and Escape do not close a window.
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        e->ignore();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

} // namespace ui
