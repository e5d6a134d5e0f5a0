#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace pictures {
QImage HeadingBar(const QString& title);
QImage ConnectorPicture();
} // namespace pictures
