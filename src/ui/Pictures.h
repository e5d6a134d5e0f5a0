#pragma once
// Picture files: Windows bitmaps under one root, opened and checked whenever a handler asks. Only
// regular files are read, header first, and no further than the header says; a file already
// decoded and not changed since (same size, times and inode) shares the pixels decoded before.
#include <QImage>
#include <QString>

class QLabel;

namespace ui {

// <program dir>/../share/ohmbrix/, ending in "/".
QString PictureRoot();

class ScopedPictureRoot {
  public:
    explicit ScopedPictureRoot(const QString& root);
    ~ScopedPictureRoot();
    ScopedPictureRoot(const ScopedPictureRoot&) = delete;
    ScopedPictureRoot& operator=(const ScopedPictureRoot&) = delete;

  private:
    QString previous_;
};

// Reads the whole bitmap, or throws core::PictureError with the platform's text: anything but a
// regular file cannot be opened; a header declaring more than the file holds is a stream read
// error; a bitmap wider or taller than 4096 pixels, larger than any window, is no bitmap of ours
// ("Image bitmap incorrecte"). An empty file gives an empty picture.
QImage LoadPicture(const QString& relativeName);

// Loads into the label only once the file is read whole; on failure the label keeps its picture.
void LoadPictureInto(QLabel* label, const QString& relativeName);

} // namespace ui
