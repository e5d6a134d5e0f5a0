#pragma once
// A drawn shape of the forms: rectangle, rounded rectangle or circle, with a fill and an outline
// that can each be cleared so whatever lies beneath shows through.
#include <QColor>
#include <QWidget>

namespace resistance {

class Shape : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Rectangle, RoundRect, Circle };
    Shape(QWidget* parent, const char* name, Kind kind, int x, int y, int w, int h);

    void SetFill(const QColor& colour); // an invalid colour clears the fill
    void SetOutline(bool solid);
    QColor Fill() const { return fill_; } // invalid when cleared
    bool Outline() const { return outline_; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    Kind kind_;
    QColor fill_{Qt::white};
    bool outline_ = true;
};

} // namespace resistance
