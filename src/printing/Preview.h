#pragma once
// The print preview behind a seam, like the message boxes: the desktop one opens the preview
// window and returns when it closes; tests install one that keeps the documents.
#include "printing/Report.h"

#include <functional>
#include <memory>

class QWidget;

namespace printing {

class PreviewPlatform {
  public:
    virtual ~PreviewPlatform() = default;
    // Shows the filled pages; returns when the preview is closed.
    virtual void ShowPreview(QWidget* owner, const Document& doc) = 0;
};

// The preview window (PreviewWindow.h), not application-modal, with a local event loop.
std::unique_ptr<PreviewPlatform> MakeDesktopPreview();

PreviewPlatform& CurrentPreviewPlatform();
// Installs a preview for the lifetime of the object; the previous one comes back afterwards.
class ScopedPreview {
  public:
    explicit ScopedPreview(PreviewPlatform& platform);
    ~ScopedPreview();
    ScopedPreview(const ScopedPreview&) = delete;
    ScopedPreview& operator=(const ScopedPreview&) = delete;

  private:
    PreviewPlatform* previous_;
};

// A window's print request: fills the named report (Reports.cpp) from `form`, the window it
// prints, and shows its preview, returning when the preview closes. The preview belongs to
// `owner` (the form itself unless a print-choice dialog asks). Ignored (false) while that
// report's preview is already open, and when the program has no such report.
bool PreviewReport(const QString& reportClass, QWidget* form, int tablePage = 1, QWidget* owner = nullptr);
bool IsPreviewOpen(const QString& reportClass);

// The reports of the program, by class name.
using ReportFactory = std::function<std::unique_ptr<Report>()>;
std::unique_ptr<Report> CreateReport(const QString& reportClass, QWidget* form = nullptr, int tablePage = 1);
QStringList ReportClasses();
// The class of the window a report prints (for checks over every report).
const char* ReportWindow(const QString& reportClass);

// A report with a layout of its own registers itself beside the window it prints
// (OHMBRIX_REGISTER_REPORT in that window's unit), so this engine names no window.
bool RegisterReport(const char* reportClass, const char* windowClass, ReportFactory factory);

// Tests add a report of their own (or replace one) for the lifetime of the object.
class ScopedReport {
  public:
    ScopedReport(const QString& reportClass, ReportFactory factory);
    ~ScopedReport();
    ScopedReport(const ScopedReport&) = delete;
    ScopedReport& operator=(const ScopedReport&) = delete;

  private:
    QString name_;
};

} // namespace printing

// In the unit of the window a report prints, at namespace scope.
#define OHMBRIX_REGISTER_REPORT(R, W)                                                                        \
    namespace {                                                                                              \
    [[maybe_unused]] const bool kRegistered##R =                                                             \
        ::printing::RegisterReport(#R, #W, [] { return std::unique_ptr<::printing::Report>(new R()); });     \
    }
