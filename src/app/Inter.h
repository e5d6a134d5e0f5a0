#pragma once
// The main window: the topics of the guide under six headings, hover previews, the menu and the
// hidden language mark.
#include "ui/Window.h"
#include <QLabel>
#include <QPointer>
#include <map>
#include <vector>

class QMenu;
class QMenuBar;
class QAction;

// A topic label: reports every mouse move over it and its clicks. From the keyboard it takes the
// focus with Tab, shows itself as hovered with a focus mark, and Return or Space opens it.
class TopicLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  Q_SIGNALS:
    void hovered();
    void clicked();
    void focused();           // reached from the keyboard
    void step(int direction); // an arrow key: the next (1) or previous (-1) topic

  protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    bool keyboard_ = false; // reached from the keyboard: shown as hovered, with its focus mark
};

class TInterface1 : public ui::Window {
    Q_OBJECT
  public:
    explicit TInterface1(QWidget* parent = nullptr);

    void SetMark(const QString& mark);

    void FormCreate() override;
    void FormActivate() override;
    void FormMouseMove();
    void APropos1Click();
    void Kelmorainternational1Click();
    // Hover and click of a topic, by its label name ("Label13").
    void LabelMouseMove(const QString& label);
    void LabelClick(const QString& label);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    // Screen reader names of topics whose captions repeat.
    void NameTopics();

    QWidget* page_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* mark_ = nullptr;
    QMenu* link_ = nullptr;
    QMenu* tools_ = nullptr;
    QAction* about_ = nullptr;
    std::map<QString, TopicLabel*> topics_;
    std::vector<TopicLabel*> readingOrder_; // heading by heading, top to bottom
    QPointer<TopicLabel> lastTopic_;
};
