// The program's colours by name, as its design gives them: (red, green, blue) triples, or
// 0xBBGGRR values with blue in the high byte, read by fromBgr. Its windows are a light design:
// where a background is fixed, the text on it is given a fixed colour too.
#pragma once

#include <QColor>

#include <cstdint>

inline QColor fromBgr(std::uint32_t bbggrr)
{
    return {static_cast<int>(bbggrr & 0xFFU), static_cast<int>((bbggrr >> 8U) & 0xFFU),
            static_cast<int>((bbggrr >> 16U) & 0xFFU)};
}

namespace Colour {

inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor red{255, 0, 0};
inline const QColor green{0, 255, 0};
inline const QColor lightGreen{128, 255, 128};
inline const QColor yellow{255, 255, 0};
inline const QColor orange{255, 128, 0};
inline const QColor olive{128, 128, 0};
inline const QColor lightOlive{192, 192, 0};
inline const QColor lightYellow{255, 255, 224};
inline const QColor lightCyan{128, 255, 255};
inline const QColor darkRed = fromBgr(0x000080); // an edited value
inline const QColor darkGreen{0, 128, 0};
inline const QColor blue = fromBgr(0xFF0000); // an accepted delay
inline const QColor darkBlue = fromBgr(0xC00000); // the instructions restored
// The panels of the main window's frames and options.
inline const QColor panel{224, 231, 223};
// The spread between people under the curve: pale enough for the curve and the reference lines
// over it to read, on screen and on paper.
inline const QColor spreadBand{214, 228, 242};
// The push buttons of a light desktop, where the program fixes the colours around them.
inline const QColor buttonFace{240, 240, 240};

} // namespace Colour
