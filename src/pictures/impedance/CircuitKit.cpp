#include "pictures/impedance/CircuitKit.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>

namespace pictures {

QImage FormulaPlate(const QString& markup, QSize size, qreal typeSize) {
    QImage image = Canvas(size, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(Area(image).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(Qt::black);
    DrawFormula(p, Area(image).adjusted(4, 2, -4, -2), markup, typeSize);
    return image;
}

void DrawElement(QPainter& p, Element element, QPointF a, QPointF b) {
    switch (element) {
    case Element::Resistor:
        Resistor(p, a, b, 34);
        break;
    case Element::Inductor:
        Inductor(p, a, b, 4, 38);
        break;
    case Element::Capacitor:
        Capacitor(p, a, b, 16);
        break;
    }
}

QImage ParallelPair(QSize size, Element upper, const QString& upperName, Element lower,
                    const QString& lowerName, const QColor& background) {
    QImage image = Canvas(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    SetWirePen(p);
    const qreal w = size.width(), h = size.height();
    const qreal mid = h / 2 + 4, top = h * 0.30 + 4, bottom = h - 10;
    const qreal left = w * 0.22, right = w * 0.78;
    // Terminals, the two buses and the branches.
    Wire(p, QPointF(10, mid), QPointF(left, mid));
    Wire(p, QPointF(right, mid), QPointF(w - 10, mid));
    Wire(p, QPointF(left, top), QPointF(left, bottom));
    Wire(p, QPointF(right, top), QPointF(right, bottom));
    DrawElement(p, upper, QPointF(left, top), QPointF(right, top));
    DrawElement(p, lower, QPointF(left, bottom), QPointF(right, bottom));
    Junction(p, QPointF(left, mid));
    Junction(p, QPointF(right, mid));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, mid), 3.5, 3.5);
    p.drawEllipse(QPointF(w - 10, mid), 3.5, 3.5);
    Label(p, QPointF(w / 2, top - 14), upperName, 12, true);
    Label(p, QPointF(w / 2, (top + bottom) / 2 + 3), lowerName, 12, true);
    return image;
}

} // namespace pictures
