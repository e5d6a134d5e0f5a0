// The reports of the program by class name: a window's print handler and a print-choice
// dialog ask for their report by this name.
#include "printing/Preview.h"
#include "printing/QRCodeRes.h"
#include "printing/QREia.h"
#include "printing/QRImpSerieRLC.h"
#include "printing/QRIndNoyauAir.h"
#include "printing/QRMemory.h"
#include "printing/QRReacCap.h"
#include "printing/QRResCond.h"
#include "printing/QRTabReacCap.h"
#include "printing/QRValeurRec.h"

#include <map>

namespace printing {
namespace {

template <class R> ReportFactory Make() {
    return [] { return std::make_unique<R>(); };
}

std::map<QString, ReportFactory>& Table() {
    static std::map<QString, ReportFactory> table{
        {QStringLiteral("TQRCodeRes"), Make<TQRCodeRes>()},
        {QStringLiteral("TQRValeurRec"), Make<TQRValeurRec>()},
        {QStringLiteral("TQREia"), Make<TQREia>()},
        {QStringLiteral("TQRResCond"), Make<TQRResCond>()},
        {QStringLiteral("TQRReacCap"), Make<TQRReacCap>()},
        {QStringLiteral("TQRTabReacCap"), Make<TQRTabReacCap>()},
        {QStringLiteral("TQRIndNoyauAir"), Make<TQRIndNoyauAir>()},
        {QStringLiteral("TQRImpSerieRLC"), Make<TQRImpSerieRLC>()},
        {QStringLiteral("TQRMemory"), Make<TQRMemory>()},
    };
    return table;
}

std::map<QString, std::vector<ReportFactory>>& Replaced() {
    static std::map<QString, std::vector<ReportFactory>> replaced;
    return replaced;
}

} // namespace

std::unique_ptr<Report> CreateReport(const QString& reportClass) {
    const auto found = Table().find(reportClass);
    return found == Table().end() || !found->second ? nullptr : found->second();
}

QStringList ReportClasses() {
    QStringList names;
    for (const auto& [name, factory] : Table())
        if (factory) names << name;
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
