#include "pictures/Glyphs.h"
#include <QPainter>

namespace pictures {

QImage HeadingBar(const QString& title)
{
    QImage image(169, 17, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 200));
    p.drawRoundedRect(QRectF(0.5, 0.5, 168, 16), 8, 8);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(image.rect(), Qt::AlignCenter, title.toUpper());
    return image;
}

QImage ConnectorPicture()
{
    QImage image(17, 9, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.drawLine(QPointF(0, 4.5), QPointF(12, 4.5));
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(QPointF(13.5, 4.5), 3, 3);
    return image;
}

} // namespace pictures
