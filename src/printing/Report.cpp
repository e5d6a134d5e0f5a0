#include "printing/Report.h"
#include "printing/ReportTexts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace printing {

qreal MmToUnits(qreal mm) {
    return mm / 25.4 * kUnitsPerInch;
}
qreal ContentWidth() {
    return MmToUnits(kPaperWidthMm - 2 * kMarginMm);
}
qreal ContentHeight() {
    return MmToUnits(kPaperHeightMm - 2 * kMarginMm);
}

QFont ReportFont(const char* family, int height, bool bold, bool italic) {
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(height);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

ReportItem::ReportItem(Band* band, const QString& name, qreal left, qreal top)
    : QObject(band), left_(left), top_(top) {
    setObjectName(name);
}

void ReportItem::Move(qreal left, qreal top) {
    left_ = left;
    top_ = top;
}

QRLabel::QRLabel(Band* band, const QString& name, const QString& text, qreal left, qreal top,
                 const QFont& font, qreal width, Qt::Alignment alignment)
    : ReportItem(band, name, left, top), caption_(text), font_(font), width_(width), alignment_(alignment) {}

qreal QRLabel::Width() const {
    return width_ > 0 ? width_ : std::ceil(QFontMetricsF(font_).horizontalAdvance(ReportText(caption_))) + 2;
}

qreal QRLabel::Height() const {
    return std::ceil(QFontMetricsF(font_).height());
}

void QRLabel::Emit(Page& out, const QPointF& bandOrigin, int) const {
    if (caption_.isEmpty()) return;
    Element e;
    e.kind = Element::Kind::Text;
    e.rect = QRectF(bandOrigin + QPointF(Left(), Top()), QSizeF(Width(), Height()));
    e.text = ReportText(caption_);
    e.font = font_;
    // Never clipped: a printer's metrics may run a little wider than the screen's.
    e.flags = int(alignment_ | Qt::AlignTop) | Qt::TextSingleLine | Qt::TextDontClip;
    out.elements.push_back(e);
}

QRImage::QRImage(Band* band, const QString& name, qreal left, qreal top, QSizeF size)
    : ReportItem(band, name, left, top), size_(size) {}

// A picture drawn at the print density keeps its size in units: its pixels over its ratio, less
// the fraction of a unit its last pixel was rounded up by.
qreal QRImage::Width() const {
    return size_.isValid() && !size_.isEmpty() ? size_.width()
                                               : std::floor(picture_.deviceIndependentSize().width() + 1e-3);
}
qreal QRImage::Height() const {
    return size_.isValid() && !size_.isEmpty() ? size_.height()
                                               : std::floor(picture_.deviceIndependentSize().height() + 1e-3);
}

void QRImage::Emit(Page& out, const QPointF& bandOrigin, int) const {
    if (picture_.isNull()) return;
    Element e;
    e.kind = Element::Kind::Picture;
    qreal left = Left();
    if (centred_) left = (static_cast<const Band*>(parent())->Area().width() - Width()) / 2;
    e.rect = QRectF(bandOrigin + QPointF(left, Top()), QSizeF(Width(), Height()));
    e.picture = picture_;
    out.elements.push_back(e);
}

QRTable::QRTable(Band* band, const QString& name, qreal left, qreal top, QSizeF size)
    : ReportItem(band, name, left, top), size_(size) {}

void QRTable::SetCells(const std::vector<QStringList>& rows, const QString& caption) {
    rows_ = rows;
    caption_ = caption;
}

void QRTable::Emit(Page& out, const QPointF& bandOrigin, int) const {
    qreal left = Left();
    if (centred_) left = (static_cast<const Band*>(parent())->Area().width() - Width()) / 2;
    const QPointF origin = bandOrigin + QPointF(left, Top());
    qreal top = 0;
    if (!caption_.isEmpty()) {
        Element e;
        e.rect = QRectF(origin, QSizeF(Width(), 28));
        e.text = ReportText(caption_);
        e.font = ReportFont("Arial", 14, true);
        e.flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;
        out.elements.push_back(e);
        top = 32;
    }
    int columns = 0;
    for (const QStringList& row : rows_)
        columns = std::max(columns, int(row.size()));
    if (rows_.empty() || columns == 0) return;
    const qreal cellWidth = Width() / columns;
    const qreal cellHeight = std::min<qreal>(24, (Height() - top) / rows_.size());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        for (int c = 0; c < columns; ++c) {
            const bool heading = r == 0 || c == 0;
            Element box;
            box.kind = Element::Kind::Box;
            box.rect =
                QRectF(origin + QPointF(c * cellWidth, top + r * cellHeight), QSizeF(cellWidth, cellHeight));
            box.fill = heading ? QColor(0xD8, 0xD8, 0xD8) : QColor(Qt::white);
            out.elements.push_back(box);
            if (c >= rows_[r].size() || rows_[r][c].isEmpty()) continue;
            Element text;
            text.rect = box.rect.adjusted(4, 0, -4, 0);
            text.text = rows_[r][c];
            text.font = ReportFont("Arial", 13, heading);
            // A number wider than its cell shrinks to fit rather than losing its first digits.
            const qreal needed = QFontMetricsF(text.font).horizontalAdvance(text.text);
            if (needed > text.rect.width())
                text.font.setPixelSize(std::max(7, int(13 * text.rect.width() / needed)));
            text.flags = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
            out.elements.push_back(text);
        }
    }
}

QRMemo::QRMemo(Band* band, const QString& name, qreal left, qreal top, qreal width, qreal height,
               const QFont& font)
    : ReportItem(band, name, left, top), width_(width), height_(height), font_(font) {}

int QRMemo::LinesPerPage() const {
    return std::max(1, int(height_ / std::ceil(QFontMetricsF(font_).lineSpacing())));
}

int QRMemo::PagesNeeded() const {
    const int per = LinesPerPage();
    return std::max(1, int((lines_.size() + per - 1) / per));
}

void QRMemo::Emit(Page& out, const QPointF& bandOrigin, int page) const {
    const int per = LinesPerPage();
    const qreal step = std::ceil(QFontMetricsF(font_).lineSpacing());
    const int first = (page - 1) * per;
    for (int i = first; i < std::min<int>(first + per, lines_.size()); ++i) {
        Element e;
        e.kind = Element::Kind::Text;
        e.rect = QRectF(bandOrigin + QPointF(Left(), Top() + (i - first) * step), QSizeF(width_, step));
        e.text = lines_[i];
        e.font = font_;
        e.flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
        out.elements.push_back(e);
    }
}

Band::Band(QObject* report, const QString& name, const QRectF& area) : QObject(report), area_(area) {
    setObjectName(name);
}

std::vector<ReportItem*> Band::Items() const {
    std::vector<ReportItem*> items;
    for (QObject* child : children())
        if (auto* item = qobject_cast<ReportItem*>(child)) items.push_back(item);
    return items;
}

Report::Report() {
    const qreal footerTop = ContentHeight() - kFooterHeight;
    title_ = new Band(this, QStringLiteral("TitleBand1"), QRectF(0, 0, ContentWidth(), footerTop));
    footer_ = new Band(this, QStringLiteral("PageFooterBand1"),
                       QRectF(0, footerTop, ContentWidth(), kFooterHeight));
    new QRLabel(footer_, QStringLiteral("FooterMaker"), MakerName(), 0, 2,
                ReportFont("Georgia", 16, false, true), ContentWidth(), Qt::AlignRight);
    new QRLabel(footer_, QStringLiteral("FooterNotice"), Notice(), 0, 24, ReportFont("Arial", 11),
                ContentWidth(), Qt::AlignRight);
}

Report::~Report() = default;

QString Report::MakerName() {
    return QStringLiteral("Kelmora international");
}
QString Report::Notice() {
    return QStringLiteral("Ohmbrix 2.0 - © 2026 Kelmora. Imprimé depuis le guide Ohmbrix.");
}

QString Report::NextName(const char* kind) {
    int& counter = std::strcmp(kind, "QRLabel") == 0   ? labels_
                   : std::strcmp(kind, "QRImage") == 0 ? images_
                                                       : memos_;
    return QString::fromLatin1(kind) +
           QString::number(++counter + (std::strcmp(kind, "QRLabel") == 0 ? 1 : 0));
}

QRLabel* Report::SetTitle(const QString& text, const QFont& font, qreal top, qreal left) {
    titleLabel_ = left < 0 ? new QRLabel(title_, QStringLiteral("QRLabel1"), text, 0, top, font,
                                         ContentWidth(), Qt::AlignHCenter)
                           : new QRLabel(title_, QStringLiteral("QRLabel1"), text, left, top, font);
    return titleLabel_;
}

QRLabel* Report::AddLabel(Band* band, const QString& text, qreal left, qreal top, const QFont& font) {
    return new QRLabel(band, NextName("QRLabel"), text, left, top, font);
}

QRImage* Report::AddImage(Band* band, qreal left, qreal top, QSizeF size) {
    return new QRImage(band, NextName("QRImage"), left, top, size);
}

QRTable* Report::AddTable(Band* band, qreal left, qreal top, QSizeF size) {
    return new QRTable(band, NextName("QRImage"), left, top, size);
}

QRMemo* Report::AddMemo(Band* band, qreal left, qreal top, qreal width, qreal height) {
    return new QRMemo(band, NextName("QRMemo"), left, top, width, height);
}

Document Report::Produce() {
    Document doc;
    doc.reportClass = QString::fromLatin1(metaObject()->className());
    int pages = 1;
    for (page_ = 1; page_ <= pages; ++page_) {
        QuickRep1StartPage();
        pages = std::max(pages, PageCount());
        if (page_ == 1) doc.title = titleLabel_ ? ReportText(titleLabel_->Caption()) : QString();
        Page out;
        for (Band* band : {title_, footer_}) {
            for (ReportItem* item : band->Items()) {
                pages = std::max(pages, item->PagesNeeded());
                item->Emit(out, band->Area().topLeft(), page_);
            }
        }
        doc.pages.push_back(std::move(out));
    }
    page_ = 0;
    return doc;
}

} // namespace printing
