#include "printing/Render.h"

#include <QDataStream>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace printing {
namespace {

const QByteArray kMagic = QByteArrayLiteral("OHMBRIX-REPORT");
constexpr qint32 kVersion = 1;

} // namespace

QPageLayout ReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

void DrawPage(QPainter& painter, const Page& page) {
    painter.save();
    painter.setPen(Qt::black);
    for (const Element& e : page.elements) {
        if (e.kind == Element::Kind::Picture) {
            painter.drawImage(e.rect, e.picture);
        } else if (e.kind == Element::Kind::Drawing) {
            painter.save();
            painter.setClipRect(e.rect);
            painter.translate(e.rect.topLeft());
            // A picture plays scaled from its own resolution to the device's; the page is already
            // in report units, so that scale is taken back.
            if (const QPaintDevice* device = painter.device())
                painter.scale(qreal(e.drawing.logicalDpiX()) / device->logicalDpiX(),
                              qreal(e.drawing.logicalDpiY()) / device->logicalDpiY());
            painter.drawPicture(QPointF(0, 0), e.drawing);
            painter.restore();
        } else if (e.kind == Element::Kind::Box) {
            painter.setPen(QPen(Qt::black, 0.75));
            painter.setBrush(e.fill);
            painter.drawRect(e.rect);
            painter.setPen(Qt::black);
        } else {
            painter.setFont(e.font);
            painter.drawText(e.rect, e.flags, e.text);
        }
    }
    painter.restore();
}

void Render(const Document& doc, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal scale = device.logicalDpiX() / kUnitsPerInch;
    for (std::size_t i = 0; i < doc.pages.size(); ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.scale(scale, device.logicalDpiY() / kUnitsPerInch);
        DrawPage(painter, doc.pages[i]);
        painter.restore();
    }
    painter.end();
}

bool WritePdf(const Document& doc, const QString& fileName) {
    QPdfWriter writer(fileName);
    if (!writer.setPageLayout(ReportPageLayout())) return false;
    writer.setTitle(doc.title);
    writer.setCreator(QStringLiteral("Ohmbrix"));
    Render(doc, writer);
    return QFile(fileName).size() > 0;
}

bool SaveReport(const Document& doc, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << doc.reportClass << doc.title << qint32(doc.pages.size());
    for (const Page& page : doc.pages) {
        out << qint32(page.elements.size());
        for (const Element& e : page.elements) {
            out << qint32(e.kind) << e.rect << e.text << e.font << qint32(e.flags) << e.picture << e.fill;
            if (e.kind == Element::Kind::Drawing) out << e.drawing;
        }
    }
    return out.status() == QDataStream::Ok && file.commit();
}

std::optional<Document> LoadReport(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    QByteArray magic;
    qint32 version = 0;
    in >> magic >> version;
    if (magic != kMagic || version != kVersion) return std::nullopt;
    Document doc;
    qint32 pages = 0;
    in >> doc.reportClass >> doc.title >> pages;
    // A damaged file must not make us reserve absurd amounts.
    if (in.status() != QDataStream::Ok || pages < 0 || pages > 10000) return std::nullopt;
    for (qint32 p = 0; p < pages; ++p) {
        qint32 count = 0;
        in >> count;
        if (in.status() != QDataStream::Ok || count < 0 || count > 100000) return std::nullopt;
        Page page;
        for (qint32 i = 0; i < count; ++i) {
            Element e;
            qint32 kind = 0;
            qint32 flags = 0;
            in >> kind >> e.rect >> e.text >> e.font >> flags >> e.picture >> e.fill;
            if (kind < qint32(Element::Kind::Text) || kind > qint32(Element::Kind::Drawing))
                return std::nullopt;
            e.kind = Element::Kind(kind);
            if (e.kind == Element::Kind::Drawing) in >> e.drawing;
            e.flags = flags;
            page.elements.push_back(e);
        }
        doc.pages.push_back(std::move(page));
    }
    if (in.status() != QDataStream::Ok) return std::nullopt;
    return doc;
}

} // namespace printing
