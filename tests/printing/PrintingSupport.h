#pragma once
// What the printing tests share: the PDF of a document read back with poppler's tools (the
// fixture keeps the previews, see KeptPreviews).
#include "printing/Preview.h"
#include "printing/Render.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Poppler's command-line tools (Debian's poppler-utils).
inline bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty();
}
#define REQUIRE_POPPLER()                                                                                    \
    do {                                                                                                     \
        if (!HavePoppler())                                                                                  \
            GTEST_SKIP() << "pdftotext/pdfinfo/pdfimages not found: install poppler-utils to read the PDFs"; \
    } while (0)

inline QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A document written as PDF into a folder that lives as long as the object.
class PdfFile {
  public:
    explicit PdfFile(const printing::Document& doc) : path_(dir_.filePath(QStringLiteral("report.pdf"))) {
        EXPECT_TRUE(printing::WritePdf(doc, path_));
    }
    const QString& Path() const { return path_; }
    // The text of one page (0: all), layout kept so a name and its value share a line.
    QString Text(int page = 0) const {
        QStringList args{QStringLiteral("-layout")};
        if (page > 0)
            args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                 << QString::number(page);
        return RunTool(QStringLiteral("pdftotext"), args << path_ << QStringLiteral("-"));
    }
    // A copy for a person to look at, when OHMBRIX_SNAPSHOTS names a folder.
    void Keep(const QString& name) const {
        const QString dir = QString::fromLocal8Bit(qgetenv("OHMBRIX_SNAPSHOTS"));
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        QFile::remove(dir + '/' + name + ".pdf");
        QFile::copy(path_, dir + '/' + name + ".pdf");
    }
    QString Info() const { return RunTool(QStringLiteral("pdfinfo"), {path_}); }
    // Lines of "pdfimages -list" after its two heading lines.
    int Images() const {
        const QStringList lines = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path_})
                                      .split('\n', Qt::SkipEmptyParts);
        return std::max(0, int(lines.size()) - 2);
    }

    // The x resolution (ppi) of each image, as placed on its page.
    std::vector<int> ImageResolutions() const {
        std::vector<int> ppi;
        const QStringList lines = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path_})
                                      .split('\n', Qt::SkipEmptyParts);
        for (int i = 2; i < lines.size(); ++i) {
            const QStringList columns = lines[i].simplified().split(' ');
            if (columns.size() > 12) ppi.push_back(columns[12].toInt());
        }
        return ppi;
    }

  private:
    QTemporaryDir dir_;
    QString path_;
};

// A report's text holds no word of the other language: French-only words in English, English-only
// ones in French (a few of each, from the shared layouts and the odd reports).
inline void ExpectOneLanguage(const QString& text, bool english) {
    static const QStringList french = {"Résultat", "Valeurs saisie", "Schémas", "Tolérance",
                                       "Couleurs", "résistivité",    "Imprimé", "Degrés",
                                       "Unité",    "réactance",      "jaune"};
    static const QStringList englishOnly = {"Result:",   "Values entered", "Diagrams", "Tolerance",
                                            "Colors",    "resistivity",    "Printed",  "Degrees",
                                            "reactance", "yellow"};
    for (const QString& word : english ? french : englishOnly)
        EXPECT_FALSE(text.contains(word)) << word.toStdString() << " in: " << text.toStdString();
}

// One line of the PDF text squeezed to single blanks, for "f = 1 kHertz".
inline QString Squeezed(const QString& text) {
    return text.simplified();
}

// Each line is part of the text. pdftotext drops or adds blanks between some close glyphs
// ("L= 1H"); where that happens, `blanksCount` false leaves blanks out on both sides.
inline void ExpectLines(const QString& text, const QStringList& lines, bool blanksCount = true) {
    const auto unblanked = [&](QString s) { return blanksCount ? s : s.remove(QLatin1Char(' ')); };
    for (const QString& line : lines)
        EXPECT_TRUE(unblanked(text).contains(unblanked(line)))
            << line.toStdString() << "\nin: " << text.toStdString();
}
