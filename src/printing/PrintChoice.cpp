#include "printing/PrintChoice.h"

#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Widgets.h"

#include <QFrame>

namespace printing {

PrintChoice::PrintChoice(QWidget* parent, const QString& reportClass, QSize client)
    : ui::Window(parent), report_(reportClass) {
    // A tool window without caption text.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetForm(QString(), client.width(), client.height(), ui::kSilver);
}

void PrintChoice::Build(const ui::FormTable& table) {
    const ui::FormParts parts = ui::BuildForm(this, table);
    for (const ui::FormRow& r : table.rows) {
        if (r.kind != ui::PartKind::Button) continue;
        const int page = ++pages_;
        ui::On(parts.Get<QPushButton>(r.name), &QPushButton::clicked, this,
               [this, page] { ChoosePage(page); });
    }
}

void PrintChoice::ChoosePage(int page) {
    // A click while the report's preview is open does nothing, not even change the page.
    if (page < 1 || page > Pages() || IsPreviewOpen(report_)) return;
    PageSelector = page;
    PreviewReport(report_, table_, PageSelector, this);
}

void PrintChoice::OpenFor(QWidget* table) {
    table_ = table;
    // Not exec(): a preview opened by "P1" runs its loop inside this one, so after the dialog is
    // closed under it, its loop cannot return before the preview does. A second exec() would be
    // refused and the print button would seem dead; the request only shows the dialog again.
    if (!waiting_ && isVisible() && !isModal()) hide(); // shown without a request: shown again, modal
    if (!isVisible()) setWindowModality(Qt::ApplicationModal);
    ShowTopic();
    if (waiting_) return;
    QPointer<PrintChoice> self(this);
    QEventLoop loop;
    waiting_ = &loop;
    // Shown again while the loop waited under the preview: wait for that showing too.
    while (self && isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (!self) return;
    waiting_ = nullptr;
    setWindowModality(Qt::NonModal);
}

PrintChoice::~PrintChoice() {
    if (waiting_) waiting_->quit(); // the request returns without touching the dialog
}

void PrintChoice::setVisible(bool visible) {
    ui::Window::setVisible(visible);
    if (!visible && waiting_) waiting_->quit();
}

} // namespace printing
