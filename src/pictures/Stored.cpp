#include "pictures/Stored.h"

#include <QHash>
#include <QResource>

#include <cstring>

namespace pictures {
namespace {

// The pack: a header, one entry per picture (sorted by name), the names, then the pixels of each
// distinct picture, 64-byte aligned. Every picture's place and size is read from the entries, so
// creating a window touches no pixel until the picture is painted.
constexpr quint32 kMagic = 0x4F485031; // "OHP1"
constexpr qsizetype kAlign = 64;

struct Header {
    quint32 magic;
    quint32 count;
};
struct Entry {
    quint32 nameOffset, nameLength;
    qint32 width, height, bytesPerLine, format;
    quint64 pixelsOffset;
};

const QString kPackPath = QStringLiteral(":/windows/pictures.pack");

struct Store {
    StoreCounts counts;
    bool recording = false;
    std::map<QString, QImage> recorded;
    QStringList faults;
    bool opened = false;
    QHash<QString, QImage> pack; // images over the resource's own bytes
};

Store& TheStore() {
    static Store store;
    return store;
}

// Reads the pack's entries; a pack that does not hold together is ignored (everything is drawn).
QHash<QString, QImage> OpenPack() {
    const QResource resource(kPackPath);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
    const uchar* base = resource.data();
    const qsizetype size = resource.size();
    if (reinterpret_cast<quintptr>(base) % alignof(quint32) != 0 || size < qsizetype(sizeof(Header)))
        return {};
    Header header;
    std::memcpy(&header, base, sizeof header);
    if (header.magic != kMagic ||
        qsizetype(header.count) > (size - qsizetype(sizeof header)) / qsizetype(sizeof(Entry)))
        return {};
    QHash<QString, QImage> pack;
    for (quint32 i = 0; i < header.count; ++i) {
        Entry e;
        std::memcpy(&e, base + sizeof header + i * sizeof(Entry), sizeof e);
        const bool fits = qsizetype(e.nameOffset) + qsizetype(e.nameLength) <= size && e.width > 0 &&
                          e.height > 0 && e.bytesPerLine >= e.width && e.format > QImage::Format_Invalid &&
                          e.format < QImage::NImageFormats && e.pixelsOffset % kAlign == 0 &&
                          e.pixelsOffset <= quint64(size) &&
                          quint64(e.bytesPerLine) * quint64(e.height) <= quint64(size) - e.pixelsOffset;
        if (!fits) return {};
        const QString name =
            QString::fromUtf8(reinterpret_cast<const char*>(base + e.nameOffset), qsizetype(e.nameLength));
        pack.insert(
            name, QImage(base + e.pixelsOffset, e.width, e.height, e.bytesPerLine, QImage::Format(e.format)));
    }
    return pack;
}

const QHash<QString, QImage>& Pack() {
    Store& store = TheStore();
    if (!store.opened) {
        store.pack = OpenPack();
        store.opened = true;
    }
    return store.pack;
}

bool HasAlphaPixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255) return true;
    }
    return false;
}

// In a format the screen paints without converting; opaque pictures as opaque, so that nobody
// need look for alpha.
QImage Paintable(const QImage& picture) {
    if (picture.format() == QImage::Format_RGB32) return picture;
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return HasAlphaPixels(image) ? image : image.convertToFormat(QImage::Format_RGB32);
}

QString Key(const QString& form, const QString& name) {
    return form + QLatin1Char('/') + name;
}

} // namespace

QImage Stored(const QString& form, const QString& name, const Drawing& draw) {
    if (!draw) return {};
    Store& store = TheStore();
    if (store.recording) {
        QImage image = draw();
        if (form.isEmpty()) {
            store.faults << QStringLiteral("%1 is drawn outside any window").arg(name);
        } else {
            auto [it, added] = store.recorded.emplace(Key(form, name), image);
            if (!added && it->second != image)
                store.faults << QStringLiteral("%1 is drawn twice, differently").arg(it->first);
        }
        return image;
    }
    if (!form.isEmpty()) {
        const QImage image = Pack().value(Key(form, name));
        if (!image.isNull()) {
            ++store.counts.loaded;
            return image;
        }
    }
    ++store.counts.drawn;
    return draw();
}

QStringList StoredNames() {
    QStringList names = Pack().keys();
    names.sort();
    return names;
}

QByteArray PackPictures(const std::map<QString, QImage>& pictures) {
    QByteArray names, pixels;
    std::vector<Entry> entries;
    QHash<QByteArray, quint64> placed; // identical pictures are stored once
    for (const auto& [key, drawn] : pictures) {
        if (drawn.isNull()) continue;
        const QImage picture = Paintable(drawn);
        const QByteArray utf8 = key.toUtf8();
        Entry e{quint32(names.size()),
                quint32(utf8.size()),
                picture.width(),
                picture.height(),
                qint32(picture.bytesPerLine()),
                qint32(picture.format()),
                0};
        names += utf8;
        const QByteArray bits(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        const QByteArray identity = QByteArray::number(qint32(picture.format())) + ':' +
                                    QByteArray::number(picture.width()) + 'x' + bits;
        auto found = placed.constFind(identity);
        if (found == placed.constEnd()) {
            pixels.append(QByteArray((kAlign - pixels.size() % kAlign) % kAlign, '\0'));
            found = placed.insert(identity, quint64(pixels.size()));
            pixels += bits;
        }
        e.pixelsOffset = *found;
        entries.push_back(e);
    }
    const qsizetype namesAt = sizeof(Header) + qsizetype(entries.size() * sizeof(Entry));
    const qsizetype pixelsAt = (namesAt + names.size() + kAlign - 1) / kAlign * kAlign;
    for (Entry& e : entries) {
        e.nameOffset += quint32(namesAt);
        e.pixelsOffset += quint64(pixelsAt);
    }
    const Header header{kMagic, quint32(entries.size())};
    QByteArray pack(reinterpret_cast<const char*>(&header), sizeof header);
    pack.append(reinterpret_cast<const char*>(entries.data()), qsizetype(entries.size() * sizeof(Entry)));
    pack += names;
    pack.append(QByteArray(pixelsAt - pack.size(), '\0'));
    pack += pixels;
    return pack;
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
