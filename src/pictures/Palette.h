#pragma once
// The colours of the forms, named once for the windows and the pictures drawn for them.
#include <QColor>

namespace palette {

inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kYellow{0xFF, 0xFF, 0x00};
inline const QColor kLime{0x00, 0xFF, 0x00};
inline const QColor kAqua{0x00, 0xFF, 0xFF};
inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kNavy{0x00, 0x00, 0x80};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kBtnFace{0xF0, 0xF0, 0xF0};
// The platform's 3-D light and inactive-caption colours, as the forms use them.
inline const QColor k3DLight{0xE3, 0xE3, 0xE3};
inline const QColor kInactiveCaption{0xBF, 0xCD, 0xDB};

} // namespace palette
