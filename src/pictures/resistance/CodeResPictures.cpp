#include "pictures/resistance/CodeResPictures.h"
#include "pictures/Canvas.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

QImage MagnifyingGlass(int size) {
    QImage image = Canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    // handle first, so the rim covers its end
    p.setPen(QPen(QColor(90, 50, 20), 5 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19 * s, 19 * s), QPointF(28 * s, 28 * s));
    QRadialGradient glass(QPointF(10 * s, 10 * s), 11 * s);
    glass.setColorAt(0, QColor(235, 245, 255));
    glass.setColorAt(1, QColor(150, 190, 230));
    p.setBrush(glass);
    p.setPen(QPen(QColor(60, 60, 60), 2.5 * s));
    p.drawEllipse(QPointF(13 * s, 13 * s), 9 * s, 9 * s);
    p.setPen(QPen(Qt::white, 1.5 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7 * s, 7 * s, 9 * s, 9 * s), 100 * 16, 70 * 16); // the glint
    return image;
}

QImage StandardValuesGrid(const QStringList& values, int rows, QSize size) {
    QImage image = Canvas(size, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int columns = (static_cast<int>(values.size()) + rows - 1) / rows;
    if (columns == 0) return image;
    const qreal cellWidth = qreal(size.width()) / columns;
    const qreal cellHeight = qreal(size.height()) / rows;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(8, int(cellHeight * 0.78)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QPen(QColor(200, 170, 0), 1));
    for (int c = 1; c < columns; ++c) // light column rules keep the columns apart
        p.drawLine(QPointF(c * cellWidth, 2), QPointF(c * cellWidth, size.height() - 3));
    p.setPen(Qt::black);
    for (int i = 0; i < values.size(); ++i) {
        const QRectF cell((i / rows) * cellWidth, (i % rows) * cellHeight, cellWidth, cellHeight);
        p.drawText(cell, Qt::AlignCenter, values[i]);
    }
    return image;
}

} // namespace pictures
