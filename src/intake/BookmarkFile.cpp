#include "intake/BookmarkFile.h"

#include "components/Error.h"
#include "intake/IntakeRows.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace ulvanta::intake {

namespace {

const QByteArray kDoctype = QByteArrayLiteral("<!DOCTYPE NETSCAPE-Bookmark-file-1>");

// Blank runs become one space, outer blanks go: the text as a browser shows it.
QString simplified(QStringView text) {
    return decodeEntities(text.toString().simplified());
}

struct Tag {
    QString name; // upper case
    bool closing = false;
    QString href;
};

// Reads the tag that starts at s[i] == '<'; i ends after its '>'.
Tag readTag(const QString& s, qsizetype& i) {
    Tag t;
    const qsizetype n = s.size();
    qsizetype j = i + 1;
    if (j < n && s[j] == QLatin1Char('/')) {
        t.closing = true;
        ++j;
    }
    const qsizetype nameStart = j;
    while (j < n && s[j].isLetterOrNumber())
        ++j;
    t.name = s.mid(nameStart, j - nameStart).toUpper();
    while (j < n && s[j] != QLatin1Char('>')) {
        if (s[j].isSpace()) {
            ++j;
            continue;
        }
        const qsizetype attrStart = j;
        while (j < n && !s[j].isSpace() && s[j] != QLatin1Char('=') && s[j] != QLatin1Char('>'))
            ++j;
        const QStringView attr = QStringView(s).mid(attrStart, j - attrStart);
        if (j >= n || s[j] != QLatin1Char('='))
            continue;
        ++j;
        qsizetype valueStart = j, valueEnd;
        if (j < n && (s[j] == QLatin1Char('"') || s[j] == QLatin1Char('\''))) {
            const QChar quote = s[j];
            valueStart = j + 1;
            valueEnd = s.indexOf(quote, valueStart);
            if (valueEnd < 0)
                valueEnd = n;
            j = qMin(n, valueEnd + 1);
        } else {
            while (j < n && !s[j].isSpace() && s[j] != QLatin1Char('>'))
                ++j;
            valueEnd = j;
        }
        if (attr.compare(QLatin1String("HREF"), Qt::CaseInsensitive) == 0)
            t.href =
                decodeEntities(QStringView(s).mid(valueStart, valueEnd - valueStart)).trimmed();
    }
    i = j + 1;
    return t;
}

bool isBrowserInternal(const QString& href) {
    return href.startsWith(QLatin1String("place:"), Qt::CaseInsensitive);
}

class BookmarkReader {
public:
    IntakeResult read(const QString& s) {
        const qsizetype n = s.size();
        qsizetype i = 0;
        while (i < n) {
            if (s[i] != QLatin1Char('<')) {
                const qsizetype next = s.indexOf(QLatin1Char('<'), i);
                const qsizetype end = next < 0 ? n : next;
                if (m_capture != Capture::None)
                    m_text += QStringView(s).mid(i, end - i);
                i = end;
            } else if (QStringView(s).mid(i, 4) == QLatin1String("<!--")) {
                const qsizetype end = s.indexOf(QLatin1String("-->"), i + 4);
                i = end < 0 ? n : end + 3;
            } else {
                onTag(readTag(s, i));
            }
        }
        return {rows(), m_notes};
    }

private:
    enum class Capture { None, Folder, Link, Description };
    // A folder knows only its own name and its parent's index, so that deep
    // nesting costs no more than the file's length.
    struct Folder {
        QString name;
        int parent = -1;
        int depth = 1;
        std::vector<ItemRow> links;
    };

    void onTag(const Tag& t) {
        // A <browseFolder> description runs up to the next tag of any kind.
        if (m_capture == Capture::Description) {
            if (ItemRow* link = lastLink())
                (*link)[ColComments] = simplified(m_text);
            m_capture = Capture::None;
        }
        if (t.name == QLatin1String("H3")) {
            if (!t.closing)
                startCapture(Capture::Folder);
            else if (m_capture == Capture::Folder)
                m_pendingFolder = simplified(m_text);
            if (t.closing)
                m_capture = Capture::None;
            m_lastWasLink = false;
        } else if (t.name == QLatin1String("A")) {
            if (!t.closing) {
                startCapture(Capture::Link);
                m_href = t.href;
            } else if (m_capture == Capture::Link) {
                addLink(simplified(m_text));
                m_capture = Capture::None;
            }
        } else if (t.name == QLatin1String("DD") && !t.closing) {
            if (m_lastWasLink)
                startCapture(Capture::Description);
        } else if (t.name == QLatin1String("DL")) {
            t.closing ? closeList() : openList();
        }
    }

    void startCapture(Capture c) {
        m_capture = c;
        m_text.clear();
    }

    int currentFolder() const { return m_stack.empty() ? -1 : m_stack.back(); }

    void openList() {
        int folder = currentFolder();
        const int depth = folder < 0 ? 0 : m_folders[size_t(folder)].depth;
        // Past the depth limit a folder's links join the deepest folder kept.
        if (m_pendingFolder && depth < maxFolderDepth) {
            m_folders.push_back({*m_pendingFolder, folder, depth + 1, {}});
            folder = int(m_folders.size()) - 1;
        }
        m_pendingFolder.reset();
        m_stack.push_back(folder);
        m_lastWasLink = false;
    }

    void closeList() {
        if (!m_stack.empty())
            m_stack.pop_back();
        m_pendingFolder.reset();
        m_lastWasLink = false;
    }

    std::vector<ItemRow>& currentLinks() {
        const int folder = currentFolder();
        return folder < 0 ? m_loose : m_folders[size_t(folder)].links;
    }

    ItemRow* lastLink() {
        std::vector<ItemRow>& links = currentLinks();
        return m_lastWasLink && !links.empty() ? &links.back() : nullptr;
    }

    void addLink(const QString& title) {
        m_lastWasLink = false;
        if (m_href.isEmpty() || m_notes.refuses(m_href) || isBrowserInternal(m_href))
            return;
        QString name = title;
        if (name.isEmpty()) {
            const QString host = QUrl(m_href).host();
            name = host.isEmpty() ? m_href : host;
        }
        currentLinks().push_back(hyperlinkRow(m_notes.description(name), m_href));
        m_lastWasLink = true;
    }

    // "Parent / Child": at most maxFolderDepth names.
    QString path(const Folder& f) const {
        QStringList names{f.name};
        for (int p = f.parent; p >= 0; p = m_folders[size_t(p)].parent)
            names.prepend(m_folders[size_t(p)].name);
        return names.join(QStringLiteral(" / "));
    }

    std::vector<ItemRow> rows() {
        std::vector<ItemRow> out = std::move(m_loose);
        for (Folder& f : m_folders) {
            if (f.links.empty())
                continue;
            out.push_back(sectionRow(path(f)));
            out.insert(out.end(), std::make_move_iterator(f.links.begin()),
                       std::make_move_iterator(f.links.end()));
        }
        return out;
    }

    Capture m_capture = Capture::None;
    QString m_text;
    QString m_href;
    std::optional<QString> m_pendingFolder;
    bool m_lastWasLink = false;
    std::vector<int> m_stack; // the folder of each open list, -1 outside any
    std::vector<Folder> m_folders;
    std::vector<ItemRow> m_loose;
    IntakeNotes m_notes;
};

} // namespace

QString decodeEntities(QStringView text) {
    if (!text.contains(QLatin1Char('&')))
        return text.toString();
    static const QList<std::pair<QLatin1String, QChar>> named{
        {QLatin1String("amp"), QLatin1Char('&')},   {QLatin1String("lt"), QLatin1Char('<')},
        {QLatin1String("gt"), QLatin1Char('>')},    {QLatin1String("quot"), QLatin1Char('"')},
        {QLatin1String("apos"), QLatin1Char('\'')}, {QLatin1String("nbsp"), QChar(0xA0)},
    };
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Entity names are short; a far ";" belongs to other text, and looking
        // no further keeps a text full of "&" linear.
        const qsizetype semi =
            text[i] == QLatin1Char('&') ? text.mid(i, 11).indexOf(QLatin1Char(';')) : -1;
        if (semi < 0) {
            out += text[i];
            continue;
        }
        const QStringView ref = text.mid(i + 1, semi - 1);
        std::optional<char32_t> code;
        if (ref.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const bool hex =
                ref.size() > 1 && (ref[1] == QLatin1Char('x') || ref[1] == QLatin1Char('X'));
            const uint v = ref.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && v > 0 && v <= 0x10FFFF)
                code = char32_t(v);
        } else {
            for (const auto& [name, c] : named)
                if (ref == name)
                    code = c.unicode();
        }
        if (!code) {
            out += text[i];
            continue;
        }
        out += QString::fromUcs4(&*code, 1);
        i += semi;
    }
    return out;
}

bool isBookmarkFile(const QByteArray& head) {
    QByteArrayView h(head);
    if (h.startsWith("\xEF\xBB\xBF"))
        h = h.sliced(3);
    h = h.trimmed();
    return h.size() >= kDoctype.size() &&
           h.first(kDoctype.size()).compare(kDoctype, Qt::CaseInsensitive) == 0;
}

bool isBookmarkFilePath(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && isBookmarkFile(f.read(512));
}

IntakeResult bookmarkRows(const QString& html) {
    return BookmarkReader().read(html);
}

IntakeResult readBookmarkFile(const QString& path) {
    QFile f(path);
    if (!QFileInfo::exists(path))
        throw Error(Error::FileNotFound);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(Error::PathFileAccess);
    const QByteArray bytes = f.readAll();
    if (!isBookmarkFile(bytes.left(512)))
        throw Error(Error::InvalidFileFormat);
    return bookmarkRows(QString::fromUtf8(bytes));
}

} // namespace ulvanta::intake
