#include "printing/Preview.h"

#include "printing/PreviewWindow.h"

#include <QEventLoop>
#include <QPointer>
#include <QSet>

namespace printing {
namespace {

class DesktopPreview : public PreviewPlatform {
  public:
    void ShowPreview(QWidget* owner, const Document& doc) override {
        // A window of its own above the owner, not application-modal: the other windows stay
        // usable, and a preview asked for from a modal dialog is not blocked by it. It is deleted
        // here, once its loop has returned, never while a dialog of its own still runs above it.
        QPointer<PreviewWindow> window = new PreviewWindow(doc, owner);
        QEventLoop loop;
        QObject::connect(window, &PreviewWindow::Closed, &loop, &QEventLoop::quit);
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        window->show();
        window->raise();
        window->activateWindow();
        loop.exec();
        delete window; // the loop may also end because the application quits
    }
};

PreviewPlatform* g_preview = nullptr;
QSet<QString> g_open;

// Marks a report's preview open for as long as the request runs, failures included.
class OpenMark {
  public:
    explicit OpenMark(const QString& name) : name_(name) { g_open.insert(name_); }
    ~OpenMark() { g_open.remove(name_); }

  private:
    QString name_;
};

} // namespace

std::unique_ptr<PreviewPlatform> MakeDesktopPreview() {
    return std::make_unique<DesktopPreview>();
}

PreviewPlatform& CurrentPreviewPlatform() {
    static DesktopPreview desktop;
    return g_preview ? *g_preview : desktop;
}

ScopedPreview::ScopedPreview(PreviewPlatform& platform) : previous_(g_preview) {
    g_preview = &platform;
}
ScopedPreview::~ScopedPreview() {
    g_preview = previous_;
}

bool IsPreviewOpen(const QString& reportClass) {
    return g_open.contains(reportClass);
}

bool PreviewReport(const QString& reportClass, QWidget* form, int tablePage, QWidget* owner) {
    if (IsPreviewOpen(reportClass)) return false;
    if (!owner) owner = form;
    std::unique_ptr<Report> report = CreateReport(reportClass, form, tablePage);
    if (!report) return false;
    OpenMark mark(reportClass);
    Document doc = report->Produce();
    doc.reportClass = reportClass;
    report.reset();
    CurrentPreviewPlatform().ShowPreview(owner, doc);
    return true;
}

} // namespace printing
