#pragma once
// The default failure handler: a failure ends the handler at once, shows the error box, and the
// window keeps what it showed.
#include <QObject>
#include <QWidget>
#include <utility>

namespace ui {

// Shows the failure in the error box owned by `window`.
void ReportFailure(QWidget* window, const std::exception_ptr& failure);

template <class F> void Guard(QWidget* window, F&& f) {
    try {
        std::forward<F>(f)();
    } catch (...) {
        ReportFailure(window, std::current_exception());
    }
}

// Connects a signal to a handler that runs under the guard of `window`.
template <class Sender, class Signal, class F>
QMetaObject::Connection On(Sender* sender, Signal signal, QWidget* window, F handler) {
    return QObject::connect(sender, signal, window, [window, handler](auto&&...) { Guard(window, handler); });
}

} // namespace ui
