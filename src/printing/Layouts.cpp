#include "printing/Layouts.h"

#include "ui/Density.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTableWidget>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace printing {
namespace {

constexpr qreal kLeft = 80;
constexpr qreal kLineStep = 24;
constexpr qreal kHeadingToLines = 32;
constexpr qreal kGapAfterLines = 16;

QFont HeadingFont() {
    return ReportFont("Arial", 15, true);
}

QWidget* Component(QWidget* window, const char* component) {
    if (!window) return nullptr;
    if (window->objectName() == QLatin1String(component)) return window;
    return window->findChild<QWidget*>(QLatin1String(component));
}

} // namespace

CalculatorReport::CalculatorReport(const QString& title, const Lines& lines)
    : pictureBeside_(lines.pictureBesideHeading), valueLeft_(lines.valueLeft) {
    SetTitle(title, ReportFont("Arial", 27), 8);
    AddLabel(TitleBand(), lines.pictureHeading, kLeft, 64, HeadingFont());
    picture_ = pictureBeside_ ? AddImage(TitleBand(), 152, 64) : AddImage(TitleBand(), kLeft, 96);
    valuesHeading_ = AddLabel(TitleBand(), QStringLiteral("Valeurs saisie:"), kLeft, 0, HeadingFont());
    if (lines.memo)
        memo_ = AddMemo(TitleBand(), kLeft, 0, 400,
                        lines.memoLines * std::ceil(QFontMetricsF(ReportFont()).lineSpacing()));
    for (const QString& name : lines.inputs)
        inputs_.emplace_back(AddLabel(TitleBand(), name, kLeft, 0), AddLabel(TitleBand(), QString(), 0, 0));
    resultHeading_ = AddLabel(TitleBand(), QStringLiteral("Résultat:"), kLeft, 0, HeadingFont());
    for (const QString& name : lines.results)
        results_.emplace_back(AddLabel(TitleBand(), name, kLeft, 0), AddLabel(TitleBand(), QString(), 0, 0));
    Arrange();
}

void CalculatorReport::Arrange() {
    qreal top = std::max<qreal>(picture_->Bottom(), 96) + kLineStep;
    valuesHeading_->Move(kLeft, top);
    top += kHeadingToLines;
    if (memo_) {
        memo_->Move(kLeft, top);
        top += memo_->Height();
    }
    auto place = [&top, this](std::vector<std::pair<QRLabel*, QRLabel*>>& lines) {
        for (auto& [name, value] : lines) {
            name->Move(kLeft, top);
            value->Move(valueLeft_ > 0 ? std::max(valueLeft_, name->Right() + 4) : name->Right() + 4, top);
            top += kLineStep;
        }
    };
    place(inputs_);
    top += kGapAfterLines;
    resultHeading_->Move(kLeft, top);
    top += kHeadingToLines;
    place(results_);
}

void CalculatorReport::SetPicture(const QImage& picture) {
    picture_->SetPicture(picture);
    Arrange();
}

void CalculatorReport::SetInput(int index, const QString& value) {
    inputs_.at(index).second->SetCaption(value);
}
void CalculatorReport::SetResult(int index, const QString& value) {
    results_.at(index).second->SetCaption(value);
}

void CalculatorReport::SetMemo(const QStringList& lines) {
    if (memo_) memo_->SetLines(lines);
}

HeadingsReport::HeadingsReport(const QString& title, const std::vector<QString>& headings) {
    SetTitle(title, ReportFont("Arial", 27), 48);
    qreal top = 112;
    for (const QString& heading : headings) {
        AddLabel(TitleBand(), heading, kLeft, top, HeadingFont());
        values_.push_back(AddLabel(TitleBand(), QString(), kLeft, top + kHeadingToLines));
        top += kHeadingToLines + kLineStep + 2 * kGapAfterLines;
    }
}

TableReport::TableReport(const QString& title, bool footerValue) {
    SetTitle(title, ReportFont("Arial", 21), 8);
    page_ = AddTable(TitleBand(), 0, 48, QSizeF(689, 880));
    page_->SetCentred(true);
    if (footerValue) footerValue_ = AddLabel(FooterBand(), QString(), 0, 12);
}

void TableReport::SetFooterValue(const QString& text) {
    if (footerValue_) footerValue_->SetCaption(text);
}

QString TextOf(QWidget* window, const char* component) {
    QWidget* w = Component(window, component);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* list = qobject_cast<QListWidget*>(w))
        return list->currentItem() ? list->currentItem()->text() : QString();
    return QString();
}

QString ValueWithUnit(QWidget* window, const char* value, const char* unitList) {
    const QString text = TextOf(window, value);
    const QString unit = TextOf(window, unitList);
    if (text.isEmpty() || unit.isEmpty()) return text;
    return text + QLatin1Char(' ') + unit;
}

QImage PictureOf(QWidget* window, const char* component) {
    auto* label = qobject_cast<QLabel*>(Component(window, component));
    if (!label) return QImage();
    const QImage drawn = ui::DrawnAtDensity(label, kPrintDensity);
    return drawn.isNull() ? label->pixmap().toImage() : drawn;
}

QImage GrabOf(QWidget* window, const char* component) {
    QWidget* w = Component(window, component);
    if (!w) return QImage();
    w->ensurePolished();
    // Its pictures at the print density while it is drawn, then back at the screen's.
    std::vector<QWidget*> pictures{w};
    for (QWidget* child : w->findChildren<QWidget*>())
        pictures.push_back(child);
    pictures.erase(std::remove_if(pictures.begin(), pictures.end(),
                                  [](QWidget* p) { return !ui::ShowAtDensity(p, kPrintDensity); }),
                   pictures.end());
    QImage image(qCeil(w->width() * kPrintDensity), qCeil(w->height() * kPrintDensity),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kPrintDensity);
    image.fill(Qt::transparent);
    w->render(&image, QPoint(), QRegion(),
              QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    for (QWidget* p : pictures)
        ui::ShowAtDensity(p, p->devicePixelRatioF());
    return image;
}

namespace {

// The pictures one after the other, down or across, centred across the other way.
QImage Arranged(const std::vector<QImage>& pictures, int gap, Qt::Orientation along) {
    const bool down = along == Qt::Vertical;
    int length = 0;
    int breadth = 0;
    int count = 0;
    qreal density = 1;
    // In units: each picture's pixels over its ratio.
    auto width = [](const QImage& p) { return int(std::floor(p.deviceIndependentSize().width() + 1e-3)); };
    auto height = [](const QImage& p) { return int(std::floor(p.deviceIndependentSize().height() + 1e-3)); };
    for (const QImage& p : pictures) {
        if (p.isNull()) continue;
        length += (count++ ? gap : 0) + (down ? height(p) : width(p));
        breadth = std::max(breadth, down ? width(p) : height(p));
        density = std::max(density, p.devicePixelRatio());
    }
    if (!count) return QImage();
    QImage out(qCeil((down ? breadth : length) * density), qCeil((down ? length : breadth) * density),
               QImage::Format_RGB32);
    out.setDevicePixelRatio(density);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int at = 0;
    for (const QImage& p : pictures) {
        if (p.isNull()) continue;
        painter.drawImage(down ? QPoint(0, at) : QPoint(at, (breadth - height(p)) / 2), p);
        at += (down ? height(p) : width(p)) + gap;
    }
    return out;
}

} // namespace

QImage Stacked(const std::vector<QImage>& pictures, int gap) {
    return Arranged(pictures, gap, Qt::Vertical);
}

QImage SideBySide(const std::vector<QImage>& pictures, int gap) {
    return Arranged(pictures, gap, Qt::Horizontal);
}

std::vector<QStringList> GridCells(const QTableWidget* grid, int firstRow, int lastRow, int firstColumn,
                                   int lastColumn) {
    std::vector<QStringList> rows;
    if (!grid) return rows;
    lastRow = std::min(lastRow, grid->rowCount() - 1);
    lastColumn = std::min(lastColumn, grid->columnCount() - 1);
    auto text = [grid](int r, int c) {
        const QTableWidgetItem* item = grid->item(r, c);
        return item ? item->text() : QString();
    };
    std::vector<int> shown{0};
    for (int r = std::max(1, firstRow); r <= lastRow; ++r)
        shown.push_back(r);
    for (int r : shown) {
        QStringList row{text(r, 0)};
        for (int c = std::max(1, firstColumn); c <= lastColumn; ++c)
            row << text(r, c);
        rows.push_back(row);
    }
    return rows;
}

} // namespace printing
