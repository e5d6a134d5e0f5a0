#include "ui/Density.h"

#include "pictures/Canvas.h"
#include "pictures/Catalogue.h"
#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPixmap>

namespace ui {
namespace {

constexpr int kMeanLevels = 12;

// Installed on the widget it draws for and owned by it. It knows the picture it put up last, so
// that a picture set by anything else (an English file, a cleared label) is left alone.
class Follower : public QObject {
  public:
    Follower(QWidget* widget, pictures::Drawing draw, ShowPicture show, std::function<qint64()> key)
        : QObject(widget), widget_(widget), draw_(std::move(draw)), show_(std::move(show)),
          key_(std::move(key)) {
        own_ = key_ ? key_() : 0;
        widget->installEventFilter(this);
    }

    bool Owns() const { return !key_ || key_() == own_; }

    bool Show(qreal density) {
        if (!Owns()) return false;
        if (density != shown_) {
            show_(Draw(density));
            shown_ = density;
            if (key_) own_ = key_();
        }
        return true;
    }

    QImage Draw(qreal density) const { return pictures::DrawAt(density, draw_); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint) Show(widget_->devicePixelRatioF());
        return false;
    }

  private:
    QWidget* widget_;
    pictures::Drawing draw_;
    ShowPicture show_;
    std::function<qint64()> key_;
    qint64 own_ = 0;
    qreal shown_ = 1.0; // the stored picture
};

Follower* FollowerOf(QWidget* widget) {
    if (!widget) return nullptr;
    for (QObject* child : widget->children()) // no meta-object of its own: findChild cannot tell it
        if (auto* follower = dynamic_cast<Follower*>(child)) return follower;
    return nullptr;
}

void Follow(QWidget* widget, pictures::Drawing draw, ShowPicture show, std::function<qint64()> key) {
    if (!widget || !draw) return;
    delete FollowerOf(widget);
    new Follower(widget, std::move(draw), std::move(show), std::move(key));
}

// Whether a file's pixels are still those the build wrote, judged once per decoded picture. Not
// to the bit: on a scaled screen Qt draws type unhinted, so the same drawing differs by a few
// levels along the letters' edges (a mean of 5 at most), where another picture differs by tens.
bool AsWritten(const QString& relativeName, const QPixmap& shown) {
    static QHash<qint64, bool> verdicts;
    const auto known = verdicts.constFind(shown.cacheKey());
    if (known != verdicts.constEnd()) return *known;
    const QImage written = pictures::DrawFile(relativeName, 1.0).convertToFormat(QImage::Format_RGB32);
    const QImage file = shown.toImage().convertToFormat(QImage::Format_RGB32);
    bool same = !written.isNull() && written.size() == file.size();
    if (same) {
        qint64 difference = 0;
        for (int y = 0; y < file.height(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(written.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(file.constScanLine(y));
            for (int x = 0; x < file.width(); ++x)
                difference += std::abs(qRed(a[x]) - qRed(b[x])) + std::abs(qGreen(a[x]) - qGreen(b[x])) +
                              std::abs(qBlue(a[x]) - qBlue(b[x]));
        }
        same = difference <= qint64(kMeanLevels) * 3 * file.width() * file.height();
    }
    if (verdicts.size() > 256) verdicts.clear();
    verdicts.insert(shown.cacheKey(), same);
    return same;
}

// A file drawn at a screen's density, kept for the next hover over the same topic.
QImage DrawnFile(const QString& relativeName, qreal density) {
    static QHash<QString, QImage> drawn;
    const QString key = relativeName + QLatin1Char('@') + QString::number(density);
    const auto known = drawn.constFind(key);
    if (known != drawn.constEnd()) return *known;
    const QImage picture = pictures::DrawFile(relativeName, density);
    if (drawn.size() >= 16) drawn.clear();
    drawn.insert(key, picture);
    return picture;
}

} // namespace

void FollowDensity(QLabel* label, pictures::Drawing draw) {
    Follow(
        label, std::move(draw),
        [label](const QImage& picture) {
            label->setPixmap(QPixmap::fromImage(picture, Qt::NoOpaqueDetection));
        },
        [label] { return label->pixmap().cacheKey(); });
}

void FollowDensity(QAbstractButton* button, pictures::Drawing draw) {
    Follow(
        button, std::move(draw),
        [button](const QImage& picture) {
            button->setIcon(QIcon(QPixmap::fromImage(picture, Qt::NoOpaqueDetection)));
        },
        [button] { return button->icon().cacheKey(); });
}

void FollowDensity(QWidget* widget, pictures::Drawing draw, ShowPicture show) {
    Follow(widget, std::move(draw), std::move(show), {});
}

void FollowPictureFile(QLabel* label, const QString& relativeName) {
    if (!label || label->pixmap().isNull()) return;
    const QPixmap file = label->pixmap();
    // Drawn only while the label still shows the file as the build wrote it.
    FollowDensity(label, [relativeName, file]() -> QImage {
        const qreal density = pictures::Density();
        if (density == 1.0 || !AsWritten(relativeName, file)) return file.toImage();
        return DrawnFile(relativeName, density);
    });
}

bool ShowAtDensity(QWidget* widget, qreal density) {
    Follower* follower = FollowerOf(widget);
    return follower && follower->Show(density);
}

QImage DrawnAtDensity(QWidget* widget, qreal density) {
    Follower* follower = FollowerOf(widget);
    return follower && follower->Owns() ? follower->Draw(density) : QImage();
}

} // namespace ui
