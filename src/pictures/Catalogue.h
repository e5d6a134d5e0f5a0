#pragma once
// The picture files the build writes under the picture root.

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace pictures {

struct PictureFile {
    QString name;                 // relative to the picture root, e.g. "interface/Onde.bmp"
    std::function<QImage()> draw; // draws the picture at its final size
};

const std::vector<PictureFile>& InterfaceFiles(); // previews, headings, English variants
std::vector<PictureFile> FormulaFiles();          // the memory device's "formule/" pictures
std::vector<PictureFile> AllFiles();              // InterfaceFiles() then FormulaFiles()

// The file `name` as the build writes it, drawn at `density` (a HiDPI screen shows the files it
// finds unchanged at its own density); null for a name that is not one of AllFiles().
QImage DrawFile(const QString& name, qreal density);

// Writes every file of AllFiles() under root as a Windows bitmap, creating sub-directories.
// Returns false and sets failedName to the relative name of the first file that failed.
bool WritePictureFiles(const QString& root, QString* failedName);

} // namespace pictures
