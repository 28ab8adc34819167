#include "model/Colour.h"

#include <QPalette>

namespace ulvanta::Colour {

namespace {
// A pair of the colour text: one or two hexadecimal digits, else -1.
int hexPair(const QString& text, qsizetype from) {
    const QString pair = text.mid(from, 2);
    if (pair.isEmpty())
        return -1;
    int value = 0;
    for (const QChar c : pair) {
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        else
            return -1;
        value = value * 16 + digit;
    }
    return value;
}
} // namespace

QString hexToNumber(const QString& colHex) {
    QString digits = colHex;
    digits.remove(QLatin1Char('#'));
    const int red = hexPair(digits, 0);
    const int green = hexPair(digits, 2);
    const int blue = hexPair(digits, 4);
    if (red < 0 || green < 0 || blue < 0)
        return {};
    return QString::number(red + 256 * green + 65536 * blue);
}

QString numberToHex(const QString& colNum) {
    bool ok = false;
    const qlonglong n = colNum.trimmed().toLongLong(&ok);
    if (!ok || n < 0 || n > 0xFFFFFF)
        return {};
    // Six digits read blue, green, red; the text reads red, green, blue.
    const QString bgr = QString::number(n, 16).toUpper().rightJustified(6, QLatin1Char('0'));
    return QLatin1Char('#') + bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.left(2);
}

bool isSystemColour(qint32 number) {
    return number < 0;
}

QColor toColor(qint32 number, const QPalette& palette) {
    if (isSystemColour(number)) {
        switch (number) {
        case SystemWindow:
            return palette.color(QPalette::Base);
        case SystemWindowText:
            return palette.color(QPalette::Text);
        case SystemButtonFace:
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

qint32 toNumber(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

} // namespace ulvanta::Colour
