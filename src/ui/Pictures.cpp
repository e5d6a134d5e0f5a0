#include "ui/Pictures.h"
#include "core/Failure.h"
#include "ui/Density.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <list>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {
namespace {

QString g_root;

constexpr qint64 kFileHeader = 14;
constexpr qint64 kCacheEntries = 16;
constexpr qint64 kCacheBytes = qint64(256) << 20;
constexpr qint64 kSettledNs = qint64(2) * 1000000000;
// No window is larger than 600 x 480 and a label shows its picture at the picture's own size, so
// nothing beyond this can ever be seen whole. Decoded at 32 bits such a picture takes 64 MB: every
// picture accepted fits the decoded-picture cache and is decoded once, not at every showing.
constexpr qint64 kLargestSide = 4096;

[[noreturn]] void CannotOpen(const QString& fullName) {
    throw core::PictureError(QStringLiteral("Impossible d'ouvrir le fichier %1").arg(fullName));
}
[[noreturn]] void ReadError() {
    throw core::PictureError(QStringLiteral("Erreur de lecture du flux"));
}
[[noreturn]] void NotABitmap() {
    throw core::PictureError(QStringLiteral("Image bitmap incorrecte"));
}

// An open regular file, never anything that could block or never end (a FIFO, a device).
class PictureFile {
  public:
    explicit PictureFile(const QString& fullName) {
        // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
        fd_ = ::open(QFile::encodeName(fullName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0 || ::fstat(fd_, &stat_) != 0 || !S_ISREG(stat_.st_mode)) CannotOpen(fullName);
    }
    ~PictureFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    qint64 Size() const { return stat_.st_size; }
    const struct stat& Stat() const { return stat_; }

    // Exactly `count` bytes from `offset`, or the stream read failure.
    QByteArray Read(qint64 offset, qint64 count) const {
        QByteArray bytes(count, Qt::Uninitialized);
        qint64 done = 0;
        while (done < count) {
            const ssize_t got =
                ::pread(fd_, bytes.data() + done, std::size_t(count - done), off_t(offset + done));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) ReadError(); // the file shrank under us
            done += got;
        }
        return bytes;
    }

  private:
    int fd_ = -1;
    struct stat stat_ {};
};

quint32 U32(const QByteArray& b, qint64 at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 U16(const QByteArray& b, qint64 at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// How many bytes from the start of the file the header says the picture needs; failures for a
// header that is not a bitmap's, or that declares more than the file holds.
qint64 DeclaredExtent(const PictureFile& file) {
    const qint64 size = file.Size();
    if (kFileHeader + 4 > size) ReadError();
    const qint64 infoSize = U32(file.Read(kFileHeader, 4), 0);
    if (infoSize > size - kFileHeader) ReadError();
    const QByteArray head = file.Read(0, kFileHeader + infoSize);
    const qint64 dataOffset = U32(head, 10);

    qint64 width = 0, height = 0, planes = 0, bits = 0, compression = 0, imageSize = 0, colours = 0;
    qint64 entryBytes = 4;
    if (infoSize == 12) {
        width = U16(head, 18);
        height = U16(head, 20);
        planes = U16(head, 22);
        bits = U16(head, 24);
        entryBytes = 3;
    } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 || infoSize == 108 ||
               infoSize == 124) {
        width = qint32(U32(head, 18));
        height = qint32(U32(head, 22));
        planes = U16(head, 26);
        bits = U16(head, 28);
        compression = U32(head, 30);
        imageSize = U32(head, 34);
        colours = U32(head, 46);
    } else {
        NotABitmap();
    }
    const bool bitsKnown = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool rle = compression == 1 || compression == 2;
    const bool compressionFits = compression == 0 || (compression == 1 && bits == 8) ||
                                 (compression == 2 && bits == 4) ||
                                 (compression == 3 && (bits == 16 || bits == 32));
    if (width <= 0 || height == 0 || height == INT32_MIN || planes != 1 || !bitsKnown || !compressionFits ||
        (rle && (height < 0 || imageSize == 0)) || (bits <= 8 && colours > (qint64(1) << bits)))
        NotABitmap();

    // The palette (or the colour masks) follow the header and come before the pixels.
    if (bits <= 8 && colours == 0) colours = qint64(1) << bits;
    if (bits > 8) colours = 0;
    const qint64 masks = compression == 3 && infoSize == 40 ? 12 : 0;
    const qint64 tables = kFileHeader + infoSize + masks + colours * entryBytes;
    if (tables > size) ReadError();
    if (dataOffset < kFileHeader + infoSize + masks) NotABitmap();

    // Uncompressed rows are padded to four bytes; compressed data declares its own size.
    qint64 data = imageSize;
    const qint64 rows = height < 0 ? -height : height;
    if (!rle) {
        const qint64 stride = (width * bits + 31) / 32 * 4;
        if (stride > size / rows) ReadError(); // also keeps the product below from overflowing
        data = stride * rows;
    }
    if (dataOffset > size || data > size - dataOffset) ReadError();
    // Whole, but larger than any picture the program shows.
    if (width > kLargestSide || rows > kLargestSide) NotABitmap();
    return std::max(tables, dataOffset + data);
}

// A decoded file, known by what tells a changed file from the one read before.
struct Identity {
    QString fullName;
    dev_t device;
    ino_t inode;
    qint64 size;
    qint64 modified;
    qint64 changed;
    bool operator==(const Identity& o) const {
        return fullName == o.fullName && device == o.device && inode == o.inode && size == o.size &&
               modified == o.modified && changed == o.changed;
    }
};

Identity IdentityOf(const QString& fullName, const struct stat& st) {
    return {fullName,
            st.st_dev,
            st.st_ino,
            qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

// The last pictures decoded, newest first: one picture shown in several places (or again and
// again on every hover) is decoded once and its pixels shared.
class DecodedCache {
  public:
    const QPixmap* Find(const Identity& id) {
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it->first == id) {
                entries_.splice(entries_.begin(), entries_, it);
                return &entries_.front().second;
            }
        return nullptr;
    }
    void Add(const Identity& id, const QPixmap& picture) {
        // A file written within the file system's time resolution of its reading could be
        // written again with the same size and times: such a file is decoded again each time.
        const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1000000;
        if (id.modified > now - kSettledNs || Cost(picture) > kCacheBytes) return;
        entries_.remove_if([&](const auto& e) { return e.first.fullName == id.fullName; });
        entries_.emplace_front(id, picture);
        qint64 total = 0;
        qint64 count = 0;
        for (auto it = entries_.begin(); it != entries_.end();) {
            total += Cost(it->second);
            if (++count > kCacheEntries || total > kCacheBytes)
                it = entries_.erase(it);
            else
                ++it;
        }
    }

  private:
    static qint64 Cost(const QPixmap& p) {
        return qint64(p.width()) * p.height() * std::max(1, p.depth() / 8);
    }
    std::list<std::pair<Identity, QPixmap>> entries_;
};

DecodedCache& Cache() {
    static DecodedCache cache;
    return cache;
}

// Null for an empty file.
QPixmap Load(const QString& relativeName) {
    const QString fullName = PictureRoot() + relativeName;
    const PictureFile file(fullName);
    if (file.Size() == 0) return QPixmap();
    if (file.Size() < kFileHeader) ReadError();
    if (!file.Read(0, kFileHeader).startsWith("BM")) NotABitmap();
    const Identity id = IdentityOf(fullName, file.Stat());
    if (const QPixmap* known = Cache().Find(id)) return *known;

    const QByteArray data = file.Read(0, DeclaredExtent(file));
    QImage image;
    if (!image.loadFromData(data, "BMP") || image.isNull()) ReadError();
    const QPixmap picture = QPixmap::fromImage(std::move(image));
    Cache().Add(id, picture);
    return picture;
}

} // namespace

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
    return Load(relativeName).toImage();
}

void LoadPictureInto(QLabel* label, const QString& relativeName) {
    const QPixmap picture = Load(relativeName);
    if (picture.isNull())
        label->clear();
    else
        label->setPixmap(picture);
    FollowPictureFile(label, relativeName);
}

} // namespace ui
