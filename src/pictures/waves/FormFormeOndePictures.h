#pragma once
// The pictures of the wave window: formula boxes, symbol plates and the three reference pages.
// The band table and the memory aid exist in both languages; the English ones are also the
// picture files the window loads in English.
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

namespace pictures {

QImage FrequencyOfPeriodFormula();        // 145 x 89: f = 1 / T on a green rounded box
QImage PeriodOfFrequencyFormula();        // 145 x 89: T = 1 / f
QImage WavelengthFormula();               // 145 x 89: lambda = V / f
QImage WaveSymbol(const QString& markup); // 33 x 17 green plate ("T =")

QImage FrequencyBandTable(bool english); // 449 x 213
// The rows of the band table: range, name, abbreviation (the band table and its preview).
QVector<QStringList> FrequencyBands(bool english);
// 417 x 217: the seven terms, laid out so that the window's links "e1" (344, 72), "Em"
// (344, 96), "(T)" (96, 133) and "(f)" (112, 195) fall where each line leaves room for them.
QImage MemoryAid(bool english);
QImage SineWaveDiagram(); // 361 x 177, no words: the same in both languages

} // namespace pictures
