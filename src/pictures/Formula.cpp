#include "pictures/Formula.h"
#include "pictures/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <memory>
#include <vector>

namespace pictures {

QString FormulaFamily() {
    return QStringLiteral("Liberation Serif");
}

namespace {

struct Box {
    qreal w = 0, asc = 0, desc = 0;
};

QFont MathFont(qreal size, bool italic) {
    QFont font(FormulaFamily());
    font.setPixelSize(std::max(1, qRound(size)));
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

qreal Stroke(qreal size) {
    return std::max(1.0, size / 15.0);
}

// Every node lays itself out at a type size, then draws with its origin on the baseline.
class Node {
  public:
    virtual ~Node() = default;
    virtual Box Layout(qreal size) = 0;
    virtual void Draw(QPainter& p, qreal x, qreal baseline) const = 0;
    Box box;
    qreal size = 0;
};
using NodePtr = std::unique_ptr<Node>;

enum class Spacing { None, Binary, Relation };

class Text : public Node {
  public:
    Text(QString t, bool italic, Spacing spacing = Spacing::None)
        : text(std::move(t)), italic(italic), spacing(spacing) {}
    Box Layout(qreal s) override {
        size = s;
        const QFontMetricsF fm(MathFont(s, italic));
        const QRectF tight = fm.tightBoundingRect(text);
        gap = spacing == Spacing::Relation ? s * 0.2 : spacing == Spacing::Binary ? s * 0.15 : 0;
        box.w = fm.horizontalAdvance(text) + 2 * gap + (italic ? s * 0.06 : 0);
        box.asc = std::max(-tight.top(), fm.xHeight());
        box.desc = std::max(tight.bottom(), 0.0);
        if (text.trimmed().isEmpty()) box.asc = box.desc = 0;
        return box;
    }
    void Draw(QPainter& p, qreal x, qreal baseline) const override {
        p.setFont(MathFont(size, italic));
        p.drawText(QPointF(x + gap, baseline), text);
    }
    QString text;
    bool italic;
    Spacing spacing;
    qreal gap = 0;
};

class Space : public Node {
  public:
    explicit Space(qreal em) : em(em) {}
    Box Layout(qreal s) override {
        size = s;
        box = {s * em, 0, 0};
        return box;
    }
    void Draw(QPainter&, qreal, qreal) const override {}
    qreal em;
};

class Row : public Node {
  public:
    Box Layout(qreal s) override {
        size = s;
        box = {};
        for (auto& child : children) {
            const Box b = child->Layout(s);
            box.w += b.w;
            box.asc = std::max(box.asc, b.asc);
            box.desc = std::max(box.desc, b.desc);
        }
        return box;
    }
    void Draw(QPainter& p, qreal x, qreal baseline) const override {
        for (const auto& child : children) {
            child->Draw(p, x, baseline);
            x += child->box.w;
        }
    }
    std::vector<NodePtr> children;
};

class Fraction : public Node {
  public:
    Fraction(NodePtr n, NodePtr d) : num(std::move(n)), den(std::move(d)) {}
    Box Layout(qreal s) override {
        size = s;
        const Box n = num->Layout(s), d = den->Layout(s);
        axis = s * 0.26;
        thick = Stroke(s);
        gap = s * 0.12;
        pad = s * 0.12;
        box.w = std::max(n.w, d.w) + 2 * pad;
        box.asc = axis + thick / 2 + gap + n.desc + n.asc;
        box.desc = -axis + thick / 2 + gap + d.asc + d.desc;
        return box;
    }
    void Draw(QPainter& p, qreal x, qreal baseline) const override {
        const qreal barY = baseline - axis;
        p.fillRect(QRectF(x + pad * 0.4, barY - thick / 2, box.w - pad * 0.8, thick), p.pen().color());
        num->Draw(p, x + (box.w - num->box.w) / 2, barY - thick / 2 - gap - num->box.desc);
        den->Draw(p, x + (box.w - den->box.w) / 2, barY + thick / 2 + gap + den->box.asc);
    }
    NodePtr num, den;
    qreal axis = 0, thick = 0, gap = 0, pad = 0;
};

class Root : public Node {
  public:
    explicit Root(NodePtr c) : content(std::move(c)) {}
    Box Layout(qreal s) override {
        size = s;
        const Box c = content->Layout(s);
        thick = Stroke(s);
        hook = s * 0.55;
        const qreal inner = std::max(c.asc, s * 0.62);
        box.asc = inner + s * 0.2 + thick;
        box.desc = std::max(c.desc, s * 0.08) + s * 0.06;
        box.w = hook + c.w + s * 0.12;
        return box;
    }
    void Draw(QPainter& p, qreal x, qreal baseline) const override {
        const qreal top = baseline - box.asc + thick / 2, bottom = baseline + box.desc;
        const qreal h = bottom - top;
        QPen pen(p.pen().color(), thick, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(pen);
        const QPointF a(x + hook * 0.05, bottom - h * 0.42), b(x + hook * 0.25, bottom - h * 0.5);
        const QPointF c(x + hook * 0.55, bottom), d(x + hook * 0.95, top), e(x + box.w, top);
        p.drawLine(a, b);
        p.drawPolyline(QVector<QPointF>{c, d, e});
        pen.setWidthF(thick * 1.8); // the downstroke is the heavy one, as in type
        p.setPen(pen);
        p.drawLine(b, c);
        p.restore();
        content->Draw(p, x + hook, baseline);
    }
    NodePtr content;
    qreal thick = 0, hook = 0;
};

class Fence : public Node {
  public:
    explicit Fence(NodePtr c) : content(std::move(c)) {}
    Box Layout(qreal s) override {
        size = s;
        const Box c = content->Layout(s);
        box.asc = std::max(c.asc, s * 0.68) + s * 0.04;
        box.desc = std::max(c.desc, s * 0.16) + s * 0.05;
        parenW = s * 0.3 + (box.asc + box.desc) * 0.04;
        box.w = 2 * parenW + c.w;
        return box;
    }
    void Draw(QPainter& p, qreal x, qreal baseline) const override {
        const qreal top = baseline - box.asc, bottom = baseline + box.desc, mid = (top + bottom) / 2;
        const qreal t = Stroke(size) * 1.8;
        auto paren = [&](qreal tipX, qreal bellyX, qreal dir) {
            QPainterPath path;
            path.moveTo(tipX, top);
            path.quadTo(bellyX - dir * t, mid, tipX, bottom);
            path.quadTo(bellyX + dir * t, mid, tipX, top);
            p.fillPath(path, p.pen().color());
        };
        paren(x + parenW * 0.85, x + parenW * 0.05, 1);
        const qreal right = x + box.w;
        paren(right - parenW * 0.85, right - parenW * 0.05, -1);
        content->Draw(p, x + parenW, baseline);
    }
    NodePtr content;
    qreal parenW = 0;
};

class Scripts : public Node {
  public:
    explicit Scripts(NodePtr b) : base(std::move(b)) {}
    Box Layout(qreal s) override {
        size = s;
        const Box b = base->Layout(s);
        const qreal ss = s * 0.7;
        Box up, down;
        if (sup) up = sup->Layout(ss);
        if (sub) down = sub->Layout(ss);
        rise = std::max(s * 0.38, b.asc - up.asc * 0.45);
        drop = std::max(s * 0.2, b.desc * 0.8);
        if (sup && sub) {
            const qreal clash = (down.asc - drop) - (rise - up.desc) + s * 0.1;
            if (clash > 0) drop += clash;
        }
        box.w = b.w + std::max(up.w, down.w) + s * 0.05;
        box.asc = std::max(b.asc, sup ? rise + up.asc : 0.0);
        box.desc = std::max(b.desc, sub ? drop + down.desc : 0.0);
        return box;
    }
    void Draw(QPainter& p, qreal x, qreal baseline) const override {
        base->Draw(p, x, baseline);
        const qreal sx = x + base->box.w;
        if (sup) sup->Draw(p, sx, baseline - rise);
        if (sub) sub->Draw(p, sx, baseline + drop);
    }
    NodePtr base, sup, sub;
    qreal rise = 0, drop = 0;
};

struct Symbol {
    QString text;
    bool italic;
    Spacing spacing;
};

const QHash<QString, Symbol>& Symbols() {
    static const QHash<QString, Symbol> table{
        {"pi", {QString(QChar(0x03C0)), true, Spacing::None}},
        {"theta", {QString(QChar(0x03B8)), true, Spacing::None}},
        {"rho", {QString(QChar(0x03C1)), true, Spacing::None}},
        {"omega", {QString(QChar(0x03C9)), true, Spacing::None}},
        {"Omega", {QString(QChar(0x03A9)), false, Spacing::None}},
        {"tau", {QString(QChar(0x03C4)), true, Spacing::None}},
        {"lambda", {QString(QChar(0x03BB)), true, Spacing::None}},
        {"mu", {QString(QChar(0x03BC)), true, Spacing::None}},
        {"phi", {QString(QChar(0x03C6)), true, Spacing::None}},
        {"alpha", {QString(QChar(0x03B1)), true, Spacing::None}},
        {"Delta", {QString(QChar(0x0394)), false, Spacing::None}},
        {"times", {QString(QChar(0x00D7)), false, Spacing::Binary}},
        {"cdot", {QString(QChar(0x00B7)), false, Spacing::Binary}},
        {"pm", {QString(QChar(0x00B1)), false, Spacing::Binary}},
        {"dots", {QString(QChar(0x2026)), false, Spacing::None}},
        {"arctan", {"arctan", false, Spacing::None}},
        {"tan", {"tan", false, Spacing::None}},
        {"log", {"log", false, Spacing::None}},
        {"ln", {"ln", false, Spacing::None}},
        {"sin", {"sin", false, Spacing::None}},
        {"cos", {"cos", false, Spacing::None}},
    };
    return table;
}

bool IsFunctionName(const QString& name) {
    return name == "arctan" || name == "tan" || name == "log" || name == "ln" || name == "sin" ||
           name == "cos";
}

class Parser {
  public:
    explicit Parser(const QString& markup) : s(markup) {}

    std::unique_ptr<Row> ParseRow(QChar until) {
        auto row = std::make_unique<Row>();
        while (i < s.size()) {
            const QChar c = s[i];
            if (c == until) {
                ++i;
                return row;
            }
            if (c == '}' || (c == ')' && until != ')')) { // stray closer: draw it rather than lose text
                ++i;
                Add(*row, std::make_unique<Text>(QString(c), false));
                continue;
            }
            ++i;
            if (c == '{') {
                Add(*row, ParseRow('}'));
            } else if (c == '(') {
                Add(*row, std::make_unique<Fence>(ParseRow(')')));
            } else if (c == '^' || c == '_') {
                AttachScript(*row, c == '^', ParseArgument());
            } else if (c == '\\') {
                Command(*row);
            } else if (c == ' ') {
                Add(*row, std::make_unique<Space>(0.1));
            } else if (c.isLetter()) {
                Add(*row, std::make_unique<Text>(Take(c, [](QChar ch) { return ch.isLetter(); }), true));
            } else if (c.isDigit()) {
                Add(*row,
                    std::make_unique<Text>(
                        Take(c, [](QChar ch) { return ch.isDigit() || ch == ',' || ch == '.'; }), false));
            } else if (c == '=' || c == '<' || c == '>') {
                Add(*row, std::make_unique<Text>(QString(c), false, Spacing::Relation));
            } else if (c == '+' || c == '-' || c == QChar(0x00D7) || c == QChar(0x00B7)) {
                const QString op = c == '-' ? QString(QChar(0x2212)) : QString(c);
                Add(*row, std::make_unique<Text>(op, false, Unary(*row) ? Spacing::None : Spacing::Binary));
            } else {
                Add(*row, std::make_unique<Text>(QString(c), false));
            }
        }
        return row;
    }

  private:
    template <typename Pred> QString Take(QChar first, Pred more) {
        QString out(first);
        while (i < s.size() && more(s[i]))
            out += s[i++];
        return out;
    }

    // A sign at the start of a group, or after another operator, is a sign, not an operation.
    static bool Unary(const Row& row) {
        if (row.children.empty()) return true;
        const auto* text = dynamic_cast<const Text*>(row.children.back().get());
        return text && text->spacing != Spacing::None;
    }

    static void Add(Row& row, NodePtr node) { row.children.push_back(std::move(node)); }

    NodePtr ParseArgument() {
        while (i < s.size() && s[i] == ' ')
            ++i;
        if (i >= s.size()) return std::make_unique<Row>();
        const QChar c = s[i++];
        if (c == '{') return ParseRow('}');
        if (c == '\\') {
            Row holder;
            Command(holder);
            if (holder.children.empty()) return std::make_unique<Row>();
            return std::move(holder.children.front());
        }
        return std::make_unique<Text>(QString(c), c.isLetter());
    }

    static void AttachScript(Row& row, bool up, NodePtr script) {
        Scripts* target = nullptr;
        if (!row.children.empty()) target = dynamic_cast<Scripts*>(row.children.back().get());
        if (!target || (up ? target->sup : target->sub)) {
            NodePtr base = std::make_unique<Row>();
            if (!row.children.empty() && !dynamic_cast<Space*>(row.children.back().get())) {
                base = std::move(row.children.back());
                row.children.pop_back();
            }
            auto made = std::make_unique<Scripts>(std::move(base));
            target = made.get();
            Add(row, std::move(made));
        }
        (up ? target->sup : target->sub) = std::move(script);
    }

    void Command(Row& row) {
        if (i < s.size() && !s[i].isLetter()) {
            const QChar c = s[i++];
            if (c == ',' || c == ' ')
                Add(row, std::make_unique<Space>(c == ',' ? 0.17 : 0.3));
            else
                Add(row, std::make_unique<Text>(QString(c), false));
            return;
        }
        QString name;
        while (i < s.size() && s[i].isLetter())
            name += s[i++];
        if (name == "frac") {
            NodePtr num = ParseArgument();
            NodePtr den = ParseArgument();
            Add(row, std::make_unique<Fraction>(std::move(num), std::move(den)));
        } else if (name == "sqrt") {
            Add(row, std::make_unique<Root>(ParseArgument()));
        } else if (name == "text") {
            while (i < s.size() && s[i] == ' ')
                ++i;
            QString raw;
            if (i < s.size() && s[i] == '{') {
                ++i;
                while (i < s.size() && s[i] != '}')
                    raw += s[i++];
                if (i < s.size()) ++i;
            }
            Add(row, std::make_unique<Text>(raw, false));
        } else if (Symbols().contains(name)) {
            const Symbol& sym = Symbols()[name];
            const bool sign = sym.spacing == Spacing::Binary && Unary(row);
            Add(row, std::make_unique<Text>(sym.text, sym.italic, sign ? Spacing::None : sym.spacing));
            if (IsFunctionName(name)) Add(row, std::make_unique<Space>(0.17));
        } else {
            Add(row, std::make_unique<Text>(name, false));
        }
    }

    const QString& s;
    int i = 0;
};

std::unique_ptr<Row> Parse(const QString& markup, qreal size) {
    Parser parser(markup);
    auto row = parser.ParseRow(QChar());
    row->Layout(size);
    return row;
}

} // namespace

FormulaExtent MeasureFormula(const QString& markup, qreal typeSize) {
    const auto row = Parse(markup, typeSize);
    return {row->box.w, row->box.asc, row->box.desc};
}

void DrawFormula(QPainter& painter, const QRectF& rect, const QString& markup, qreal typeSize) {
    const auto row = Parse(markup, typeSize);
    const Box b = row->box;
    const qreal h = b.asc + b.desc;
    if (b.w <= 0 || h <= 0) return;
    const qreal margin = 2;
    const qreal scale = std::min({1.0, (rect.width() - margin) / b.w, (rect.height() - margin) / h});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(rect.center());
    painter.scale(scale, scale);
    row->Draw(painter, -b.w / 2, -h / 2 + b.asc);
    painter.restore();
}

void DrawFormulaOnBaseline(QPainter& painter, QPointF start, qreal width, const QString& markup,
                           qreal typeSize) {
    const auto row = Parse(markup, typeSize);
    if (row->box.w <= 0) return;
    const qreal scale = std::min(1.0, width / row->box.w);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(start);
    painter.scale(scale, scale);
    row->Draw(painter, 0, 0);
    painter.restore();
}

QImage Formula(const QString& markup, QSize size, QColor background, QColor ink, qreal typeSize) {
    QImage image = Canvas(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter p(&image);
    p.setPen(ink);
    DrawFormula(p, QRectF(QPointF(0, 0), QSizeF(size)), markup, typeSize);
    return image;
}

QImage FormulaBox(const QString& markup, QSize size, QColor fill, qreal typeSize, qreal radius) {
    // Transparent around the rounded corners, so the box sits on any window and on the white page.
    QImage image = Canvas(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = Area(image).adjusted(0.5, 0.5, -0.5, -0.5);
    if (radius <= 0) radius = std::min(size.width(), size.height()) * 0.18;
    p.setPen(QPen(fill.darker(150), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, radius, radius);
    p.setPen(Qt::black);
    DrawFormula(p, box.adjusted(radius * 0.4, 2, -radius * 0.4, -2), markup, typeSize);
    return image;
}

} // namespace pictures
