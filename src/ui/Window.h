#pragma once
// Base of every window: FormCreate runs once after construction, FormActivate at each
// activation except the one that only hands the focus back from a box or dialog the window opened.
#include <QDialog>

namespace ui {

class Window : public QDialog {
    Q_OBJECT
  public:
    explicit Window(QWidget* parent = nullptr);

    // Called once by start-up, after the components exist.
    void Initialise();

    virtual void FormCreate() {}
    virtual void FormActivate() {}

    // A topic click: shown without blocking and brought to the front.
    void ShowTopic();
    // A topic click on a modal window: returns when it closes.
    void ShowModalTopic();

    // Sets the fixed client size, caption and background the way the form defines them.
    void SetForm(const QString& caption, int width, int height, const QColor& background);

  protected:
    // Names what the shared rules cannot (after ui::Describe, at creation and at each activation).
    virtual void DescribeParts() {}

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    // Screen reader names and copy menus in the language of the moment.
    void DescribeAll();

    bool returningFromChild_ = false;
    bool initialised_ = false;
    bool described_ = false;
};

} // namespace ui
