#include "pictures/Stored.h"

#include <QResource>

#include <cstring>

namespace pictures {
namespace {

struct Store {
    StoreCounts counts;
    bool recording = false;
    std::map<QString, QImage> recorded;
    QStringList faults;
};

Store& TheStore() {
    static Store store;
    return store;
}

constexpr qsizetype kHeader = 4 * sizeof(qint32);

// The picture behind a 16-byte header of width, height, bytes per line and QImage format, or a
// null image when the header does not describe the bytes that follow.
QImage Describe(const uchar* bytes, qsizetype size) {
    qint32 header[4] = {};
    if (size < kHeader) return {};
    std::memcpy(header, bytes, kHeader);
    const auto [w, h, bpl, format] = header;
    if (w <= 0 || h <= 0 || bpl < w || format <= QImage::Format_Invalid || format >= QImage::NImageFormats ||
        size - kHeader != qsizetype(bpl) * h)
        return {};
    return QImage(bytes + kHeader, w, h, bpl, QImage::Format(format));
}

// The files are raw pixels (see ohmbrix_drawwindows), held uncompressed: the image reads its
// pixels where the program's resources lie, so nothing is decoded, copied or allocated.
QImage Load(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid()) return {};
    if (resource.compressionAlgorithm() == QResource::NoCompression &&
        reinterpret_cast<quintptr>(resource.data()) % alignof(quint32) == 0)
        return Describe(resource.data(), resource.size());
    const QByteArray bytes = resource.uncompressedData();
    return Describe(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()).copy();
}

} // namespace

QString StoredPath(const QString& form, const QString& name) {
    return QStringLiteral(":/windows/%1/%2").arg(form, name);
}

QImage Stored(const QString& form, const QString& name, const Drawing& draw) {
    if (!draw) return {};
    Store& store = TheStore();
    if (store.recording) {
        QImage image = draw();
        const QString key = form + QLatin1Char('/') + name;
        if (form.isEmpty()) {
            store.faults << QStringLiteral("%1 is drawn outside any window").arg(name);
        } else {
            auto [it, added] = store.recorded.emplace(key, image);
            if (!added && it->second != image)
                store.faults << QStringLiteral("%1 is drawn twice, differently").arg(key);
        }
        return image;
    }
    if (!form.isEmpty()) {
        QImage image = Load(StoredPath(form, name));
        if (!image.isNull()) {
            ++store.counts.loaded;
            return image;
        }
    }
    ++store.counts.drawn;
    return draw();
}

StoreCounts Counts() {
    return TheStore().counts;
}

void Record(bool on) {
    TheStore().recording = on;
}

const std::map<QString, QImage>& Recorded() {
    return TheStore().recorded;
}

QStringList RecordingFaults() {
    return TheStore().faults;
}

} // namespace pictures
