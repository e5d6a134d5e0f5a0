#include "printing/PrintChoice.h"

#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Widgets.h"

#include <QFrame>

namespace printing {

PrintChoice::PrintChoice(QWidget* parent, const QString& reportClass, QSize client,
                         const std::vector<QRect>& buttons)
    : ui::Window(parent), report_(reportClass), buttons_(buttons) {
    // A tool window without caption text.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetForm(QString(), client.width(), client.height(), ui::kSilver);
    QFrame* panel = ui::MakePanel(this, "Panel1", 0, 0, client.width(), client.height(), ui::kSilver);
    void (PrintChoice::*handlers[])() = {&PrintChoice::Button1Click, &PrintChoice::Button2Click,
                                         &PrintChoice::Button3Click};
    for (std::size_t i = 0; i < buttons.size() && i < std::size(handlers); ++i) {
        const QByteArray name = "Button" + QByteArray::number(int(i + 1));
        const QRect& r = buttons[i];
        QPushButton* button = ui::MakeButton(panel, name.constData(), QStringLiteral("P%1").arg(i + 1), r.x(),
                                             r.y(), r.width(), r.height());
        auto handler = handlers[i];
        ui::On(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
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
