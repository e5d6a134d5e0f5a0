#pragma once
// A print-choice dialog: a small tool window with one button per table page. A button stores
// its page in the page selector and opens the preview of the dialog's table report, which
// is handed the page and the table it prints; the dialog stays open afterwards.
#include "ui/FormTable.h"
#include "ui/Window.h"

#include <QEventLoop>
#include <QPointer>

namespace printing {

class PrintChoice : public ui::Window {
    Q_OBJECT
  public:
    // The table's print button: the dialog, shown modally, prints that table. It returns when
    // the dialog closes; asked again while an earlier request still waits (the dialog closed
    // under a preview that one of its buttons opened), it shows the dialog and returns at once.
    void OpenFor(QWidget* table);
    void setVisible(bool visible) override;
    ~PrintChoice() override;

    const QString& ReportClass() const { return report_; }
    int Pages() const { return pages_; }

    int PageSelector = 1; // the page chosen last

  protected:
    // A dialog of the given client size printing the given report.
    PrintChoice(QWidget* parent, const QString& reportClass, QSize client);
    // The derived dialog's form: its buttons, in the table's order, choose pages 1, 2...
    void Build(const ui::FormTable& table);

  private:
    void ChoosePage(int page);

    QString report_;
    int pages_ = 0;
    QPointer<QWidget> table_;
    QEventLoop* waiting_ = nullptr; // the loop of the request that waits for the dialog to close
};

} // namespace printing
