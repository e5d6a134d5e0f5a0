#pragma once
// One drawing code for the preview, the printer and the PDF file, and the saved-report format.
#include "printing/Report.h"

#include <QPageLayout>
#include <optional>

class QPainter;
class QPagedPaintDevice;

namespace printing {

// Letter, portrait, 10 mm margins.
QPageLayout ReportPageLayout();

// Draws one page in report units; the painter's origin is the top-left margin.
void DrawPage(QPainter& painter, const Page& page);

// Draws every page onto a printer, a PDF writer or the preview's printer, whose painter
// origin is already at the margin (QPrinter without full-page mode, QPdfWriter).
void Render(const Document& doc, QPagedPaintDevice& device);

// The report as a PDF file; false when the file cannot be written.
bool WritePdf(const Document& doc, const QString& fileName);

// A saved report: the filled pages as a small serialised description (".qrp").
bool SaveReport(const Document& doc, const QString& fileName);
std::optional<Document> LoadReport(const QString& fileName);

} // namespace printing
