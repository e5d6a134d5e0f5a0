#include "pictures/Logo.h"
#include "pictures/Canvas.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

QImage MakerLogo() {
    QImage image = Canvas(201, 81, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 81);
    sky.setColorAt(0, QColor(10, 20, 80));
    sky.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(Area(image), sky);
    // A trace with pads: the circuit-board motif under the names.
    p.setPen(QPen(QColor(200, 160, 40), 2));
    QPainterPath trace;
    trace.moveTo(110, 12);
    trace.lineTo(150, 12);
    trace.lineTo(165, 27);
    trace.lineTo(195, 27);
    trace.moveTo(120, 40);
    trace.lineTo(185, 40);
    p.drawPath(trace);
    p.setBrush(QColor(230, 190, 60));
    for (QPointF pad : {QPointF(110, 12), QPointF(195, 27), QPointF(120, 40), QPointF(185, 40)})
        p.drawEllipse(pad, 3, 3);
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(22);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(120, 200, 255));
    p.drawText(QRect(8, 50, 190, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kelmora"));
    f.setPixelSize(10);
    f.setBold(false);
    f.setItalic(false);
    p.setFont(f);
    p.setPen(QColor(200, 200, 200));
    p.drawText(QRect(100, 60, 96, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("international"));
    return image;
}

static void Flag(QPainter& p, const QRectF& r, bool english) {
    if (english) {
        p.fillRect(r, QColor(1, 33, 105));
        p.setPen(QPen(Qt::white, r.height() / 5));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.setPen(QPen(QColor(200, 16, 46), r.height() / 12));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.fillRect(QRectF(r.center().x() - r.height() / 6, r.top(), r.height() / 3, r.height()), Qt::white);
        p.fillRect(QRectF(r.left(), r.center().y() - r.height() / 6, r.width(), r.height() / 3), Qt::white);
        p.fillRect(QRectF(r.center().x() - r.height() / 10, r.top(), r.height() / 5, r.height()),
                   QColor(200, 16, 46));
        p.fillRect(QRectF(r.left(), r.center().y() - r.height() / 10, r.width(), r.height() / 5),
                   QColor(200, 16, 46));
    } else {
        const qreal w = r.width() / 3;
        p.fillRect(QRectF(r.left(), r.top(), w, r.height()), QColor(0, 35, 149));
        p.fillRect(QRectF(r.left() + w, r.top(), w, r.height()), Qt::white);
        p.fillRect(QRectF(r.left() + 2 * w, r.top(), w, r.height()), QColor(237, 41, 57));
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

QImage LanguagePicture(QSize size) {
    QImage image = Canvas(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(size.height() / 4);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(0, 0, size.width(), size.height() / 3), Qt::AlignCenter, QStringLiteral("Ohmbrix"));
    const qreal fh = size.height() * 0.45, fw = fh * 1.5, top = size.height() * 0.42;
    Flag(p, QRectF(size.width() / 2.0 - fw - 8, top, fw, fh), true);
    Flag(p, QRectF(size.width() / 2.0 + 8, top, fw, fh), false);
    return image;
}

} // namespace pictures
