#include "pictures/Catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include "pictures/Canvas.h"
#include "pictures/Glyphs.h"
#include "pictures/Previews.h"

namespace pictures {

namespace {

std::vector<PictureFile> Headings() {
    const char* const names[][2] = {
        {"interface/labelutility.bmp", "UTILITY"},         {"interface/labelresistance.bmp", "RESISTANCE"},
        {"interface/labelimpedance.bmp", "IMPEDANCE"},     {"interface/labelfrequency.bmp", "FREQUENCY"},
        {"interface/labelcapacitance.bmp", "CAPACITANCE"}, {"interface/labelinductance.bmp", "INDUCTANCE"},
    };
    std::vector<PictureFile> files;
    for (const auto& entry : names) {
        const QString title = QString::fromLatin1(entry[1]);
        files.push_back({QString::fromLatin1(entry[0]), [title] { return HeadingBar(title); }});
    }
    return files;
}

// Bitmaps have no alpha worth trusting, so transparent parts become white.
QImage Opaque(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setDevicePixelRatio(image.devicePixelRatio());
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    return flat;
}

} // namespace

const std::vector<PictureFile>& InterfaceFiles() {
    static const std::vector<PictureFile> files = [] {
        std::vector<PictureFile> all = Headings();
        for (auto group : {UtilityPreviews, ResistancePreviews, ImpedancePreviews, WavePreviews,
                           CapacitancePreviews, InductancePreviews}) {
            for (auto& file : group())
                all.push_back(std::move(file));
        }
        all.push_back({"interface/tableur_en.bmp", [] { return TableurOval("TABLE"); }});
        return all;
    }();
    return files;
}

std::vector<PictureFile> AllFiles() {
    std::vector<PictureFile> all = InterfaceFiles();
    for (auto& file : FormulaFiles())
        all.push_back(std::move(file));
    return all;
}

QImage DrawFile(const QString& name, qreal density) {
    static const std::vector<PictureFile> files = AllFiles();
    for (const PictureFile& file : files)
        if (file.name == name) return Opaque(DrawAt(density, file.draw));
    return QImage();
}

bool WritePictureFiles(const QString& root, QString* failedName) {
    const QDir dir(root);
    for (const PictureFile& file : AllFiles()) {
        const QString path = dir.filePath(file.name);
        const bool ok =
            QDir().mkpath(QFileInfo(path).absolutePath()) && Opaque(file.draw()).save(path, "BMP");
        if (!ok) {
            if (failedName) *failedName = file.name;
            return false;
        }
    }
    return true;
}

} // namespace pictures
