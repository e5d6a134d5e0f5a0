#pragma once
// The pictures the windows are built with. The build draws them ahead (ohmbrix_drawwindows) and
// the program holds them as resources, so that creating a window loads no formula fonts and lays
// out no formula. A program without them (the tests, the drawing tool) draws each when asked.
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

namespace pictures {

using Drawing = std::function<QImage()>;

// The picture `name` of the window class `form`, as stored by the build, or drawn now when the
// program holds none. An empty form (a widget not yet inside a window) is drawn and noted.
QImage Stored(const QString& form, const QString& name, const Drawing& draw);

// The names ("form/name") of the pictures the program holds.
QStringList StoredNames();

struct StoreCounts {
    int loaded = 0; // found among the resources
    int drawn = 0;  // drawn at run time
};
StoreCounts Counts();

// The drawing tool's side: while recording every picture is drawn and kept by "form/name".
void Record(bool on);
const std::map<QString, QImage>& Recorded();
// Names asked for outside any window, or asked twice with different pictures.
QStringList RecordingFaults();
// The pictures as the program holds them (one resource, read in place): identical pictures once.
QByteArray PackPictures(const std::map<QString, QImage>& pictures);

} // namespace pictures
