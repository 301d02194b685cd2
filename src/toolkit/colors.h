// Colours as the program states them: (red, green, blue) triples or 0xBBGGRR values with blue
// in the high byte, so that 0x000080 and (128, 0, 0) are the same dark red.
#pragma once

#include <QColor>

inline QColor fromBgr(unsigned bbggrr)
{
    return {static_cast<int>(bbggrr & 0xFFU), static_cast<int>((bbggrr >> 8U) & 0xFFU),
            static_cast<int>((bbggrr >> 16U) & 0xFFU)};
}
