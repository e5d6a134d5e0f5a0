#pragma once
// The print preview window: the report's pages on a QPrintPreviewWidget, with zoom to fit,
// zoom 100 %, zoom to width, page navigation, print, printer set-up, save, load and close.
#include "printing/Report.h"

#include <QList>
#include <QPointer>
#include <QPrinter>
#include <QWidget>

class QAction;
class QDialog;
class QLabel;
class QPrintPreviewWidget;
class QToolBar;

namespace printing {

class PreviewWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewWindow(const Document& doc, QWidget* owner = nullptr);

    const Document& Shown() const { return doc_; }
    QPrintPreviewWidget* View() const { return view_; }
    QPrinter& Printer() { return printer_; }

    // The commands; each has a tool-bar action named after it.
    void ZoomToFit();
    void Zoom100();
    void ZoomToWidth();
    void FirstPage();
    void PreviousPage();
    void NextPage();
    void LastPage();
    void PrintReport();    // asks for the printer, then prints
    void PrinterSetup();   // page set-up of the preview's printer
    void SaveReportAs();   // asks for a file: a saved report (.qrp) or a PDF
    void LoadReportFrom(); // asks for a saved report and shows it

    // Without the file dialogs.
    bool SaveTo(const QString& fileName);
    bool LoadFrom(const QString& fileName);

    // The dialogs of its own that are running now, innermost last.
    QList<QDialog*> RunningDialogs() const;

  Q_SIGNALS:
    // The window was closed (it is not deleted: whoever opened it does that).
    void Closed();

  protected:
    // A close asked for while one of its dialogs runs rejects the dialogs and happens once they
    // have returned: the window outlives its own dialogs.
    void closeEvent(QCloseEvent* e) override;

  private:
    // Runs one of its own dialogs; true when it was accepted and the window still exists.
    bool RunDialog(QDialog* dialog);
    QAction* AddCommand(QToolBar* bar, const char* name, const char* icon, const QString& text,
                        void (PreviewWindow::*command)());
    void Paint(QPrinter* printer);
    void Show(const Document& doc);
    void UpdatePageText();

    Document doc_;
    QPrinter printer_;
    QPrintPreviewWidget* view_;
    QLabel* pageText_;
    QList<QPointer<QDialog>> running_;
    bool closeAsked_ = false;
};

} // namespace printing
