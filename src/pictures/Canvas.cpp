#include "pictures/Canvas.h"

#include <cmath>

namespace pictures {
namespace {

qreal g_density = 1.0;

int Pixels(int units, qreal density) {
    // 1e-6 keeps 105 x 1.2 from rounding up to 127 pixels through the binary fraction.
    return std::max(1, int(std::ceil(units * density - 1e-6)));
}

} // namespace

qreal Density() {
    return g_density;
}

ScopedDensity::ScopedDensity(qreal density) : previous_(g_density) {
    g_density = density > 0 ? density : 1.0;
}
ScopedDensity::~ScopedDensity() {
    g_density = previous_;
}

QImage Canvas(int width, int height, QImage::Format format) {
    if (g_density == 1.0) return QImage(width, height, format);
    QImage image(Pixels(width, g_density), Pixels(height, g_density), format);
    image.setDevicePixelRatio(g_density);
    return image;
}

QRectF Area(const QImage& image) {
    return QRectF(QPointF(0, 0), image.deviceIndependentSize());
}

QImage DrawAt(qreal density, const std::function<QImage()>& draw) {
    if (!draw) return {};
    const ScopedDensity scoped(density);
    return draw();
}

} // namespace pictures
