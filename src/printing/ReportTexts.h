#pragma once
// The reports' own texts (titles, headings, line names, the notice) are written in French; an
// English session prints them in English, so a report never mixes the two languages.
#include <QString>

namespace printing {

// `french` as the report prints it now: itself in French, its English text in English (a text
// that is no fixed text of a report, a value say, is printed as it is).
QString ReportText(const QString& french);

} // namespace printing
