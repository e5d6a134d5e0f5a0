#include "support/GuiFixture.h"

#include "core/Failure.h"
#include "ui/Pictures.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtEndian>
#include <functional>
#include <sys/stat.h>

namespace {

// A 24-bit bitmap of 20 x 10 as the picture tool writes them: 54 bytes of header, rows of 60
// bytes padded to 60, 600 bytes of pixels.
QByteArray Bitmap(QColor colour = Qt::darkCyan) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(3, 4, qRgb(200, 10, 10));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A valid bitmap of the given size and format, as an image program would save it.
QByteArray Saved(QSize size, QImage::Format format) {
    QImage image(size, format);
    image.fill(0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray With32(QByteArray bytes, int at, qint32 value) {
    qToLittleEndian<qint32>(value, bytes.data() + at);
    return bytes;
}
QByteArray With16(QByteArray bytes, int at, quint16 value) {
    qToLittleEndian<quint16>(value, bytes.data() + at);
    return bytes;
}

class PicturesTest : public GuiTest {
  protected:
    void SetUp() override { root_ = UsePrivatePictures(); }

    // The failure text, or "" when the picture loads.
    static QString Failure(const QString& name) {
        try {
            ui::LoadPicture(name);
            return QString();
        } catch (const core::PictureError& e) {
            return e.message();
        }
    }
    QString CannotOpen(const QString& name) const { return "Impossible d'ouvrir le fichier " + root_ + name; }
    // Makes a file look long settled, as the installed pictures are.
    void Age(const QString& name) {
        QFile file(root_ + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }

    QString root_;
};

TEST_F(PicturesTest, DamagedBitmapsFailInsteadOfShowingPartOfAPicture) {
    const QByteArray good = Bitmap();
    ASSERT_EQ(good.size(), 54 + 600);
    const QString readError = "Erreur de lecture du flux";
    const QString notABitmap = "Image bitmap incorrecte";
    const struct {
        const char* what;
        QByteArray bytes;
        QString failure;
    } cases[] = {
        {"cut in half", good.left(good.size() / 2), readError},
        {"one byte short", good.chopped(1), readError},
        {"cut inside the header", good.left(30), readError},
        {"pixel offset past the end", With32(good, 10, good.size() + 100), readError},
        {"pixel offset leaving the rows no room", With32(good, 10, 200), readError},
        {"height doubled", With32(good, 22, 20), readError},
        {"width beyond any file", With32(good, 18, 0x7fffffff), readError},
        {"height beyond any file", With32(good, 22, -0x7fffffff), readError},
        {"header size beyond the file", With32(good, 14, 0x01010101), readError},
        {"palette beyond the file", With16(good, 28, 8), readError},
        {"unknown header size", With32(good, 14, 20), notABitmap},
        {"no width", With32(good, 18, 0), notABitmap},
        {"negative width", With32(good, 18, -20), notABitmap},
        {"no height", With32(good, 22, 0), notABitmap},
        {"two planes", With16(good, 26, 2), notABitmap},
        {"seven bits a pixel", With16(good, 28, 7), notABitmap},
        {"run-length coding of 24-bit pixels", With32(good, 30, 1), notABitmap},
        {"pixels before the end of the header", With32(good, 10, 20), notABitmap},
        {"whole, with bytes after the pixels", good + QByteArray(5000, 'x'), QString()},
        {"whole, rows from the top", With32(good, 22, -10), QString()},
    };
    for (const auto& c : cases) {
        WriteFile("interface/Onde.bmp", c.bytes);
        EXPECT_EQ(Failure("interface/Onde.bmp"), c.failure) << c.what;
    }
    WriteFile("interface/Onde.bmp", good);
    const QImage loaded = ui::LoadPicture("interface/Onde.bmp");
    EXPECT_EQ(loaded.size(), QSize(20, 10));
    EXPECT_EQ(loaded.pixel(3, 4), qRgb(200, 10, 10));
    EXPECT_EQ(loaded.pixel(0, 0), QColor(Qt::darkCyan).rgb());
}

// Nothing in the tree may freeze the program (a FIFO would block the open for good) or make it
// read without end (a device).
TEST_F(PicturesTest, OnlyRegularFilesAreRead) {
    const QString name = "interface/Onde.bmp";
    const QString full = root_ + name;
    const struct {
        const char* what;
        std::function<bool()> make;
    } cases[] = {
        {"a FIFO", [&] { return ::mkfifo(QFile::encodeName(full).constData(), 0600) == 0; }},
        {"a link to /dev/zero", [&] { return QFile::link("/dev/zero", full); }},
        {"a directory", [&] { return QDir().mkdir(full); }},
        {"a link to a directory", [&] { return QFile::link(root_ + "formule", full); }},
        {"a dangling link", [&] { return QFile::link(root_ + "interface/none.bmp", full); }},
    };
    for (const auto& c : cases) {
        RemoveFile(name);
        ASSERT_TRUE(c.make()) << c.what;
        EXPECT_EQ(Failure(name), CannotOpen(name)) << c.what;
        QDir().rmdir(full);
    }
    // A link to a regular file is read like the file.
    RemoveFile(name);
    WriteFile("interface/Periode.bmp", Bitmap());
    ASSERT_TRUE(QFile::link(root_ + "interface/Periode.bmp", full));
    EXPECT_EQ(ui::LoadPicture(name).size(), QSize(20, 10));
}

// The header decides: a huge file is read no further than its bitmap, and one that is not a
// bitmap at all no further than its signature. The sparse files take no room on disc.
TEST_F(PicturesTest, LargeFilesAreReadHeaderFirst) {
    constexpr qint64 kHuge = qint64(64) << 30;
    const struct {
        const char* what;
        QByteArray start;
        QString failure;
    } cases[] = {
        {"not a bitmap", QByteArray("PK\x03\x04 an archive, not a picture"), "Image bitmap incorrecte"},
        {"a bitmap followed by much else", Bitmap(), QString()},
    };
    for (const auto& c : cases) {
        WriteFile("interface/Onde.bmp", c.start);
        QFile file(root_ + "interface/Onde.bmp");
        ASSERT_TRUE(file.resize(kHuge)) << c.what;
        EXPECT_EQ(Failure("interface/Onde.bmp"), c.failure) << c.what;
    }
}

// A whole bitmap larger than any window is refused from its header, before it is decoded (the
// 1-bit one would take 3.6 GB decoded); up to 4096 pixels a side it is shown and kept decoded.
TEST_F(PicturesTest, BitmapsLargerThanAnyWindowAreRefused) {
    const QString notABitmap = "Image bitmap incorrecte";
    const QByteArray mono = Saved({32, 1}, QImage::Format_Mono);
    const struct {
        const char* what;
        QByteArray bytes;
        qint64 size; // the file made this long (sparse), or 0
        QString failure;
    } cases[] = {
        {"4096 wide", Saved({4096, 1}, QImage::Format_RGB32), 0, QString()},
        {"4096 high", Saved({1, 4096}, QImage::Format_RGB32), 0, QString()},
        {"4097 wide", Saved({4097, 1}, QImage::Format_RGB32), 0, notABitmap},
        {"4097 high", Saved({1, 4097}, QImage::Format_RGB32), 0, notABitmap},
        {"4097 high, rows from the top", With32(Saved({1, 4097}, QImage::Format_RGB32), 22, -4097), 0,
         notABitmap},
        {"30000 x 30000 at one bit", With32(With32(mono, 18, 30000), 22, 30000), qint64(120) << 20,
         notABitmap},
    };
    for (const auto& c : cases) {
        WriteFile("interface/Onde.bmp", c.bytes);
        if (c.size) ASSERT_TRUE(QFile(root_ + "interface/Onde.bmp").resize(c.size)) << c.what;
        EXPECT_EQ(Failure("interface/Onde.bmp"), c.failure) << c.what;
    }
}

TEST_F(PicturesTest, APictureShownInSeveralPlacesIsDecodedOnce) {
    WriteFile("interface/Onde.bmp", Bitmap(Qt::darkCyan));
    Age("interface/Onde.bmp");
    QLabel first, second;
    ui::LoadPictureInto(&first, "interface/Onde.bmp");
    ui::LoadPictureInto(&second, "interface/Onde.bmp");
    EXPECT_EQ(first.pixmap().cacheKey(), second.pixmap().cacheKey());
    EXPECT_EQ(first.pixmap().toImage().pixel(0, 0), QColor(Qt::darkCyan).rgb());
}

// Each showing still opens the file: what changed or went since the last showing shows at once,
// failures included, even when the size stays the same and a write follows within the time
// resolution of the file system.
TEST_F(PicturesTest, EveryShowingSeesTheFileAsItIsNow) {
    const QString name = "interface/Onde.bmp";
    WriteFile(name, Bitmap(Qt::darkCyan));
    Age(name);
    QLabel label;
    ui::LoadPictureInto(&label, name);
    const struct {
        const char* what;
        std::function<void()> change;
        QString failure;
        QColor shown;
    } steps[] = {
        {"rewritten, same size", [&] { WriteFile(name, Bitmap(Qt::yellow)); }, QString(), Qt::yellow},
        {"rewritten again at once", [&] { WriteFile(name, Bitmap(Qt::blue)); }, QString(), Qt::blue},
        {"cut", [&] { WriteFile(name, Bitmap(Qt::red).left(100)); }, "Erreur de lecture du flux", Qt::blue},
        {"removed", [&] { RemoveFile(name); }, CannotOpen(name), Qt::blue},
        {"back, settled",
         [&] {
             WriteFile(name, Bitmap(Qt::green));
             Age(name);
         },
         QString(), Qt::green},
        {"emptied", [&] { WriteFile(name, QByteArray()); }, QString(), QColor()},
    };
    for (const auto& s : steps) {
        s.change();
        QString failure;
        try {
            ui::LoadPictureInto(&label, name);
        } catch (const core::PictureError& e) {
            failure = e.message();
        }
        EXPECT_EQ(failure, s.failure) << s.what;
        if (s.shown.isValid()) {
            EXPECT_EQ(label.pixmap().toImage().pixel(0, 0), s.shown.rgb()) << s.what;
        } else {
            EXPECT_TRUE(label.pixmap().isNull()) << s.what;
        }
    }
}

} // namespace
