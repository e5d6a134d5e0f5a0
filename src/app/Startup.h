#pragma once
// Start-up: every window created once, in a fixed order, living until the main window goes.
#include <QString>
#include <functional>
#include <vector>

namespace ui {
class Window;
}

class TInterface1;

namespace app {

// Fonts, translations, separators: what the application needs before any window exists.
void ConfigureApplication(const QString& languageMark);

// Creates every window in start-up order, all hidden, and returns the main window, which owns
// the others. The mark becomes the caption of the main window's Label44.
TInterface1* CreateWindows(const QString& languageMark);

// The program's start: the main window is created and shown maximised at once, and the other
// windows are created, in order, as soon as it has been painted: a user sees the guide without
// waiting for some thirty windows, and no click can reach a topic before they all exist.
// `created` runs once they do.
TInterface1* StartUp(const QString& languageMark, std::function<void()> created = {});

// Called with each window and the microseconds its creation and FormCreate took (the benchmark
// reads them).
void ObserveCreation(std::function<void(ui::Window*, qint64 microseconds)> observer);

} // namespace app
