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

// The files are raw pixels (see ohmbrix_drawwindows): a 16-byte header of width, height, bytes
// per line and QImage format, then the lines. The image keeps the uncompressed bytes as its own
// pixels: nothing is decoded or copied.
QImage Load(const QString& path) {
    QResource resource(path);
    if (!resource.isValid()) return {};
    auto* bytes = new QByteArray(resource.uncompressedData());
    qint32 header[4] = {};
    if (bytes->size() >= qsizetype(sizeof header)) std::memcpy(header, bytes->constData(), sizeof header);
    const auto [w, h, bpl, format] = header;
    if (w <= 0 || h <= 0 || bpl < w || format <= QImage::Format_Invalid || format >= QImage::NImageFormats ||
        bytes->size() - qsizetype(sizeof header) != qsizetype(bpl) * h) {
        delete bytes;
        return {};
    }
    return QImage(
        reinterpret_cast<uchar*>(bytes->data()) + sizeof header, w, h, bpl, QImage::Format(format),
        [](void* kept) { delete static_cast<QByteArray*>(kept); }, bytes);
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
