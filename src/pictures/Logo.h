#pragma once
#include <QImage>

namespace pictures {
// The maker's logo, 201 x 81: the about window writes the product's name over its top left.
QImage MakerLogo();
// The language chooser's picture: two flags side by side under the product's name.
QImage LanguagePicture(QSize size);
} // namespace pictures
