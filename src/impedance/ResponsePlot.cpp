#include "impedance/ResponsePlot.h"

#include "pictures/impedance/FrequencyResponsePictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

ResponsePlot::ResponsePlot(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResponsePlot::SetData(pictures::BodeData data) {
    data_ = std::move(data);
    update();
}

void ResponsePlot::SetTexts(const pictures::BodeTexts& texts) {
    texts_ = texts;
    update();
}

void ResponsePlot::SetCursor(std::optional<int> index) {
    if (index && data_.frequency.empty()) index.reset();
    if (index) index = std::clamp(*index, 0, int(data_.frequency.size()) - 1);
    if (index == data_.cursor) return;
    data_.cursor = index;
    update();
    Q_EMIT cursorMoved();
}

void ResponsePlot::Render(QPainter& p, const QRectF& area, const pictures::PlotColours& colours) const {
    pictures::BodeChart(data_, area, texts_).Draw(p, colours);
}

void ResponsePlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPalette palette = this->palette();
    Render(p, rect(), pictures::PlotColoursFrom(palette));
    if (hasFocus()) {
        QColor focus = palette.color(QPalette::Highlight);
        p.setPen(QPen(focus, 1, Qt::DotLine));
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void ResponsePlot::mouseMoveEvent(QMouseEvent* e) {
    const pictures::BodeChart chart(data_, rect(), texts_);
    const QPointF at = e->position();
    if (at.x() >= chart.MagnitudePane().left() && at.x() <= chart.MagnitudePane().right())
        SetCursor(chart.PointAt(at.x()));
    QWidget::mouseMoveEvent(e);
}

void ResponsePlot::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(e);
}

void ResponsePlot::keyPressEvent(QKeyEvent* e) {
    const int n = int(data_.frequency.size());
    if (n == 0) return QWidget::keyPressEvent(e);
    // One step is about one pixel of the chart; Page keys a tenth of the span.
    const pictures::BodeChart chart(data_, rect(), texts_);
    const int pixel = std::max(1, int(n / std::max(1.0, chart.MagnitudePane().width())));
    const int page = std::max(1, n / 10);
    const int at = data_.cursor.value_or(n / 2);
    switch (e->key()) {
    case Qt::Key_Left:
        SetCursor(data_.cursor ? at - pixel : at);
        break;
    case Qt::Key_Right:
        SetCursor(data_.cursor ? at + pixel : at);
        break;
    case Qt::Key_PageDown:
        SetCursor(at - page);
        break;
    case Qt::Key_PageUp:
        SetCursor(at + page);
        break;
    case Qt::Key_Home:
        SetCursor(0);
        break;
    case Qt::Key_End:
        SetCursor(n - 1);
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

pictures::PlotColours PaperColours() {
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    return pictures::PlotColoursFrom(paper);
}

ResponseCircuitView::ResponseCircuitView(QWidget* parent) : QWidget(parent) {}

void ResponseCircuitView::SetTopology(formulas::Topology topology) {
    topology_ = topology;
    update();
}

void ResponseCircuitView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    pictures::DrawResponseCircuit(p, rect(), topology_, palette().color(QPalette::WindowText));
}
