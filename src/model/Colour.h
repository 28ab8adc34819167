#pragma once

#include <QColor>
#include <QString>

class QPalette;

namespace ulvanta {

// Colour settings are text, "#RRGGBB" or empty; colour numbers pack red in the
// lowest byte (red + 256 * green + 65536 * blue). A number with the top bit set
// names a system colour of the platform by its index.
namespace Colour {

constexpr qint32 SystemWindow = qint32(0x80000005u);     // window background
constexpr qint32 SystemWindowText = qint32(0x80000008u); // window text
constexpr qint32 SystemButtonFace = qint32(0x8000000Fu); // button face

constexpr qint32 Blue = 0xFF0000;
constexpr qint32 Purple = 0x800080;
constexpr qint32 Red = 0x0000FF;

// "#RRGGBB" (every "#" removed, then three pairs of hexadecimal digits; the last
// pair may be a single digit) -> the colour number as decimal text. A missing or
// non-hexadecimal pair gives empty text; characters after the sixth are ignored.
QString hexToNumber(const QString& colHex);

// Decimal colour number 0..16777215 -> "#RRGGBB" in upper case. Text that is not
// such a number gives empty text (no colour).
QString numberToHex(const QString& colNum);

bool isSystemColour(qint32 number);

// The colour a number stands for; system colours come from the palette (window
// background = Base, window text = Text, button face = Button, any other = Window).
QColor toColor(qint32 number, const QPalette& palette);

// The colour number of an ordinary colour.
qint32 toNumber(const QColor& colour);

} // namespace Colour
} // namespace ulvanta
