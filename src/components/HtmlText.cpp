#include "components/HtmlText.h"

#include <algorithm>

namespace ulvanta::HtmlText {

QString encode(const QString& text) {
    // Most text needs nothing: hand it back shared, without a copy.
    const auto plain = [](QChar c) {
        const char16_t u = c.unicode();
        return u <= '~' && u != '&' && u != '<' && u != '>' && u != '"';
    };
    if (std::all_of(text.cbegin(), text.cend(), plain))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (auto it = text.cbegin(); it != text.cend(); ++it) {
        const QChar c = *it;
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            continue;
        case '<':
            out += QLatin1String("&lt;");
            continue;
        case '>':
            out += QLatin1String("&gt;");
            continue;
        case '"':
            out += QLatin1String("&quot;");
            continue;
        default:
            break;
        }
        if (c.unicode() <= '~') {
            out += c;
            continue;
        }
        char32_t cp = c.unicode();
        if (c.isHighSurrogate() && it + 1 != text.cend() && (it + 1)->isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, *(it + 1));
            ++it;
        }
        out += QLatin1String("&#") + QString::number(uint(cp)) + QLatin1Char(';');
    }
    return out;
}

QString decode(const QString& text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('&')) {
            out += c;
            continue;
        }
        const QStringView rest = QStringView(text).mid(i);
        if (rest.startsWith(QLatin1String("&amp;"))) {
            out += QLatin1Char('&');
            i += 4;
        } else if (rest.startsWith(QLatin1String("&lt;"))) {
            out += QLatin1Char('<');
            i += 3;
        } else if (rest.startsWith(QLatin1String("&gt;"))) {
            out += QLatin1Char('>');
            i += 3;
        } else if (rest.startsWith(QLatin1String("&quot;"))) {
            out += QLatin1Char('"');
            i += 5;
        } else if (rest.startsWith(QLatin1String("&#"))) {
            qsizetype j = 2;
            char32_t cp = 0;
            while (j < rest.size() && j < 10 && rest[j].isDigit() && rest[j].unicode() < 128) {
                cp = cp * 10 + char32_t(rest[j].unicode() - '0');
                ++j;
            }
            const bool ok = j > 2 && j < rest.size() && rest[j] == QLatin1Char(';') &&
                            cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
            if (ok) {
                out += QString::fromUcs4(&cp, 1);
                i += j;
            } else {
                out += c;
            }
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace ulvanta::HtmlText
