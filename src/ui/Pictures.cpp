#include "ui/Pictures.h"
#include "core/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>

namespace ui {
namespace {
QString g_root;
}

QString PictureRoot() {
    if (!g_root.isEmpty()) return g_root;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/ohmbrix")) +
           QLatin1Char('/');
}

ScopedPictureRoot::ScopedPictureRoot(const QString& root) : previous_(g_root) {
    g_root = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
}
ScopedPictureRoot::~ScopedPictureRoot() {
    g_root = previous_;
}

QImage LoadPicture(const QString& relativeName) {
    const QString fullName = PictureRoot() + relativeName;
    QFile file(fullName);
    if (!file.open(QIODevice::ReadOnly))
        throw core::PictureError(QStringLiteral("Impossible d'ouvrir le fichier %1").arg(fullName));
    const QByteArray data = file.readAll();
    if (data.isEmpty()) return QImage();
    if (data.size() < 14) throw core::PictureError(QStringLiteral("Erreur de lecture du flux"));
    if (!data.startsWith("BM")) throw core::PictureError(QStringLiteral("Image bitmap incorrecte"));
    QImage image;
    if (!image.loadFromData(data, "BMP"))
        throw core::PictureError(QStringLiteral("Erreur de lecture du flux"));
    return image;
}

void LoadPictureInto(QLabel* label, const QString& relativeName) {
    const QImage image = LoadPicture(relativeName);
    if (image.isNull())
        label->clear();
    else
        label->setPixmap(QPixmap::fromImage(image));
}

} // namespace ui
