#pragma once
// The density pictures are drawn at. The build stores them at 1 and the picture files are 1; a
// window on a HiDPI screen asks for its screen's device pixel ratio, a report for its printer's.
// Every drawing makes its picture with Canvas and paints in its own units, so one drawing serves
// every density.
#include <QImage>
#include <QRectF>

#include <functional>

namespace pictures {

qreal Density();

class ScopedDensity {
  public:
    explicit ScopedDensity(qreal density);
    ~ScopedDensity();
    ScopedDensity(const ScopedDensity&) = delete;
    ScopedDensity& operator=(const ScopedDensity&) = delete;

  private:
    qreal previous_;
};

// A picture of width x height units at the current density: its pixels are the units times the
// density (rounded up), its device pixel ratio the density. Not filled.
QImage Canvas(int width, int height, QImage::Format format);
inline QImage Canvas(QSize size, QImage::Format format) {
    return Canvas(size.width(), size.height(), format);
}

// The picture's rectangle in its own units.
QRectF Area(const QImage& image);

// `draw` drawn at `density`.
QImage DrawAt(qreal density, const std::function<QImage()>& draw);

} // namespace pictures
