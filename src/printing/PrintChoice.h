#pragma once
// A print-choice dialog: a small tool window with one button per table page. A button stores
// its page in the page selector and opens the preview of the dialog's table report, which
// reads the page from here; the dialog stays open afterwards.
#include "ui/Window.h"

#include <QRect>
#include <vector>

namespace printing {

class PrintChoice : public ui::Window {
    Q_OBJECT
  public:
    void Button1Click() { ChoosePage(1); } // "P1"
    void Button2Click() { ChoosePage(2); } // "P2"
    void Button3Click() { ChoosePage(3); } // "P3", where the table has three pages

    const QString& ReportClass() const { return report_; }
    int Pages() const { return int(buttons_.size()); }

    int PageSelector = 1; // the page chosen last

  protected:
    // Buttons "P1"... at the given places on a panel filling the dialog.
    PrintChoice(QWidget* parent, const QString& reportClass, QSize client, const std::vector<QRect>& buttons);

  private:
    void ChoosePage(int page);

    QString report_;
    std::vector<QRect> buttons_;
};

// The page chosen in a print-choice dialog (1 when the dialog is absent), for its table report.
int ChosenPage(const char* dialogClass);

} // namespace printing
