#include "pictures/ohmslaw/OhmsLawPictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pictures::ohmslaw {
namespace {

// A variable, possibly squared.
struct Term {
    char letter;
    bool squared;
};

// The twelve right-hand sides are all a fraction or a product of two terms, some under a root.
struct Shape {
    bool fraction;
    Term a;
    Term b;
    bool root;
    const char* file;
};

const Shape kShapes[kFormulaCount] = {
    {true, {'E', false}, {'R', false}, false, "formule/EdivRC.bmp"},   // I = E / R
    {true, {'P', false}, {'E', false}, false, "formule/PdivE.bmp"},    // I = P / E
    {true, {'P', false}, {'R', false}, true, "formule/RcPdivR.bmp"},   // I = sqrt(P / R)
    {true, {'E', false}, {'I', false}, false, "formule/EdivI.bmp"},    // R = E / I
    {true, {'E', true}, {'P', false}, false, "formule/EcardivP.bmp"},  // R = E² / P
    {true, {'P', false}, {'I', true}, false, "formule/PdivIcar.bmp"},  // R = P / I²
    {false, {'I', false}, {'R', false}, false, "formule/IfoisRa.bmp"}, // E = I × R
    {true, {'P', false}, {'I', false}, false, "formule/PdivI.bmp"},    // E = P / I
    {false, {'P', false}, {'R', false}, true, "formule/rcPfoisR.bmp"}, // E = sqrt(P × R)
    {false, {'I', false}, {'E', false}, false, "formule/IfoisE.bmp"},  // P = I × E
    {false, {'I', true}, {'R', false}, false, "formule/IfoisR.bmp"},   // P = I² × R
    {true, {'E', true}, {'R', false}, false, "formule/EdivR.bmp"},     // P = E² / R
};

const Shape& ShapeOf(int formula) { return kShapes[qBound(1, formula, kFormulaCount) - 1]; }

QFont LetterFont(qreal px)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(qMax(6, qRound(px)));
    f.setBold(true);
    f.setItalic(true);
    return f;
}

QFont SignFont(qreal px)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qMax(5, qRound(px)));
    f.setBold(true);
    return f;
}

// Lays out and draws the formula at one type size; measures only when painter is null.
class Layout {
public:
    Layout(const Shape& s, qreal px) : s_(s), px_(px), letter_(LetterFont(px)), small_(SignFont(px * 0.6)),
                                       sign_(SignFont(px * 0.8)) {}

    QSizeF Size() const
    {
        const QFontMetricsF lm(letter_);
        qreal w, h;
        if (s_.fraction) {
            w = qMax(TermWidth(s_.a), TermWidth(s_.b)) + px_ * 0.3;
            h = 2 * lm.height() * 0.85 + 3;
        } else {
            w = TermWidth(s_.a) + QFontMetricsF(sign_).horizontalAdvance(QChar(0x00D7)) + px_ * 0.3 + TermWidth(s_.b);
            h = lm.height() * 0.95;
        }
        if (s_.root) {
            w += RootWidth(h);
            h += 3;
        }
        return {w, h};
    }

    void Draw(QPainter& p, const QRectF& box) const
    {
        const QSizeF size = Size();
        QRectF r(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2, size.width(),
                 size.height());
        if (s_.root) {
            const qreal rw = RootWidth(size.height() - 3);
            QPainterPath radical;
            radical.moveTo(r.left(), r.top() + r.height() * 0.6);
            radical.lineTo(r.left() + rw * 0.3, r.top() + r.height() * 0.5);
            radical.lineTo(r.left() + rw * 0.6, r.bottom());
            radical.lineTo(r.left() + rw, r.top() + 1);
            radical.lineTo(r.right(), r.top() + 1);
            p.save();
            p.setPen(QPen(p.pen().color(), qMax<qreal>(1, px_ / 12)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(radical);
            p.restore();
            r.adjust(rw, 3, 0, 0);
        }
        const QFontMetricsF lm(letter_);
        if (s_.fraction) {
            const qreal mid = r.center().y();
            const qreal barWidth = r.width();
            p.save();
            p.setPen(QPen(p.pen().color(), qMax<qreal>(1, px_ / 14)));
            p.drawLine(QPointF(r.left() + 1, mid), QPointF(r.left() + barWidth - 1, mid));
            p.restore();
            DrawTerm(p, s_.a, r.center().x() - TermWidth(s_.a) / 2, mid - 2 - lm.descent() * 0.6);
            DrawTerm(p, s_.b, r.center().x() - TermWidth(s_.b) / 2, mid + 2 + lm.ascent() * 0.85);
        } else {
            const qreal base = r.center().y() + lm.ascent() * 0.42;
            qreal x = r.left();
            DrawTerm(p, s_.a, x, base);
            x += TermWidth(s_.a) + px_ * 0.15;
            p.setFont(sign_);
            p.drawText(QPointF(x, base - px_ * 0.05), QString(QChar(0x00D7)));
            x += QFontMetricsF(sign_).horizontalAdvance(QChar(0x00D7)) + px_ * 0.15;
            DrawTerm(p, s_.b, x, base);
        }
    }

private:
    qreal RootWidth(qreal height) const { return height * 0.45 + 2; }

    qreal TermWidth(const Term& t) const
    {
        qreal w = QFontMetricsF(letter_).horizontalAdvance(QChar(t.letter)) + px_ * 0.08;
        if (t.squared)
            w += QFontMetricsF(small_).horizontalAdvance(QChar('2')) + 1;
        return w;
    }

    void DrawTerm(QPainter& p, const Term& t, qreal x, qreal baseline) const
    {
        p.setFont(letter_);
        p.drawText(QPointF(x, baseline), QString(QChar(t.letter)));
        if (t.squared) {
            p.setFont(small_);
            const qreal lx = x + QFontMetricsF(letter_).horizontalAdvance(QChar(t.letter)) + px_ * 0.08;
            p.drawText(QPointF(lx, baseline - QFontMetricsF(letter_).ascent() * 0.45), QStringLiteral("2"));
        }
    }

    const Shape& s_;
    qreal px_;
    QFont letter_, small_, sign_;
};

// The largest type that fits the box, starting from `px`.
void DrawFitted(QPainter& p, const QRectF& box, const Shape& s, qreal px)
{
    while (px > 6) {
        const QSizeF size = Layout(s, px).Size();
        if (size.width() <= box.width() && size.height() <= box.height())
            break;
        px -= 0.5;
    }
    Layout(s, px).Draw(p, box);
}

QImage FormulaOn(int formula, QSize size, qreal px)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    DrawFitted(p, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1), ShapeOf(formula), px);
    return image;
}

} // namespace

QColor PowerColour() { return {0xFF, 0xD2, 0x4A}; }
QColor CurrentColour() { return {0x8C, 0xD8, 0x78}; }
QColor VoltageColour() { return {0x7E, 0xB8, 0xF0}; }
QColor ResistanceColour() { return {0xE6, 0x9C, 0xD8}; }
QColor HubColour() { return {0xD0, 0x10, 0x10}; }

QImage WheelPicture()
{
    QImage image(kWheelWidth, kWheelHeight, QImage::Format_RGB32);
    image.fill(QColor(0xE3, 0xE3, 0xE3));
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

QImage OhmSignPicture()
{
    QImage image(30, 18, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0x80));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("(\u03A9)"));
    return image;
}

QImage FormulaButtonPicture(int formula) { return FormulaOn(formula, QSize(29, 21), 11); }

QImage FormulaFilePicture(int formula) { return FormulaOn(formula, QSize(81, 40), 20); }

QString FormulaFileName(int formula) { return QLatin1String(ShapeOf(formula).file); }

} // namespace pictures::ohmslaw
