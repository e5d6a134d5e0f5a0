#pragma once
// The main window: the topics of the guide under six headings, hover previews, the menu and the
// hidden language mark.
#include "ui/Window.h"
#include <QLabel>
#include <map>

class QMenu;
class QAction;

// A topic label: reports every mouse move over it and its clicks.
class TopicLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  Q_SIGNALS:
    void hovered();
    void clicked();

  protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
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

  private:
    QWidget* page_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* mark_ = nullptr;
    QMenu* link_ = nullptr;
    QMenu* tools_ = nullptr;
    QAction* about_ = nullptr;
    std::map<QString, TopicLabel*> topics_;
};
