#pragma once
#include <QApplication>

namespace app {

// The last line of the default failure handler: a failure that escapes an event handler is
// shown in the error box and the event loop goes on. It also follows regional-setting changes.
class Application : public QApplication {
    Q_OBJECT
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace app
