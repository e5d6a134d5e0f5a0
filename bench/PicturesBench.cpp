// Hovering a topic of the main window whose preview file is a whole, valid bitmap of about 50 MB.
// Up to 4096 pixels a side the first showing decodes it and every later one only checks the file
// and shares the decoded pixels; a larger one (8192 x 6144 at 8 bits, 10000 x 10000 at 4) is
// refused from its header with the error box, which is counted. Each bitmap is an hour old, as
// installed files are, so that the cache takes it.
#include "app/Inter.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

class CountedBoxes : public ui::Platform {
  public:
    void ShowBox(ui::BoxKind, QWidget*, const QString&, const QString&) override { ++boxes; }
    void OpenUrl(QWidget*, const QUrl&) override {}
    int boxes = 0;
};

// An uncompressed bitmap of width x height at 4, 8 or 24 bits, its pixels left zero.
void WriteBitmap(const QString& path, int width, int height, int bits) {
    const int colours = bits <= 8 ? 1 << bits : 0;
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    const qint64 offset = 54 + 4 * colours;
    QByteArray head(int(offset), '\0');
    char* h = head.data();
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<quint32>(quint32(offset + stride * height), h + 2);
    qToLittleEndian<quint32>(quint32(offset), h + 10);
    qToLittleEndian<quint32>(40, h + 14);
    qToLittleEndian<qint32>(width, h + 18);
    qToLittleEndian<qint32>(height, h + 22);
    qToLittleEndian<quint16>(1, h + 26);
    qToLittleEndian<quint16>(quint16(bits), h + 28);
    qToLittleEndian<quint32>(quint32(colours), h + 46);
    for (int c = 0; c < colours; ++c)
        qToLittleEndian<quint32>(quint32(c * 0x111111), h + 54 + 4 * c);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(head);
    const QByteArray row(int(stride), '\0');
    for (int r = 0; r < height; ++r)
        file.write(row);
    file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

// A copy of the built picture tree, its capacitive reactance preview replaced.
std::unique_ptr<QTemporaryDir> PictureTree(int width, int height, int bits) {
    const QString source = ui::PictureRoot();
    auto tree = std::make_unique<QTemporaryDir>();
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = tree->filePath(QDir(source).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
    WriteBitmap(tree->filePath(QStringLiteral("interface/ReactanceCap.bmp")), width, height, bits);
    return tree;
}

void HoverHugePreview(benchmark::State& state) {
    const auto tree = PictureTree(int(state.range(0)), int(state.range(1)), int(state.range(2)));
    ui::ScopedPictureRoot root(tree->path());
    CountedBoxes boxes;
    ui::ScopedPlatform platform(boxes);
    TInterface1 main;
    main.Initialise();
    auto* topic = main.findChild<QLabel*>(QStringLiteral("Label13"));
    const QPointF at(topic->rect().center());
    auto hover = [&] {
        QMouseEvent move(QEvent::MouseMove, at, topic->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(topic, &move);
    };
    hover(); // the first showing, which decodes an accepted picture
    for (auto _ : state)
        hover();
    state.counters["error boxes"] = benchmark::Counter(boxes.boxes, benchmark::Counter::kAvgIterations);
}
// About 50 MB each: the largest accepted picture, and two of the same weight beyond any window.
BENCHMARK(HoverHugePreview)
    ->Args({4096, 4096, 24})
    ->Args({8192, 6144, 8})
    ->Args({10000, 10000, 4})
    ->Unit(benchmark::kMillisecond);

} // namespace
