#pragma once
#include <QImage>

namespace pictures {
// A black arrow pointing right, from a prefix page's from list to its to list, 81 x 17, on the
// button face.
QImage ConverterArrow();
} // namespace pictures
