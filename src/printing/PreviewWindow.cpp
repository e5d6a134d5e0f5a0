#include "printing/PreviewWindow.h"

#include "printing/Render.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace printing {
namespace {

// Qt's own preview icons, compiled into Qt Print Support.
QIcon PreviewIcon(const char* name) {
    const QString path = QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/%1-24.png")
                             .arg(QLatin1String(name));
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

const QString kReportFilter = QStringLiteral("*.qrp");

// A dialog of the window's own, on the heap so that nothing frees it under its event loop, and
// deleted when the command ends unless its window took it along meanwhile.
template <class D> class OwnDialog {
  public:
    template <class... A> explicit OwnDialog(A&&... args) : dialog_(new D(std::forward<A>(args)...)) {}
    ~OwnDialog() { delete dialog_.data(); }
    OwnDialog(const OwnDialog&) = delete;
    OwnDialog& operator=(const OwnDialog&) = delete;
    D* operator->() const { return dialog_.data(); }
    D* get() const { return dialog_.data(); }

  private:
    QPointer<D> dialog_;
};

} // namespace

PreviewWindow::PreviewWindow(const Document& doc, QWidget* owner)
    : QWidget(owner, Qt::Window), doc_(doc), printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("PreviewWindow"));
    printer_.setPageLayout(ReportPageLayout());
    printer_.setFullPage(false);
    printer_.setCopyCount(1);

    view_ = new QPrintPreviewWidget(&printer_, this);
    view_->setObjectName(QStringLiteral("PreviewView"));
    connect(view_, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::Paint);
    connect(view_, &QPrintPreviewWidget::previewChanged, this, &PreviewWindow::UpdatePageText);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("PreviewTools"));
    AddCommand(bar, "ZoomToFit", "zoom-fit-page",
               ui::Tr(QStringLiteral("Page entière"), QStringLiteral("Zoom to fit")),
               &PreviewWindow::ZoomToFit);
    AddCommand(bar, "Zoom100", "", QStringLiteral("100 %"), &PreviewWindow::Zoom100);
    AddCommand(bar, "ZoomToWidth", "zoom-fit-width",
               ui::Tr(QStringLiteral("Pleine largeur"), QStringLiteral("Zoom to width")),
               &PreviewWindow::ZoomToWidth);
    bar->addSeparator();
    AddCommand(bar, "FirstPage", "go-first",
               ui::Tr(QStringLiteral("Première page"), QStringLiteral("First page")),
               &PreviewWindow::FirstPage);
    AddCommand(bar, "PreviousPage", "go-previous",
               ui::Tr(QStringLiteral("Page précédente"), QStringLiteral("Previous page")),
               &PreviewWindow::PreviousPage);
    pageText_ = new QLabel(bar);
    pageText_->setObjectName(QStringLiteral("PageText"));
    pageText_->setMinimumWidth(70);
    pageText_->setAlignment(Qt::AlignCenter);
    bar->addWidget(pageText_);
    AddCommand(bar, "NextPage", "go-next",
               ui::Tr(QStringLiteral("Page suivante"), QStringLiteral("Next page")),
               &PreviewWindow::NextPage);
    AddCommand(bar, "LastPage", "go-last",
               ui::Tr(QStringLiteral("Dernière page"), QStringLiteral("Last page")),
               &PreviewWindow::LastPage);
    bar->addSeparator();
    AddCommand(bar, "Print", "printer", ui::Tr(QStringLiteral("Imprimer"), QStringLiteral("Print")),
               &PreviewWindow::PrintReport);
    AddCommand(bar, "PrinterSetup", "page-setup",
               ui::Tr(QStringLiteral("Configuration de l'imprimante"), QStringLiteral("Printer setup")),
               &PreviewWindow::PrinterSetup);
    AddCommand(bar, "Save", "", ui::Tr(QStringLiteral("Enregistrer"), QStringLiteral("Save")),
               &PreviewWindow::SaveReportAs)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    AddCommand(bar, "Load", "", ui::Tr(QStringLiteral("Ouvrir"), QStringLiteral("Load")),
               &PreviewWindow::LoadReportFrom)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    bar->addSeparator();
    QAction* close =
        AddCommand(bar, "Close", "", ui::Tr(QStringLiteral("Fermer"), QStringLiteral("Close")), nullptr);
    connect(close, &QAction::triggered, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(view_, 1);
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 760, 860);
    resize(std::min(760, room.width()), std::min(860, room.height() - 40));
    Show(doc);
    // The whole first page at once: at 100 % the view would centre the page and hide its title.
    view_->fitInView();
}

QAction* PreviewWindow::AddCommand(QToolBar* bar, const char* name, const char* icon, const QString& text,
                                   void (PreviewWindow::*command)()) {
    QAction* action = bar->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(text);
    const QIcon picture = *icon ? PreviewIcon(icon) : QIcon();
    if (!picture.isNull()) action->setIcon(picture);
    if (command) ui::On(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    return action;
}

void PreviewWindow::Show(const Document& doc) {
    doc_ = doc;
    printer_.setDocName(doc_.title);
    setWindowTitle(ui::Tr(QStringLiteral("Aperçu avant impression"), QStringLiteral("Print preview")) +
                   (doc_.title.isEmpty() ? QString() : QStringLiteral(" - ") + doc_.title));
    view_->updatePreview();
    view_->setCurrentPage(1);
    UpdatePageText();
}

void PreviewWindow::Paint(QPrinter* printer) {
    Render(doc_, *printer);
}

void PreviewWindow::UpdatePageText() {
    pageText_->setText(QStringLiteral("%1 / %2").arg(view_->currentPage()).arg(view_->pageCount()));
}

void PreviewWindow::ZoomToFit() {
    view_->fitInView();
}
void PreviewWindow::Zoom100() {
    view_->setZoomFactor(1.0);
    // Zooming keeps the view's centre, which hides the page's title: show the top of the page.
    auto* pages = view_->findChild<QGraphicsView*>();
    if (!pages || !pages->scene()) return;
    QList<QGraphicsItem*> items = pages->scene()->items();
    std::sort(items.begin(), items.end(), [](const QGraphicsItem* a, const QGraphicsItem* b) {
        return a->sceneBoundingRect().top() < b->sceneBoundingRect().top();
    });
    const int index = view_->currentPage() - 1;
    if (index < 0 || index >= items.size()) return;
    const QRectF page = items[index]->sceneBoundingRect();
    pages->ensureVisible(QRectF(page.center().x(), page.top(), 1, 1), 0, 10);
}
void PreviewWindow::ZoomToWidth() {
    view_->fitToWidth();
}
void PreviewWindow::FirstPage() {
    view_->setCurrentPage(1);
    UpdatePageText();
}
void PreviewWindow::PreviousPage() {
    view_->setCurrentPage(view_->currentPage() - 1);
    UpdatePageText();
}
void PreviewWindow::NextPage() {
    view_->setCurrentPage(view_->currentPage() + 1);
    UpdatePageText();
}
void PreviewWindow::LastPage() {
    view_->setCurrentPage(view_->pageCount());
    UpdatePageText();
}

bool PreviewWindow::RunDialog(QDialog* dialog) {
    QPointer<PreviewWindow> self(this);
    QPointer<QDialog> guard(dialog);
    running_.append(guard);
    const int result = dialog->exec();
    if (!self) return false; // deleted with its owner meanwhile, the dialog with it
    running_.removeAll(guard);
    running_.removeAll(nullptr);
    const bool accepted = guard && result == QDialog::Accepted && !closeAsked_;
    if (closeAsked_ && running_.isEmpty()) QTimer::singleShot(0, this, &QWidget::close);
    return accepted;
}

QList<QDialog*> PreviewWindow::RunningDialogs() const {
    QList<QDialog*> dialogs;
    for (const QPointer<QDialog>& d : running_)
        if (d) dialogs.append(d.data());
    return dialogs;
}

void PreviewWindow::closeEvent(QCloseEvent* e) {
    if (!RunningDialogs().isEmpty()) {
        closeAsked_ = true;
        e->ignore();
        const QList<QDialog*> dialogs = RunningDialogs();
        for (auto it = dialogs.crbegin(); it != dialogs.crend(); ++it)
            (*it)->reject();
        return;
    }
    closeAsked_ = false;
    QWidget::closeEvent(e);
    Q_EMIT Closed();
}

void PreviewWindow::PrintReport() {
    OwnDialog<QPrintDialog> dialog(&printer_, this);
    if (RunDialog(dialog.get())) Render(doc_, printer_);
}

void PreviewWindow::PrinterSetup() {
    OwnDialog<QPageSetupDialog> dialog(&printer_, this);
    if (RunDialog(dialog.get())) view_->updatePreview();
}

void PreviewWindow::SaveReportAs() {
    const QString reports =
        ui::Tr(QStringLiteral("Rapport Ohmbrix (%1)"), QStringLiteral("Ohmbrix report (%1)"))
            .arg(kReportFilter);
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    OwnDialog<QFileDialog> dialog(
        this, ui::Tr(QStringLiteral("Enregistrer le rapport"), QStringLiteral("Save the report")), QString(),
        reports + QStringLiteral(";;") + pdf);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->selectNameFilter(reports);
    if (!RunDialog(dialog.get())) return;
    QString name = dialog->selectedFiles().value(0);
    if (name.isEmpty()) return;
    const bool asPdf =
        dialog->selectedNameFilter() == pdf || name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    if (!name.contains(QLatin1Char('.'))) name += asPdf ? QStringLiteral(".pdf") : QStringLiteral(".qrp");
    if (!SaveTo(name))
        ui::Message(this, ui::Tr(QStringLiteral("Impossible d'enregistrer le rapport."),
                                 QStringLiteral("The report could not be saved.")));
}

void PreviewWindow::LoadReportFrom() {
    OwnDialog<QFileDialog> dialog(
        this, ui::Tr(QStringLiteral("Ouvrir un rapport"), QStringLiteral("Load a report")), QString(),
        ui::Tr(QStringLiteral("Rapport Ohmbrix (%1)"), QStringLiteral("Ohmbrix report (%1)"))
            .arg(kReportFilter));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (!RunDialog(dialog.get())) return;
    const QString name = dialog->selectedFiles().value(0);
    if (name.isEmpty()) return;
    if (!LoadFrom(name))
        ui::Message(this, ui::Tr(QStringLiteral("Ce fichier n'est pas un rapport Ohmbrix."),
                                 QStringLiteral("This file is not an Ohmbrix report.")));
}

bool PreviewWindow::SaveTo(const QString& fileName) {
    if (fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return WritePdf(doc_, fileName);
    return SaveReport(doc_, fileName);
}

bool PreviewWindow::LoadFrom(const QString& fileName) {
    const std::optional<Document> loaded = LoadReport(fileName);
    if (!loaded) return false;
    Show(*loaded);
    return true;
}

} // namespace printing
