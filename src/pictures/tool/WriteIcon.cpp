// Writes the program's icon into an icon theme directory: an SVG and two bitmap sizes, all from
// the one drawing.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

#include "pictures/Icon.h"

namespace {

bool WriteSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(pictures::kIconUnits, pictures::kIconUnits));
    svg.setViewBox(QRect(0, 0, pictures::kIconUnits, pictures::kIconUnits));
    svg.setResolution(96); // one unit is one CSS pixel
    svg.setTitle(QStringLiteral("Ohmbrix"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    pictures::PaintIcon(p);
    return p.end() && QFileInfo(path).size() > 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: ohmbrix_writeicon <icon theme directory> <icon name>\n";
        return 2;
    }
    const QDir theme(args.at(1));
    const QString name = args.at(2);
    const QString svg = theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name));
    if (!QDir().mkpath(QFileInfo(svg).path()) || !WriteSvg(svg)) {
        err << "cannot write " << svg << "\n";
        return 1;
    }
    for (int side : {48, 256}) {
        const QString png = theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(side).arg(name));
        if (!QDir().mkpath(QFileInfo(png).path()) || !pictures::IconImage(side).save(png, "PNG")) {
            err << "cannot write " << png << "\n";
            return 1;
        }
    }
    return 0;
}
