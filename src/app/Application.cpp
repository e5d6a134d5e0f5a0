#include "app/Application.h"
#include "core/Regional.h"
#include "ui/Guard.h"

#include <QWidget>

namespace app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::LocaleChange) core::RefreshSeparators();
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        auto* widget = qobject_cast<QWidget*>(receiver);
        ui::ReportFailure(widget ? widget->window() : nullptr, std::current_exception());
        return true;
    }
}

} // namespace app
