#include "resistance/Shape.h"

#include <QPainter>

namespace resistance {

Shape::Shape(QWidget* parent, const char* name, Kind kind, int x, int y, int w, int h)
    : QWidget(parent), kind_(kind) {
    setObjectName(QLatin1String(name));
    setGeometry(x, y, w, h);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetFill(const QColor& colour) {
    if (colour == fill_) return;
    fill_ = colour;
    update();
}

void Shape::SetOutline(bool solid) {
    if (solid == outline_) return;
    outline_ = solid;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle);
    p.setPen(outline_ ? QPen(Qt::black, 1) : QPen(Qt::NoPen));
    p.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    const QRectF r = outline_ ? QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5) : QRectF(rect());
    switch (kind_) {
    case Kind::Rectangle:
        p.drawRect(r);
        break;
    case Kind::RoundRect: {
        const qreal radius = std::min(width(), height()) / 4.0;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case Kind::Circle: {
        const qreal d = std::min(r.width(), r.height());
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
        break;
    }
    }
}

} // namespace resistance
