#include "components/HtmlText.h"

#include "components/CellText.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ulvanta::HtmlText {

namespace {

// Which ASCII characters go onto the page as they are, without and with commas
// turned into entities.
struct PlainAscii {
    bool plain[128];
};
constexpr PlainAscii plainAscii(bool commas) {
    PlainAscii t{};
    for (int u = 0; u < 128; ++u)
        t.plain[u] =
            u <= '~' && u != '&' && u != '<' && u != '>' && u != '"' && (!commas || u != ',');
    return t;
}
constexpr PlainAscii kPlain = plainAscii(false);
constexpr PlainAscii kPlainCommas = plainAscii(true);

// The entity of an ASCII character below DEL that is not plain.
QLatin1StringView asciiEntity(char16_t u) {
    switch (u) {
    case ',':
        return QLatin1StringView("&amp;comma;");
    case '&':
        return QLatin1StringView("&amp;");
    case '<':
        return QLatin1StringView("&lt;");
    case '>':
        return QLatin1StringView("&gt;");
    default:
        return QLatin1StringView("&quot;");
    }
}

// Writes into the end of a byte array through a pointer. Room for one byte a
// character remains is kept at all times, so plain characters are stored
// without a check; an entity asks for its room first.
class EntityWriter {
public:
    EntityWriter(QByteArray& out, qsizetype units) : m_out(out), m_start(out.size()) {
        out.resize(m_start + units + kSlack);
        m_d = out.data() + m_start;
        m_end = out.data() + out.size();
    }
    void plain(char c) { *m_d++ = c; }
    void plain8(const uchar* p) {
        std::memcpy(m_d, p, 8);
        m_d += 8;
    }
    // An entity, with `left` units of text still to come.
    void entity(QLatin1StringView text, qsizetype left) {
        room(left);
        std::memcpy(m_d, text.data(), size_t(text.size()));
        m_d += text.size();
    }
    void number(char32_t cp, qsizetype left) {
        room(left);
        *m_d++ = '&';
        *m_d++ = '#';
        m_d = std::to_chars(m_d, m_end, uint(cp)).ptr;
        *m_d++ = ';';
    }
    void finish() { m_out.resize(m_d - m_out.constData()); }
    // Back to where this text began.
    void undo() { m_out.resize(m_start); }

private:
    // More than the longest entity, "&amp;comma;".
    static constexpr qsizetype kSlack = 16;
    void room(qsizetype left) {
        if (m_end - m_d >= left + 2 * kSlack)
            return;
        const qsizetype used = m_d - m_out.constData();
        m_out.resize(std::max(used + left + 2 * kSlack, m_out.size() + m_out.size() / 2));
        m_d = m_out.data() + used;
        m_end = m_out.data() + m_out.size();
    }
    QByteArray& m_out;
    const qsizetype m_start;
    char* m_d;
    char* m_end;
};

// The code point of the UTF-8 sequence led by p[-1], advancing p; 0 for bytes
// that are not a well-formed sequence, or a character QString::fromUtf8 may treat
// specially (a byte order mark, a noncharacter).
char32_t nextCodePoint(const uchar*& p, const uchar* end) {
    const uchar lead = p[-1];
    int more;
    char32_t cp;
    uchar low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2, cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3, cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (end - p < more || p[0] < low || p[0] > high)
        return 0;
    for (int i = 0; i < more; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp == 0xFEFF || (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE)
        return 0;
    p += more;
    return cp;
}

// Whether eight bytes are all plain ASCII, tested at once: none has its high bit
// set or equals DEL, & < > " (or, with commas, ",").
bool allPlain(quint64 v, bool commas) {
    constexpr quint64 ones = 0x0101010101010101ULL, highs = 0x8080808080808080ULL;
    // A byte of v equal to c makes a zero byte of v ^ (c * ones), which this finds.
    const auto has = [v](uchar c) {
        const quint64 x = v ^ (ones * c);
        return (x - ones) & ~x & highs;
    };
    const quint64 bad = (v & highs) | has('&') | has('<') | has('>') | has('"') | has(0x7F) |
                        (commas ? has(',') : 0);
    return bad == 0;
}

// Encodes well-formed UTF-8 without a byte order mark; false, having written
// nothing, for any other bytes.
bool appendEncodedUtf8(QByteArray& out, QByteArrayView bytes, bool commas) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* const end = p + bytes.size();
    if (end - p >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        return false;
    const bool* const plain = commas ? kPlainCommas.plain : kPlain.plain;
    EntityWriter w(out, bytes.size());
    while (p < end) {
        // Plain text goes over eight bytes at a time...
        for (quint64 v; end - p >= 8 && (std::memcpy(&v, p, 8), allPlain(v, commas)); p += 8)
            w.plain8(p);
        // ...then byte by byte up to the next character that is not plain.
        while (p < end) {
            const uchar b = *p++;
            if (b < 0x80 && plain[b]) {
                w.plain(char(b));
                continue;
            }
            if (b < 0x7F) {
                w.entity(asciiEntity(b), end - p);
            } else if (b == 0x7F) {
                w.number(b, end - p);
            } else if (const char32_t cp = nextCodePoint(p, end)) {
                w.number(cp, end - p);
            } else {
                w.undo();
                return false;
            }
            break;
        }
    }
    w.finish();
    return true;
}

} // namespace

QString encode(const QString& text) {
    // Most text needs nothing: hand it back shared, without a copy.
    if (std::all_of(text.cbegin(), text.cend(),
                    [](QChar c) { return c.unicode() < 128 && kPlain.plain[c.unicode()]; }))
        return text;
    QByteArray out;
    appendEncoded(out, text);
    return QString::fromLatin1(out);
}

void appendEncoded(QByteArray& out, QStringView text, bool commas) {
    const bool* const plain = commas ? kPlainCommas.plain : kPlain.plain;
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    EntityWriter w(out, text.size());
    while (p < end) {
        const char16_t u = *p++;
        if (u < 0x80 && plain[u]) {
            w.plain(char(u));
        } else if (u < 0x7F) {
            w.entity(asciiEntity(u), end - p);
        } else if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p)) {
            const char16_t low = *p++;
            w.number(QChar::surrogateToUcs4(u, low), end - p);
        } else {
            w.number(u, end - p);
        }
    }
    w.finish();
}

void appendEncoded(QByteArray& out, const CellText& text, bool commas) {
    if (!text.isUtf8())
        appendEncoded(out, text.utf16(), commas);
    // Bytes that are not plain UTF-8 are read exactly as the editor reads them.
    else if (!appendEncodedUtf8(out, text.utf8(), commas))
        appendEncoded(out, QString::fromUtf8(text.utf8()), commas);
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
                // Not fromUcs4, which would take U+FEFF for a byte order mark.
                out += QStringView(QChar::fromUcs4(cp));
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
