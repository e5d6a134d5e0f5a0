#pragma once
// Topic previews of the main window (261 x 153) and the English reference pictures, grouped by
// subsystem, plus the kit they are drawn with. Internal to the pictures library.

#include <QColor>
#include <QRectF>
#include <QStringList>
#include <QVector>

#include <functional>
#include <vector>

#include "pictures/Catalogue.h"

class QPainter;

namespace pictures {

std::vector<PictureFile> UtilityPreviews();
std::vector<PictureFile> ResistancePreviews();
std::vector<PictureFile> ImpedancePreviews();
std::vector<PictureFile> WavePreviews();
std::vector<PictureFile> CapacitancePreviews();
std::vector<PictureFile> InductancePreviews();

inline constexpr int kPreviewWidth = 261;
inline constexpr int kPreviewHeight = 153;

using Sketch = std::function<void(QPainter&, const QRectF&)>;

// One preview: a title, an optional sketch (circuit, drawing or table) and formulas.
struct Topic {
    const char* file;
    QString title;
    Sketch sketch;
    QStringList formulas = {}; // formula markup, one box each
    bool stacked = false;      // sketch on top and formulas below, for wide sketches
    bool english = true;       // false: no "_en" variant (the topic has its own English file)
};

std::vector<Topic> UtilityTopics();
std::vector<Topic> ResistanceTopics();
std::vector<Topic> ImpedanceTopics();
std::vector<Topic> WaveTopics();
std::vector<Topic> CapacitanceTopics();
std::vector<Topic> InductanceTopics();

// The English variant of a preview is drawn by the same code with every French text passed
// through Say(): whole texts from a word table, otherwise numbers get the decimal point.
// French drawing returns texts unchanged.
QString Say(const QString& french);
QString EnglishName(const char* file); // "interface/X.bmp" -> "interface/X_en.bmp"

void PaintTopic(QPainter& p, const Topic& topic, bool english);
QImage DrawTopic(const Topic& topic, bool english = false);
// Each topic's file, then its English variant where it has one.
std::vector<PictureFile> ToFiles(const std::vector<Topic>& topics);

// A formula on a green rounded box inside rect.
void FormulaPanel(QPainter& p, const QRectF& rect, const QString& markup, qreal typeSize);

// A grid with a heading row; cells are literal text, the first column may be a heading column.
struct GridStyle {
    QColor head = QColor(0, 255, 255);
    QColor cell = Qt::white;
    QColor firstColumn = QColor(0, 255, 255);
    int pixelSize = 9;
    bool boldCells = false;
};
void MiniGrid(QPainter& p, const QRectF& rect, const QStringList& header, const QVector<QStringList>& rows,
              const GridStyle& style, const QVector<qreal>& widths = {});

// A miniature table filling the top of rect with an optional formula box under it.
Sketch GridWithFormula(QStringList header, QVector<QStringList> rows, GridStyle style, QString formula = {});

enum class Part { R, L, C };
void DrawPart(QPainter& p, Part part, QPointF a, QPointF b);

// Three parts in a row between two terminals, named with names, the span marked total.
Sketch SeriesChain(Part part, QStringList names, QString total);
// Three parts between two rails, total marked across the rails.
Sketch ParallelBank(Part part, QStringList names, QString total);
// An AC (or DC) source in a loop with parts in series along the top and right side.
Sketch SourceLoop(bool ac, QVector<Part> parts, QStringList names);
// An AC source across parts in parallel.
Sketch SourceParallel(QVector<Part> parts, QStringList names);

} // namespace pictures
