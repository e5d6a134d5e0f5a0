// Draws the pictures every window is built with and writes them as one pack, with its resource
// list for rcc, under the directory given on the command line.
#include "app/Application.h"
#include "app/Inter.h"
#include "app/LanguageChooser.h"
#include "app/Startup.h"
#include "core/Regional.h"
#include "pictures/Stored.h"
#include "ui/Registry.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    QTextStream err(stderr);
    const QStringList args = application.arguments();
    if (args.size() != 2) {
        err << "usage: ohmbrix_drawwindows <output directory>\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }

    // Both languages: a picture that differed between them would be a fault. Both common decimal
    // separators, for the pictures that show one (and name it).
    pictures::Record(true);
    for (const QString& mark : {QString(), QStringLiteral("*")}) {
        app::ConfigureApplication(mark);
        for (const core::Separators& separators : {core::FrenchSeparators(), core::EnglishSeparators()}) {
            const core::PinnedSeparators pinned(separators);
            TInterface1* main = app::CreateWindows(mark);
            for (const ui::Tool& tool : ui::Tools()) // created at their first opening in the program
                ui::OpenTool(tool.className);
            delete main;
        }
    }
    app::MakeLanguageChooser();
    pictures::Record(false);
    if (!pictures::RecordingFaults().isEmpty()) {
        err << pictures::RecordingFaults().join(QLatin1Char('\n')) << "\n";
        return 1;
    }

    const QString list = QStringLiteral("<RCC>\n<qresource prefix=\"/windows\">\n"
                                        "  <file>pictures.pack</file>\n</qresource>\n</RCC>\n");
    if (!Write(out.filePath(QStringLiteral("pictures.pack")), pictures::PackPictures(pictures::Recorded())) ||
        !Write(out.filePath(QStringLiteral("windowpictures.qrc")), list.toUtf8())) {
        err << "cannot write under " << out.path() << "\n";
        return 1;
    }
    return 0;
}
