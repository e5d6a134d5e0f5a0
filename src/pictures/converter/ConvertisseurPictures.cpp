#include "pictures/converter/ConvertisseurPictures.h"
#include "pictures/Canvas.h"

#include <QPainter>
#include <QPolygonF>

namespace pictures {

QImage ConverterArrow() {
    QImage image = Canvas(81, 17, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(3, 6.5, 60, 4));
    p.drawPolygon(QPolygonF({QPointF(60, 1.5), QPointF(79, 8.5), QPointF(60, 15.5)}));
    return image;
}

} // namespace pictures
