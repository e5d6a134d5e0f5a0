#include "pictures/ohmslaw/OhmsLawPictures.h"
#include "pictures/Canvas.h"

#include "pictures/Formula.h"
#include "pictures/Palette.h"

#include <QFont>
#include <QPainter>
#include <QtMath>

namespace pictures::ohmslaw {
namespace {

struct Shape {
    const char* markup; // right-hand side, in the formula layout's markup
    const char* file;
    const char* compact = nullptr; // for the small buttons, where a root over a fraction is unreadable
};

const Shape kShapes[kFormulaCount] = {
    {"\\frac{E}{R}", "formule/EdivRC.bmp"},                         // I = E / R
    {"\\frac{P}{E}", "formule/PdivE.bmp"},                          // I = P / E
    {"\\sqrt{\\frac{P}{R}}", "formule/RcPdivR.bmp", "\\sqrt{P/R}"}, // I = sqrt(P / R)
    {"\\frac{E}{I}", "formule/EdivI.bmp"},                          // R = E / I
    {"\\frac{E^{2}}{P}", "formule/EcardivP.bmp"},                   // R = E² / P
    {"\\frac{P}{I^{2}}", "formule/PdivIcar.bmp"},                   // R = P / I²
    {"I \\times R", "formule/IfoisRa.bmp"},                         // E = I × R
    {"\\frac{P}{I}", "formule/PdivI.bmp"},                          // E = P / I
    {"\\sqrt{P \\times R}", "formule/rcPfoisR.bmp", "\\sqrt{P R}"}, // E = sqrt(P × R)
    {"I \\times E", "formule/IfoisE.bmp"},                          // P = I × E
    {"I^{2} \\times R", "formule/IfoisR.bmp"},                      // P = I² × R
    {"\\frac{E^{2}}{R}", "formule/EdivR.bmp"},                      // P = E² / R
};

const Shape& ShapeOf(int formula) {
    return kShapes[qBound(1, formula, kFormulaCount) - 1];
}

QImage FormulaOn(const char* markup, QSize size, qreal typeSize) {
    return pictures::Formula(QLatin1String(markup), size, Qt::white, Qt::black, typeSize);
}

} // namespace

QColor PowerColour() {
    return {0xFF, 0xD2, 0x4A};
}
QColor CurrentColour() {
    return {0x8C, 0xD8, 0x78};
}
QColor VoltageColour() {
    return {0x7E, 0xB8, 0xF0};
}
QColor ResistanceColour() {
    return {0xE6, 0x9C, 0xD8};
}
QColor HubColour() {
    return {0xD0, 0x10, 0x10};
}

QImage WheelPicture() {
    QImage image = Canvas(kWheelWidth, kWheelHeight, QImage::Format_RGB32);
    image.fill(palette::k3DLight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(kWheelCentreX, kWheelCentreY);
    const QRectF disc(c.x() - kWheelRadius, c.y() - kWheelRadius, 2 * kWheelRadius, 2 * kWheelRadius);

    // Quadrants counter-clockwise from the right: I (top right), P, E, R; each in three sectors
    // whose shades alternate, so the three formulas of a quantity read as separate places.
    const QColor quadrants[4] = {CurrentColour(), PowerColour(), VoltageColour(), ResistanceColour()};
    for (int q = 0; q < 4; ++q) {
        for (int s = 0; s < 3; ++s) {
            const QColor colour = s == 1 ? quadrants[q].lighter(118) : quadrants[q];
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPie(disc, (q * 90 + s * 30) * 16, 30 * 16);
        }
    }
    // Thin white lines between sectors, thick dark ones between quadrants.
    for (int k = 0; k < 12; ++k) {
        const qreal a = qDegreesToRadians(k * 30.0);
        const QPointF outer(c.x() + kWheelRadius * qCos(a), c.y() - kWheelRadius * qSin(a));
        p.setPen(k % 3 == 0 ? QPen(QColor(0x30, 0x30, 0x30), 2.5) : QPen(Qt::white, 1.5));
        p.drawLine(c, outer);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2.5));
    p.drawEllipse(disc.adjusted(1, 1, -1, -1));

    // The hub, cut in four by the quadrant lines.
    p.setPen(QPen(QColor(0x60, 0, 0), 2));
    p.setBrush(HubColour());
    p.drawEllipse(c, kHubRadius, kHubRadius);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(c.x() - kHubRadius, c.y()), QPointF(c.x() + kHubRadius, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - kHubRadius), QPointF(c.x(), c.y() + kHubRadius));
    return image;
}

QImage OhmSignPicture() {
    QImage image = Canvas(30, 18, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0x80));
    p.drawText(Area(image), Qt::AlignCenter, QStringLiteral("(\u03A9)"));
    return image;
}

QImage FormulaButtonPicture(int formula) {
    const Shape& s = ShapeOf(formula);
    return FormulaOn(s.compact ? s.compact : s.markup, QSize(29, 21), 13);
}

QImage FormulaFilePicture(int formula) {
    return FormulaOn(ShapeOf(formula).markup, QSize(81, 40), 22);
}

QString FormulaFileName(int formula) {
    return QLatin1String(ShapeOf(formula).file);
}

} // namespace pictures::ohmslaw
