#pragma once
// The frequency response chart as a widget: drawn live from its data in the widget's palette, with
// a cursor that follows the mouse and the arrow keys.
#include "formulas/FrequencyResponse.h"
#include "pictures/Plot.h"

#include <QWidget>

class ResponsePlot : public QWidget {
    Q_OBJECT
  public:
    explicit ResponsePlot(QWidget* parent = nullptr);

    void SetData(pictures::BodeData data);
    const pictures::BodeData& Data() const { return data_; }
    void SetTexts(const pictures::BodeTexts& texts);
    const pictures::BodeTexts& Texts() const { return texts_; }
    // Moves the cursor to a point (clamped); none removes it.
    void SetCursor(std::optional<int> index);
    // The chart in `area` with the given colours (export, print).
    void Render(QPainter& p, const QRectF& area, const pictures::PlotColours& colours) const;

  Q_SIGNALS:
    void cursorMoved();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    pictures::BodeData data_;
    pictures::BodeTexts texts_;
};

// White paper, black ink: the export's and the report's colours.
pictures::PlotColours PaperColours();

// The circuit of the chosen topology, drawn live in the widget's text colour.
class ResponseCircuitView : public QWidget {
    Q_OBJECT
  public:
    explicit ResponseCircuitView(QWidget* parent = nullptr);
    void SetTopology(formulas::Topology topology);
    formulas::Topology Topology() const { return topology_; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    formulas::Topology topology_ = formulas::Topology::SeriesRLC;
};
