#include "components/HtmlText.h"

#include <algorithm>
#include <charconv>

namespace ulvanta::HtmlText {

QString encode(const QString& text) {
    const auto plain = [](QChar c) {
        const char16_t u = c.unicode();
        return u <= '~' && u != '&' && u != '<' && u != '>' && u != '"';
    };
    // Most text needs nothing: hand it back shared, without a copy.
    if (std::all_of(text.cbegin(), text.cend(), plain))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 4 + 8);
    appendEncoded(out, text);
    return out;
}

void appendEncoded(QString& out, QStringView text, bool commas) {
    const auto plain = [commas](char16_t u) {
        return u <= '~' && u != '&' && u != '<' && u != '>' && u != '"' && (!commas || u != ',');
    };
    const char16_t* const p = text.utf16();
    const qsizetype n = text.size();
    // Plain characters go over in runs; a page of 100,000 icons has millions.
    qsizetype run = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = p[i];
        if (plain(u))
            continue;
        out.append(QStringView(p + run, i - run));
        run = i + 1;
        switch (u) {
        case ',':
            out.append(QLatin1StringView("&amp;comma;"));
            continue;
        case '&':
            out.append(QLatin1StringView("&amp;"));
            continue;
        case '<':
            out.append(QLatin1StringView("&lt;"));
            continue;
        case '>':
            out.append(QLatin1StringView("&gt;"));
            continue;
        case '"':
            out.append(QLatin1StringView("&quot;"));
            continue;
        default:
            break;
        }
        char32_t cp = u;
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            cp = QChar::surrogateToUcs4(u, p[i + 1]);
            run = ++i + 1;
        }
        char digits[16] = "&#";
        const auto end = std::to_chars(digits + 2, digits + sizeof digits - 1, uint(cp)).ptr;
        *end = ';';
        out.append(QLatin1StringView(digits, end + 1 - digits));
    }
    out.append(QStringView(p + run, n - run));
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
