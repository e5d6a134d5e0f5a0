#pragma once
// Pictures at the screen's pixel density. A window shows the picture the build stored (drawn at
// 1); when a picture is painted at another device pixel ratio (a HiDPI screen, a move to another
// screen), its drawing runs again at that ratio and replaces it. Nothing is drawn for a picture
// never painted so, so creating windows costs the same on every screen.
#include "pictures/Stored.h"

#include <QImage>
#include <functional>

class QAbstractButton;
class QLabel;
class QWidget;

namespace ui {

using ShowPicture = std::function<void(const QImage&)>;

// `draw` must own what it draws from (capture by value): it runs long after the window's
// constructor. A widget follows one drawing; a second call replaces the first.
void FollowDensity(QLabel* label, pictures::Drawing draw);
void FollowDensity(QAbstractButton* button, pictures::Drawing draw);
// `show` puts a picture drawn at a new ratio in place, however the widget shows it.
void FollowDensity(QWidget* widget, pictures::Drawing draw, ShowPicture show);

// A label showing the picture file `relativeName`: while it shows the file as the build wrote it,
// it is drawn at the density it is painted at. A file changed since is shown as it is.
void FollowPictureFile(QLabel* label, const QString& relativeName);

// What a paint at `density` does: the picture drawn at `density` and shown. False when the widget
// follows no drawing (any more: something else has replaced its picture).
bool ShowAtDensity(QWidget* widget, qreal density);
// The widget's picture drawn at `density`, without showing it; null when it follows no drawing.
QImage DrawnAtDensity(QWidget* widget, qreal density);

} // namespace ui
