#include "ui/Guard.h"
#include "core/Failure.h"
#include "ui/Messages.h"

namespace ui {

void ReportFailure(QWidget* window, const std::exception_ptr& failure) {
    QString text;
    try {
        std::rethrow_exception(failure);
    } catch (const core::Failure& f) {
        text = f.message();
    } catch (const std::exception& e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) {
        text = QStringLiteral("Exception inconnue");
    }
    ErrorBox(window ? window->window() : nullptr, core::ErrorBoxText(text));
}

} // namespace ui
