#pragma once
// A print-choice dialog: a small tool window with one button per table page. A button stores
// its page in the page selector and opens the preview of the dialog's table report, which
// is handed the page and the table it prints; the dialog stays open afterwards.
#include "ui/Window.h"

#include <QEventLoop>
#include <QPointer>
#include <QRect>
#include <vector>

namespace printing {

class PrintChoice : public ui::Window {
    Q_OBJECT
  public:
    void Button1Click() { ChoosePage(1); } // "P1"
    void Button2Click() { ChoosePage(2); } // "P2"
    void Button3Click() { ChoosePage(3); } // "P3", where the table has three pages

    // The table's print button: the dialog, shown modally, prints that table. It returns when
    // the dialog closes; asked again while an earlier request still waits (the dialog closed
    // under a preview that one of its buttons opened), it shows the dialog and returns at once.
    void OpenFor(QWidget* table);
    void setVisible(bool visible) override;
    ~PrintChoice() override;

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
    QPointer<QWidget> table_;
    QEventLoop* waiting_ = nullptr; // the loop of the request that waits for the dialog to close
};

} // namespace printing
