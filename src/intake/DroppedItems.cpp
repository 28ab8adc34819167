#include "intake/DroppedItems.h"

#include "intake/DesktopEntry.h"
#include "intake/IconLookup.h"
#include "intake/IntakeRows.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeData>
#include <memory>
#include <optional>

namespace ulvanta::intake {

namespace {

bool isWebScheme(const QString& scheme) {
    static const QStringList web{QStringLiteral("http"), QStringLiteral("https"),
                                 QStringLiteral("ftp"), QStringLiteral("ftps")};
    return web.contains(scheme.toLower());
}

// text/x-moz-url is UTF-16 in the byte order of the sender's machine; a few
// programs put UTF-8 there instead, which holds no NUL bytes.
QString mozUrlText(const QByteArray& bytes) {
    if (bytes.size() % 2 != 0 || !bytes.contains('\0'))
        return QString::fromUtf8(bytes);
    QString text(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    if (text.startsWith(QChar(0xFFFE))) {
        for (QChar& c : text)
            c = QChar(char16_t((c.unicode() << 8) | (c.unicode() >> 8)));
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringList lines(const QString& text) {
    QStringList out;
    for (QStringView l : QStringView(text).split(QLatin1Char('\n')))
        out << l.trimmed().toString().remove(QChar(0));
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

// "address\ntitle" pairs.
QList<DroppedLink> linkPairs(const QString& text) {
    QList<DroppedLink> links;
    const QStringList l = lines(text);
    for (qsizetype i = 0; i < l.size(); i += 2)
        if (!l[i].isEmpty())
            links.append({QUrl(l[i]), l.value(i + 1)});
    return links;
}

QString shortName(const QUrl& url) {
    const QString s = url.isLocalFile() ? url.toLocalFile() : url.toString();
    return s.size() > 60 ? s.left(57) + QStringLiteral("...") : s;
}

class RowMaker {
public:
    explicit RowMaker(const QLocale& locale) : m_locale(locale) {}

    const IntakeNotes& notes() const { return m_notes; }

    // The row for one link, or the reason it has none; none either for a link
    // that would start a program, which is counted in notes() instead.
    std::optional<ItemRow> make(const DroppedLink& link, QString& reason) {
        const QUrl& url = link.url;
        if (m_notes.refuses(url.toString()))
            return std::nullopt;
        if (url.isLocalFile())
            return fileRow(url.toLocalFile(), reason);
        if (url.isValid() && isWebScheme(url.scheme()) && !url.host().isEmpty()) {
            const QString title = link.title.trimmed();
            return hyperlinkRow(m_notes.description(title.isEmpty() ? url.host() : title),
                                url.toString());
        }
        reason =
            QCoreApplication::translate("DroppedItems", "%1 is neither a file nor a web address")
                .arg(shortName(url));
        return std::nullopt;
    }

private:
    std::optional<ItemRow> fileRow(const QString& path, QString& reason) {
        const QFileInfo fi(path);
        if (!fi.exists() || !fi.isReadable()) {
            reason =
                QCoreApplication::translate("DroppedItems", "%1 cannot be read").arg(fi.fileName());
            return std::nullopt;
        }
        const QString full = fi.absoluteFilePath();
        if (fi.isDir())
            return programRow(m_notes.description(fi.fileName().isEmpty() ? full : fi.fileName()),
                              full);
        if (fi.suffix() == QLatin1String("desktop")) {
            DesktopEntryReading r = readDesktopEntry(full, m_locale);
            if (r.entry.isLink() && m_notes.refuses(r.entry.url))
                return std::nullopt;
            if (!r.ok()) {
                reason = fi.fileName() + QLatin1Char(' ') + r.refusal;
                return std::nullopt;
            }
            // The theme folders are read once per drop, and only when needed.
            if (!m_icons)
                m_icons = std::make_unique<IconLookup>();
            r.entry.name = m_notes.description(r.entry.name);
            return desktopEntryRow(r.entry, *m_icons);
        }
        if (fi.isExecutable())
            return programRow(m_notes.description(fi.completeBaseName()), full, {},
                              fi.absolutePath());
        return programRow(m_notes.description(fi.fileName()), full);
    }

    const QLocale& m_locale;
    IntakeNotes m_notes;
    std::unique_ptr<IconLookup> m_icons;
};

} // namespace

QList<DroppedLink> droppedLinks(const QMimeData& data) {
    const QString moz = QStringLiteral("text/x-moz-url");
    const QString netscape = QStringLiteral("_NETSCAPE_URL");
    if (data.hasFormat(moz))
        if (const QList<DroppedLink> l = linkPairs(mozUrlText(data.data(moz))); !l.isEmpty())
            return l;
    if (data.hasFormat(netscape))
        if (const QList<DroppedLink> l = linkPairs(QString::fromUtf8(data.data(netscape)));
            !l.isEmpty())
            return l;
    QList<DroppedLink> links;
    if (data.hasUrls()) {
        for (const QUrl& u : data.urls())
            links.append({u, {}});
        return links;
    }
    if (data.hasText()) {
        for (const QString& line : lines(data.text())) {
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            links.append(
                {line.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(line) : QUrl(line), {}});
        }
    }
    return links;
}

DropResult rowsFromLinks(const QList<DroppedLink>& links, const QLocale& locale) {
    DropResult result;
    if (links.isEmpty()) {
        result.reason = QCoreApplication::translate(
            "DroppedItems", "Nothing to add: the drop holds no file or web address");
        return result;
    }
    result.rows.reserve(size_t(links.size()));
    RowMaker maker(locale);
    QString first;
    int refused = 0;
    for (const DroppedLink& link : links) {
        QString reason;
        if (std::optional<ItemRow> row = maker.make(link, reason))
            result.rows.push_back(std::move(*row));
        else if (!reason.isEmpty() && refused++ == 0)
            first = reason;
    }
    QStringList said;
    if (refused == 1)
        said << QCoreApplication::translate("DroppedItems", "Not added: %1").arg(first);
    else if (refused > 1)
        said << QCoreApplication::translate("DroppedItems", "%1 items not added; the first: %2")
                    .arg(refused)
                    .arg(first);
    if (const QString notes = maker.notes().text(QStringLiteral("; ")); !notes.isEmpty())
        said << notes;
    result.reason = said.join(QStringLiteral("; "));
    return result;
}

} // namespace ulvanta::intake
