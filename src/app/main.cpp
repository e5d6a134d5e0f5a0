#include "app/Application.h"
#include "app/Inter.h"
#include "app/LanguageChooser.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    // The desktop matches the running program to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(OHMBRIX_APP_ID));
    app::ConfigureApplication(QStringLiteral("*"));
    const std::optional<QString> mark = app::ChooseLanguage();
    if (!mark) return 0;
    app::ConfigureApplication(*mark);
    TInterface1* window = app::StartUp(*mark);
    const int code = application.exec();
    delete window;
    return code;
}
