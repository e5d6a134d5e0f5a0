#pragma once
// The about window: the logo, the product's name and version, and the maker's web link.
#include "ui/Window.h"

class TFormAPropos : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormAPropos(QWidget* parent = nullptr);
    void FormActivate() override;
    void Label5Click();
};
