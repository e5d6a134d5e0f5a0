// Writes every picture file under the directory given on the command line.
#include <QGuiApplication>
#include <QTextStream>

#include "pictures/Catalogue.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: ohmbrix_writepictures <output directory>\n";
        return 2;
    }
    QString failed;
    if (!pictures::WritePictureFiles(args.at(1), &failed)) {
        err << "cannot write " << failed << " under " << args.at(1) << "\n";
        return 1;
    }
    return 0;
}
