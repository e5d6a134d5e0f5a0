#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <QHash>
#include <QRegularExpression>

#include <numeric>

#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Previews.h"
#include "pictures/Schematic.h"

namespace pictures {

namespace {

const QColor kTitleInk(0, 0, 128);
const QColor kFormulaFill(150, 230, 150);

// Set while an English variant is drawn; the drawing is single-threaded per picture.
thread_local bool tEnglish = false;

// The fixed French texts of the previews; the titles are the topics' English captions.
const QHash<QString, QString>& Words() {
    static const QHash<QString, QString> words = [] {
        const char* const pairs[][2] = {
            {"Code de résistance", "Resistor color code"},
            {"Valeur recherchée", "Resistor search"},
            {"Standard de EIA (Ohms)", "Standard EIA (Ohms)"},
            {"Résistance d'un conducteur", "Resistivities of conductors"},
            {"Résistance en SÉRIE", "Resistors in SERIES"},
            {"Résistance en PARALLÈLE", "Resistors in PARALLEL"},
            {"Autres formules", "Other formulas"},
            {"Tableur PARALLÈLE (Ohms)", "Table of Two resistors in PARALLEL (Ohms)"},
            {"Circuits séries RL et RC", "Impedance in series RL and RC"},
            {"Circuits séries RLC", "Impedance in series RCL"},
            {"Tableur de l'impédance série (Ohms)", "Table of impedance in series R and X (Ohms)"},
            {"Circuits séries LC", "Impedance in series LC"},
            {"Circuits parallèles RL", "Impedance in parallel RL"},
            {"Circuits parallèles RC", "Impedance in parallel RC"},
            {"Circuits parallèles LC", "Impedance in parallel LC"},
            {"Schémas", "Diagram"},
            {"Fréquence", "Frequency"},
            {"Période", "Period"},
            {"Longueur d'onde", "Wavelength"},
            {"Résonance", "Resonance"},
            {"Produit LC de résonance", "Product LC"},
            {"Condensateur en SÉRIE", "Capacitors in series"},
            {"Condensateur en PARALLÈLE", "Capacitors in parallel"},
            {"Tableau de type", "Capacitor types"},
            {"Tableur SÉRIE (deux condensateurs)", "Table of Two capacitors in SERIES"},
            {"Réactance Capacitive", "Capacitive reactance"},
            {"Tableur de la réactance capacitive", "Table of capacitive reactance"},
            {"Inductance (bobine cylindrique)", "Inductance (cylindrical coil)"},
            {"Inductance (bobine toroidale)", "Inductance (toroidale coil)"},
            {"Inductance (câble coaxial)", "Inductance (coaxial cable)"},
            {"Inductance Série", "Inductance in SERIES"},
            {"Inductance Parallèle", "Inductance in PARALLEL"},
            {"Réactance inductive", "Inductive reactance"},
            {"Tableur de la réactance inductive", "Table of inductive reactance"},
            {"Constante de temp RL", "Time constants RL"},
            {"Tableur de la constante RL (s)", "Table of time constants RL (s)"},
            {"Constante de temp RC", "Time constants RC"},
            {"Tableur de la constante RC (s)", "Table of time constants RC (s)"},
            {"jaune", "yellow"},
            {"violet", "violet"},
            {"rouge", "red"},
            {"or", "gold"},
            {"Jaune", "Yellow"},
            {"Violet", "Violet"},
            {"Rouge", "Red"},
            {"Or", "Gold"},
            {"Ω  (4 anneaux)", "Ω  (4 bands)"},
            {"N spires", "N turns"},
        };
        QHash<QString, QString> table;
        for (const auto& pair : pairs)
            table.insert(QString::fromUtf8(pair[0]), QString::fromUtf8(pair[1]));
        return table;
    }();
    return words;
}

class EnglishScope {
  public:
    explicit EnglishScope(bool english) : saved_(tEnglish) { tEnglish = english; }
    ~EnglishScope() { tEnglish = saved_; }

  private:
    bool saved_;
};

void Title(QPainter& p, const QString& title) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    // English titles are the longer topic captions; they shrink to the line rather than clip.
    for (int px = 13; tEnglish && px > 9; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(title) <= kPreviewWidth - 12) break;
    }
    p.setFont(font);
    p.setPen(kTitleInk);
    p.drawText(QRectF(6, 2, kPreviewWidth - 12, 18), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QPen(QColor(90, 130, 220), 1));
    p.drawLine(QPointF(6, 21.5), QPointF(kPreviewWidth - 6, 21.5));
}

// Stacks the formula boxes in rect, each as tall as it may be up to a comfortable maximum.
void Formulas(QPainter& p, const QRectF& rect, const QStringList& formulas) {
    const int n = formulas.size();
    const qreal gap = 5;
    const qreal h = std::min(52.0, (rect.height() - gap * (n - 1)) / n);
    qreal y = rect.top() + (rect.height() - (h * n + gap * (n - 1))) / 2;
    for (const QString& markup : formulas) {
        FormulaPanel(p, QRectF(rect.left(), y, rect.width(), h), markup, 15);
        y += h + gap;
    }
}

} // namespace

QString Say(const QString& french) {
    if (!tEnglish) return french;
    const auto found = Words().constFind(french);
    if (found != Words().constEnd()) return *found;
    static const QRegularExpression decimalComma(QStringLiteral("(\\d),(\\d)"));
    return QString(french).replace(decimalComma, QStringLiteral("\\1.\\2"));
}

QString EnglishName(const char* file) {
    QString name = QString::fromLatin1(file);
    return name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("_en"));
}

void FormulaPanel(QPainter& p, const QRectF& rect, const QString& markup, qreal typeSize) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kFormulaFill.darker(160), 1));
    p.setBrush(kFormulaFill);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    p.setPen(Qt::black);
    DrawFormula(p, rect.adjusted(4, 2, -4, -2), Say(markup), typeSize);
    p.restore();
}

QImage DrawTopic(const Topic& topic, bool english) {
    QImage image = Canvas(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintTopic(p, topic, english);
    return image;
}

void PaintTopic(QPainter& p, const Topic& topic, bool english) {
    const EnglishScope scope(english);
    SetWirePen(p);
    Title(p, Say(topic.title));
    const QRectF body(6, 26, kPreviewWidth - 12, kPreviewHeight - 30);
    SetWirePen(p);
    if (topic.sketch && topic.stacked) {
        const qreal sketchH = topic.formulas.isEmpty() ? body.height() : 66;
        topic.sketch(p, QRectF(body.left(), body.top(), body.width(), sketchH));
        // Boxes share the row in proportion to their formulas' natural widths.
        QVector<qreal> widths;
        qreal total = 0;
        for (const QString& markup : topic.formulas) {
            widths << MeasureFormula(Say(markup), 15).width + 16;
            total += widths.back();
        }
        const qreal room = body.width() - 6 * (widths.size() - 1);
        qreal x = body.left();
        for (int k = 0; k < widths.size(); ++k) {
            const qreal w = room * widths[k] / total;
            FormulaPanel(p, QRectF(x, body.top() + sketchH + 4, w, body.height() - sketchH - 4),
                         topic.formulas[k], 15);
            x += w + 6;
        }
    } else if (topic.sketch && !topic.formulas.isEmpty()) {
        // The formula column is as wide as its widest formula wants, within reason.
        qreal want = 0;
        for (const QString& markup : topic.formulas)
            want = std::max(want, MeasureFormula(Say(markup), 15).width + 14);
        const qreal column = std::clamp(want, 100.0, 150.0);
        const qreal sketchW = body.width() - column - 6;
        topic.sketch(p, QRectF(body.left(), body.top(), sketchW, body.height()));
        Formulas(p, QRectF(body.right() - column, body.top(), column, body.height()), topic.formulas);
    } else if (topic.sketch) {
        topic.sketch(p, body);
    } else {
        const qreal w = std::min(body.width(), 210.0);
        Formulas(p, QRectF(body.center().x() - w / 2, body.top(), w, body.height()), topic.formulas);
    }
}

std::vector<PictureFile> ToFiles(const std::vector<Topic>& topics) {
    std::vector<PictureFile> files;
    for (const Topic& topic : topics) {
        files.push_back({QString::fromLatin1(topic.file), [topic] { return DrawTopic(topic); }});
        if (topic.english)
            files.push_back({EnglishName(topic.file), [topic] { return DrawTopic(topic, true); }});
    }
    return files;
}

void MiniGrid(QPainter& p, const QRectF& rect, const QStringList& header, const QVector<QStringList>& rows,
              const GridStyle& style, const QVector<qreal>& widths) {
    const int cols = header.size();
    QVector<qreal> w = widths.size() == cols ? widths : QVector<qreal>(cols, 1.0);
    const qreal total = std::accumulate(w.begin(), w.end(), 0.0);
    const qreal rowH = rect.height() / (rows.size() + 1);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(style.pixelSize);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int r = 0; r <= rows.size(); ++r) {
        qreal x = rect.left();
        for (int c = 0; c < cols; ++c) {
            const QRectF cell(x, rect.top() + r * rowH, rect.width() * w[c] / total, rowH);
            x = cell.right();
            const QColor fill = r == 0 ? style.head : c == 0 ? style.firstColumn : style.cell;
            p.fillRect(cell, fill);
            p.setPen(QColor(110, 110, 110));
            p.drawRect(cell);
            const QString text = Say(r == 0                   ? header[c]
                                     : c < rows[r - 1].size() ? rows[r - 1][c]
                                                              : QString());
            font.setBold(r == 0 || c == 0 || style.boldCells);
            // Long texts shrink to their cell rather than spill over the border.
            for (int px = style.pixelSize; px > 6; --px) {
                font.setPixelSize(px);
                if (QFontMetricsF(font).horizontalAdvance(text) <= cell.width() - 3) break;
            }
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(cell.adjusted(1, 0, -1, 0), Qt::AlignCenter, text);
        }
    }
    p.restore();
}

Sketch GridWithFormula(QStringList header, QVector<QStringList> rows, GridStyle style, QString formula) {
    return [=](QPainter& p, const QRectF& r) {
        const qreal gridH = formula.isEmpty() ? r.height() : r.height() - 40;
        const qreal rowH = std::min(formula.isEmpty() ? 22.0 : 16.0, gridH / (rows.size() + 1));
        const QRectF grid(r.left(), r.top(), r.width(), rowH * (rows.size() + 1));
        MiniGrid(p, grid, header, rows, style);
        if (!formula.isEmpty()) {
            const qreal w = std::min(r.width(), 170.0);
            FormulaPanel(p, QRectF(r.center().x() - w / 2, r.bottom() - 36, w, 36), formula, 15);
        }
    };
}

void DrawPart(QPainter& p, Part part, QPointF a, QPointF b) {
    switch (part) {
    case Part::R:
        Resistor(p, a, b);
        break;
    case Part::L:
        Inductor(p, a, b);
        break;
    case Part::C:
        Capacitor(p, a, b);
        break;
    }
}

Sketch SeriesChain(Part part, QStringList names, QString total) {
    return [=](QPainter& p, const QRectF& r) {
        const qreal y = r.top() + r.height() * 0.42, left = r.left() + 8, right = r.right() - 8;
        const int n = names.size();
        const qreal seg = (right - left) / n;
        for (int k = 0; k < n; ++k) {
            const QPointF a(left + seg * k, y), b(left + seg * (k + 1), y);
            DrawPart(p, part, a, b);
            Label(p, (a + b) / 2 - QPointF(0, 20), names[k], 12, true);
        }
        Junction(p, {left, y});
        Junction(p, {right, y});
        const qreal ay = y + 28;
        Wire(p, {left, y + 6}, {left, ay + 6});
        Wire(p, {right, y + 6}, {right, ay + 6});
        DoubleArrow(p, {left, ay}, {right, ay});
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF((left + right) / 2 - 15, ay - 8, 30, 16));
        p.restore();
        Label(p, {(left + right) / 2, ay}, total, 13, true);
    };
}

Sketch ParallelBank(Part part, QStringList names, QString total) {
    return [=](QPainter& p, const QRectF& whole) {
        QRectF r = whole;
        if (r.width() > 180) r = QRectF(r.center().x() - 90, r.top(), 180, r.height());
        const qreal top = r.top() + 10, bottom = r.bottom() - 8;
        const qreal left = r.left() + 34, right = r.right() - 10;
        const int n = names.size();
        const qreal firstX = left + 22, step = (right - firstX) / std::max(1, n - 1);
        Wire(p, {left, top}, {firstX + step * (n - 1), top});
        Wire(p, {left, bottom}, {firstX + step * (n - 1), bottom});
        for (int k = 0; k < n; ++k) {
            const qreal x = firstX + step * k;
            DrawPart(p, part, {x, top}, {x, bottom});
            if (k + 1 < n) {
                Junction(p, {x, top});
                Junction(p, {x, bottom});
            }
            Label(p, {x + 7, (top + bottom) / 2}, names[k], 12, true, Qt::AlignLeft | Qt::AlignVCenter);
        }
        Junction(p, {left, top});
        Junction(p, {left, bottom});
        const qreal ax = r.left() + 14;
        DoubleArrow(p, {ax, top}, {ax, bottom});
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(ax - 13, (top + bottom) / 2 - 8, 26, 16));
        p.restore();
        Label(p, {ax, (top + bottom) / 2}, total, 12, true);
    };
}

Sketch SourceLoop(bool ac, QVector<Part> parts, QStringList names) {
    return [=](QPainter& p, const QRectF& r) {
        const qreal left = r.left() + 18, right = r.right() - 26;
        const qreal top = r.top() + 22, bottom = r.bottom() - 14;
        if (ac)
            AcSource(p, {left, bottom}, {left, top}, 12);
        else
            Battery(p, {left, top}, {left, bottom});
        // All parts but the last go along the top; the last closes the loop on the right.
        const int along = parts.size() - 1;
        const qreal seg = (right - left) / std::max(1, along);
        for (int k = 0; k < along; ++k) {
            const QPointF a(left + seg * k, top), b(left + seg * (k + 1), top);
            DrawPart(p, parts[k], a, b);
            Label(p, (a + b) / 2 - QPointF(0, 17), names[k], 12, true);
        }
        if (along == 0) Wire(p, {left, top}, {right, top});
        DrawPart(p, parts.back(), {right, top}, {right, bottom});
        Label(p, {right + 10, (top + bottom) / 2}, names.back(), 12, true, Qt::AlignLeft | Qt::AlignVCenter);
        Wire(p, {left, bottom}, {right, bottom});
    };
}

Sketch SourceParallel(QVector<Part> parts, QStringList names) {
    return [=](QPainter& p, const QRectF& r) {
        const qreal left = r.left() + 18, top = r.top() + 14, bottom = r.bottom() - 12;
        const int n = parts.size();
        const qreal firstX = left + 44, step = (r.right() - 24 - firstX) / std::max(1, n - 1);
        AcSource(p, {left, bottom}, {left, top}, 12);
        const qreal lastX = firstX + step * (n - 1);
        Wire(p, {left, top}, {lastX, top});
        Wire(p, {left, bottom}, {lastX, bottom});
        for (int k = 0; k < n; ++k) {
            const qreal x = firstX + step * k;
            DrawPart(p, parts[k], {x, top}, {x, bottom});
            if (k + 1 < n) {
                Junction(p, {x, top});
                Junction(p, {x, bottom});
            }
            Label(p, {x + 10, (top + bottom) / 2}, names[k], 12, true, Qt::AlignLeft | Qt::AlignVCenter);
        }
    };
}

} // namespace pictures
