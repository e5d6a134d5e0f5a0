// Draws the pictures every window is built with and writes them, with a resource list for rcc,
// under the directory given on the command line. Identical pictures are written once.
#include "app/Application.h"
#include "app/Inter.h"
#include "app/LanguageChooser.h"
#include "app/Startup.h"
#include "core/Regional.h"
#include "pictures/Stored.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <QtEndian>

namespace {

// Raw pixels behind a 16-byte header: what the program reads back without decoding.
QByteArray RawPixels(const QImage& picture) {
    const QImage image =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32_Premultiplied
            ? picture
            : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qint32 header[4] = {image.width(), image.height(), qint32(image.bytesPerLine()),
                              qint32(image.format())};
    QByteArray bytes(reinterpret_cast<const char*>(header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return bytes;
}

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
    if (!out.mkpath(QStringLiteral("pixels"))) {
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
            delete app::CreateWindows(mark);
        }
    }
    app::MakeLanguageChooser();
    pictures::Record(false);
    if (!pictures::RecordingFaults().isEmpty()) {
        err << pictures::RecordingFaults().join(QLatin1Char('\n')) << "\n";
        return 1;
    }

    QString list;
    QTextStream qrc(&list);
    qrc << "<RCC>\n<qresource prefix=\"/windows\">\n";
    qint64 total = 0;
    QSet<QString> written;
    for (const auto& [key, picture] : pictures::Recorded()) {
        if (picture.isNull()) continue;
        const QByteArray bytes = RawPixels(picture);
        const QString file =
            QStringLiteral("pixels/%1")
                .arg(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()));
        if (!written.contains(file)) {
            if (!Write(out.filePath(file), bytes)) {
                err << "cannot write " << out.filePath(file) << "\n";
                return 1;
            }
            written.insert(file);
            total += bytes.size();
        }
        qrc << "  <file alias=\"" << key.toHtmlEscaped() << "\">" << file << "</file>\n";
    }
    qrc << "</qresource>\n</RCC>\n";
    qrc.flush();
    if (!Write(out.filePath(QStringLiteral("windowpictures.qrc")), list.toUtf8())) {
        err << "cannot write the resource list\n";
        return 1;
    }
    err << pictures::Recorded().size() << " pictures, " << written.size() << " files, " << total
        << " bytes\n";
    return 0;
}
