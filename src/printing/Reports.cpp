// The reports of the program by class name: the rows of the standard calculator report, and
// the classes of the reports with a layout of their own, each registered in the unit of the
// window it prints. A window's print handler and a print-choice dialog ask for their report by
// this name.
#include "printing/Preview.h"
#include "printing/ReportRows.h"

#include <map>

namespace printing {
namespace {

std::map<QString, ReportFactory>& Table() {
    static std::map<QString, ReportFactory> table;
    return table;
}

std::map<QString, std::vector<ReportFactory>>& Replaced() {
    static std::map<QString, std::vector<ReportFactory>> replaced;
    return replaced;
}

// The window each report with a layout of its own prints.
std::map<QString, const char*>& Windows() {
    static std::map<QString, const char*> windows;
    return windows;
}

} // namespace

bool RegisterReport(const char* reportClass, const char* windowClass, ReportFactory factory) {
    Table()[QLatin1String(reportClass)] = std::move(factory);
    Windows()[QLatin1String(reportClass)] = windowClass;
    return true;
}

const char* ReportWindow(const QString& reportClass) {
    if (const ReportRow* row = FindReportRow(reportClass)) return row->window;
    const auto found = Windows().find(reportClass);
    return found == Windows().end() ? nullptr : found->second;
}

std::unique_ptr<Report> CreateReport(const QString& reportClass, QWidget* form, int tablePage) {
    std::unique_ptr<Report> report;
    const auto found = Table().find(reportClass);
    if (found != Table().end() && found->second)
        report = found->second();
    else if (const ReportRow* row = FindReportRow(reportClass))
        report = std::make_unique<RowReport>(*row);
    if (report) report->SetSource(form, tablePage);
    return report;
}

QStringList ReportClasses() {
    QStringList names;
    for (const auto& [name, factory] : Table())
        if (factory) names << name;
    for (const ReportRow& row : ReportRows())
        if (!Table().count(QLatin1String(row.report))) names << QLatin1String(row.report);
    names.sort();
    return names;
}

ScopedReport::ScopedReport(const QString& reportClass, ReportFactory factory) : name_(reportClass) {
    ReportFactory& slot = Table()[name_];
    Replaced()[name_].push_back(slot);
    slot = std::move(factory);
}

ScopedReport::~ScopedReport() {
    std::vector<ReportFactory>& previous = Replaced()[name_];
    Table()[name_] = previous.back();
    previous.pop_back();
    if (!Table()[name_]) Table().erase(name_);
}

} // namespace printing
