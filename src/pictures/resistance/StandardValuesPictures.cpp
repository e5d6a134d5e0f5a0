#include "pictures/resistance/StandardValuesPictures.h"

#include "pictures/Palette.h"

#include <QPainter>

namespace pictures {

namespace {

// The colour-code window's resistor, in its form's pixels.
constexpr QRectF kExtent(8, 92, 441, 113);
constexpr QRectF kBody(56, 92, 345, 113);
constexpr int kRingWidth = 33;
constexpr int kFourRings[] = {88, 144, 200, 256};
constexpr int kFiveRings[] = {88, 144, 200, 256, 312};

} // namespace

QImage RingedResistorPicture(QSize size, const QVector<QColor>& rings) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(size.width() / kExtent.width(), size.height() / kExtent.height());
    p.translate((size.width() - kExtent.width() * scale) / 2, (size.height() - kExtent.height() * scale) / 2);
    p.scale(scale, scale);
    p.translate(-kExtent.topLeft());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(8, 144, 48, 10));
    p.drawRect(QRectF(401, 144, 48, 10));
    const QPen outline(Qt::black, 1 / scale);
    p.setPen(outline);
    p.setBrush(palette::kInactiveCaption);
    const qreal radius = kBody.height() / 4;
    p.drawRoundedRect(kBody.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const int* lefts = rings.size() == 5 ? kFiveRings : kFourRings;
    for (int i = 0; i < std::min<int>(rings.size(), 5); ++i) {
        if (!rings[i].isValid()) continue;
        p.setBrush(rings[i]);
        p.drawRect(QRectF(lefts[i] + 0.5, kBody.top() + 0.5, kRingWidth - 1, kBody.height() - 1));
    }
    return image;
}

} // namespace pictures
