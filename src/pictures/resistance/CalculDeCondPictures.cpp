#include "pictures/resistance/CalculDeCondPictures.h"
#include "pictures/Formula.h"

#include <QPainter>

namespace pictures {

QImage ConductorFormula(QColor around) {
    QImage image(113, 65, QImage::Format_RGB32);
    image.fill(around);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 110, 0), 1.5));
    p.setBrush(QColor(0, 190, 70));
    p.drawRoundedRect(QRectF(image.rect()).adjusted(1, 1, -1, -1), 12, 12);
    p.setPen(Qt::black);
    DrawFormula(p, QRectF(image.rect()).adjusted(8, 4, -8, -4), QStringLiteral("R = \\frac{\\rho L}{A}"), 20);
    return image;
}

} // namespace pictures
