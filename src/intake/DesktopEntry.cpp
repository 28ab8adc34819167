#include "intake/DesktopEntry.h"

#include "components/Error.h"
#include "intake/IconLookup.h"
#include "intake/IntakeRows.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace ulvanta::intake {

namespace {

// A string value with the key file escapes \s \n \t \r \\ resolved.
QString unescapeValue(QStringView v) {
    QString out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] != QLatin1Char('\\') || i + 1 == v.size()) {
            out += v[i];
            continue;
        }
        const QChar c = v[++i];
        switch (c.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case '\\':
            out += QLatin1Char('\\');
            break;
        default: // kept as written, so list values still see "\;"
            out += QLatin1Char('\\');
            out += c;
        }
    }
    return out;
}

// A ";"-separated list value; "\;" is a semicolon inside an element.
QStringList splitList(const QString& v) {
    QStringList items;
    QString cur;
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] == QLatin1Char('\\') && i + 1 < v.size() && v[i + 1] == QLatin1Char(';')) {
            cur += QLatin1Char(';');
            ++i;
        } else if (v[i] == QLatin1Char(';')) {
            items << cur;
            cur.clear();
        } else {
            cur += v[i];
        }
    }
    items << cur;
    items.removeAll(QString());
    return items;
}

// The keys of the [Desktop Entry] group; the first of repeated keys counts.
struct Group {
    QHash<QString, QString> values;
    bool found = false;

    QString value(const QString& key) const { return values.value(key); }
    // Key[lang_COUNTRY], then Key[lang], then Key.
    QString localized(const QString& key, const QLocale& locale) const {
        const QString full = locale.name(); // "de_DE", or "C"
        if (full != QLatin1String("C")) {
            const QString lang = full.section(QLatin1Char('_'), 0, 0);
            for (const QString& tag : {full, lang}) {
                const auto it = values.constFind(key + QLatin1Char('[') + tag + QLatin1Char(']'));
                if (it != values.cend())
                    return *it;
            }
        }
        return value(key);
    }
    bool flag(const QString& key) const { return value(key).trimmed() == QLatin1String("true"); }
};

// Throws Error for a line longer than maxDesktopLine bytes.
void checkLines(const QByteArray& text) {
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        if (end - start > maxDesktopLine)
            throw Error(QCoreApplication::translate("ulvanta::intake::DesktopEntry",
                                                    "Invalid file format (a line is longer "
                                                    "than 64 KiB)"),
                        Error::InvalidFileFormat);
        start = end + 1;
    }
}

Group readGroup(const QByteArray& text) {
    if (text.size() > maxDesktopFile)
        throw Error(QCoreApplication::translate("ulvanta::intake::DesktopEntry",
                                                "Invalid file format (larger than 1 MiB)"),
                    Error::InvalidFileFormat);
    checkLines(text);
    Group g;
    bool inEntry = false;
    const QString all = QString::fromUtf8(text);
    for (QStringView line : QStringView(all).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            g.found = g.found || inEntry;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inEntry || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toString();
        if (!g.values.contains(key))
            g.values.insert(key, unescapeValue(line.mid(eq + 1).trimmed()));
    }
    return g;
}

bool isFieldCode(QChar c) {
    return QStringView(u"fFuUdDnNickvm").contains(c);
}

// Characters that make the launcher's word splitter treat an argument specially.
bool needsQuotes(const QString& arg) {
    if (arg.isEmpty())
        return true;
    for (QChar c : arg)
        if (c.isSpace() || c == QLatin1Char('"') || c == QLatin1Char('\'') ||
            c == QLatin1Char('\\'))
            return true;
    return false;
}

} // namespace

QStringList splitExec(const QString& exec) {
    QStringList words;
    QString word;
    bool inWord = false, quoted = false, hadCode = false;
    const auto endWord = [&] {
        // An argument that was nothing but field codes disappears with them.
        if (inWord && !(word.isEmpty() && hadCode))
            words << word;
        word.clear();
        inWord = hadCode = false;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size())
                word += exec[++i];
            else
                word += c;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            endWord();
        } else if (c == QLatin1Char('"')) {
            quoted = inWord = true;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            const QChar code = exec[++i];
            inWord = true;
            if (code == QLatin1Char('%'))
                word += code;
            else
                hadCode = hadCode || isFieldCode(code);
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return {};
    endWord();
    return words;
}

QString joinArguments(const QStringList& arguments) {
    QStringList parts;
    for (const QString& a : arguments) {
        if (!needsQuotes(a)) {
            parts << a;
            continue;
        }
        QString q = a;
        q.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        q.replace(QLatin1Char('"'), QLatin1String("\\\""));
        parts << QLatin1Char('"') + q + QLatin1Char('"');
    }
    return parts.join(QLatin1Char(' '));
}

DesktopEntryReading parseDesktopEntry(const QByteArray& text, const QLocale& locale) {
    DesktopEntryReading r;
    Group g;
    try {
        g = readGroup(text);
    } catch (const Error& e) {
        r.refusal = QCoreApplication::translate("ulvanta::intake::DesktopEntry", "is refused - %1")
                        .arg(e.describe());
        return r;
    }
    if (!g.found) {
        r.refusal =
            QCoreApplication::translate("ulvanta::intake::DesktopEntry", "is not a desktop entry");
        return r;
    }
    DesktopEntry& e = r.entry;
    e.type = g.value(QStringLiteral("Type")).trimmed();
    e.name = g.localized(QStringLiteral("Name"), locale);
    e.comment = g.localized(QStringLiteral("Comment"), locale);
    e.exec = g.value(QStringLiteral("Exec"));
    e.path = g.value(QStringLiteral("Path"));
    e.icon = g.localized(QStringLiteral("Icon"), locale);
    e.url = g.value(QStringLiteral("URL"));
    e.categories = splitList(g.value(QStringLiteral("Categories")));
    e.keywords = splitList(g.localized(QStringLiteral("Keywords"), locale));
    e.terminal = g.flag(QStringLiteral("Terminal"));
    e.noDisplay = g.flag(QStringLiteral("NoDisplay"));
    e.hidden = g.flag(QStringLiteral("Hidden"));

    if (e.name.trimmed().isEmpty())
        r.refusal = QCoreApplication::translate("ulvanta::intake::DesktopEntry", "has no Name");
    else if (e.isLink() && e.url.trimmed().isEmpty())
        r.refusal =
            QCoreApplication::translate("ulvanta::intake::DesktopEntry", "is a link without a URL");
    else if (e.isLink() && startsProgram(e.url))
        r.refusal = QCoreApplication::translate("ulvanta::intake::DesktopEntry",
                                                "is a link that would start a program");
    else if (!e.isLink() && e.type != QLatin1String("Application"))
        r.refusal = QCoreApplication::translate("ulvanta::intake::DesktopEntry",
                                                "is neither an application nor a link");
    else if (!e.isLink() && e.exec.trimmed().isEmpty())
        r.refusal = QCoreApplication::translate("ulvanta::intake::DesktopEntry", "has no Exec");
    else if (!e.isLink() && splitExec(e.exec).isEmpty())
        r.refusal = QCoreApplication::translate("ulvanta::intake::DesktopEntry",
                                                "has an Exec line that names no program");
    return r;
}

DesktopEntryReading readDesktopEntry(const QString& filePath, const QLocale& locale) {
    QFile f(filePath);
    if (!f.open(QIODevice::ReadOnly)) {
        DesktopEntryReading r;
        r.refusal = QCoreApplication::translate("ulvanta::intake::DesktopEntry", "cannot be read");
        return r;
    }
    // One byte past the limit is enough to refuse, even for a file without end.
    return parseDesktopEntry(f.read(maxDesktopFile + 1), locale);
}

ItemRow desktopEntryRow(const DesktopEntry& e, IconLookup& icons) {
    const QString icon = icons.find(e.icon);
    if (e.isLink())
        return hyperlinkRow(e.name, e.url.trimmed(), icon, e.comment);
    const QStringList words = splitExec(e.exec);
    return programRow(e.name, words.value(0), joinArguments(words.mid(1)), e.path, icon, e.comment);
}

} // namespace ulvanta::intake
