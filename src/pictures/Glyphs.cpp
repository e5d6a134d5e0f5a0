#include "pictures/Glyphs.h"
#include "pictures/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "pictures/Formula.h"

namespace pictures {

namespace {

QImage Blank(QSize size, QColor fill) {
    QImage image = Canvas(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// The largest bold size up to start whose text fits width.
QFont FittingFont(const QString& text, qreal width, int start) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    for (int px = start; px > 5; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
    }
    return font;
}

} // namespace

QImage HeadingBar(const QString& title) {
    QImage image = Blank({169, 17}, Qt::white);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient shade(0, 0, 0, 17);
    shade.setColorAt(0, QColor(70, 110, 220));
    shade.setColorAt(1, QColor(20, 50, 160));
    p.setPen(QPen(QColor(15, 35, 120), 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0.5, 0.5, 168, 16), 7, 7);
    const QString caps = title.toUpper();
    p.setFont(FittingFont(caps, 156, 12));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 169, 17), Qt::AlignCenter, caps);
    return image;
}

QImage ConnectorPicture() {
    QImage image = Blank({17, 9}, Qt::white);
    QPainter p(&image);
    Smooth(p);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.drawLine(QPointF(0, 4.5), QPointF(12, 4.5));
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(QPointF(13.5, 4.5), 2.5, 2.5);
    return image;
}

QImage ResetGlyph() {
    QImage image = Blank({18, 18}, Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    QRadialGradient shine(QPointF(6.5, 6), 11);
    shine.setColorAt(0, QColor(255, 140, 140));
    shine.setColorAt(0.5, QColor(220, 20, 20));
    shine.setColorAt(1, QColor(140, 0, 0));
    p.setPen(QPen(QColor(110, 0, 0), 1));
    p.setBrush(shine);
    p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    return image;
}

QImage PrinterGlyph() {
    QImage image = Blank({20, 18}, Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    const QColor outline(40, 40, 40);
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 1.5, 9, 6)); // paper going in
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(1.5, 6.5, 17, 7), 1.5, 1.5); // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 11.5, 11, 5)); // paper coming out
    p.drawLine(QPointF(6, 13.5), QPointF(14, 13.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 170, 0));
    p.drawEllipse(QPointF(15.5, 9), 1, 1); // power light
    return image;
}

QImage TableurOval(const QString& word, QSize size) {
    QImage image = Blank(size, QColor(0xC0, 0xC0, 0xC0)); // the silver of the forms it sits on
    QPainter p(&image);
    Smooth(p);
    const QRectF oval = Area(image).adjusted(1, 1, -1, -1);
    QRadialGradient shade(oval.center() - QPointF(0, oval.height() * 0.25), oval.width() * 0.6);
    shade.setColorAt(0, QColor(60, 100, 230));
    shade.setColorAt(1, QColor(0, 20, 130));
    p.setPen(QPen(QColor(0, 10, 80), 1.2));
    p.setBrush(shade);
    p.drawEllipse(oval);
    p.setFont(FittingFont(word, oval.width() * 0.74, qRound(size.height() * 0.42)));
    p.setPen(QColor(255, 230, 0));
    p.drawText(oval, Qt::AlignCenter, word);
    return image;
}

QImage LegendSymbol(const QString& markup, QSize size, bool opaque) {
    // From the left, on the baseline of the forms' 11-pixel labels placed at the same top, so that
    // "C =" and its legend read as one line with a gap between them.
    constexpr qreal kLabelBaseline = 10.5;
    QImage image = Blank(size, opaque ? QColor(192, 192, 192) : QColor(Qt::transparent));
    QPainter p(&image);
    p.setPen(Qt::black);
    DrawFormulaOnBaseline(p, QPointF(1, kLabelBaseline), size.width() - 4, markup, size.height() * 0.8);
    return image;
}

QImage SymbolPlate(const QString& markup, QSize size) {
    return FormulaBox(markup, size, QColor(0, 200, 0), size.height() * 0.75);
}

} // namespace pictures
