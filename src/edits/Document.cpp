#include "edits/Document.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/HtmlText.h"
#include "edits/StoredRows.h"
#include "intake/DroppedItems.h"
#include "model/PropertyTable.h"
#include "model/RowMove.h"

#include <array>
#include <new>
#include <numeric>
#include <optional>

namespace ulvanta {

namespace {
const char* const kRowEntryNames[ItemColumnCount] = {"DESC", "COMMAND", "PARAM",   "STARTIN",
                                                     "ICON", "RUN",     "COMMENTS"};
// The name of the entry that begins a row.
constexpr QLatin1StringView kRowStart("DESC");
// Header and Footer HTML are kept whole beside the list, which shows their start.
bool isLongText(Setting key) {
    return key == Setting::HeaderHtml || key == Setting::FooterHtml;
}
} // namespace

Document::Document(QObject* parent)
    : QObject(parent), m_items(this), m_props(this), m_edits(*this) {
    m_items.setDescriptionEditor([this](int row, const QString& text) {
        m_edits.push(typeDescriptionStep(*this, row, text));
    });
    for (QAbstractItemModel* m :
         {static_cast<QAbstractItemModel*>(&m_items), static_cast<QAbstractItemModel*>(&m_props)}) {
        connect(m, &QAbstractItemModel::dataChanged, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsInserted, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsRemoved, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsMoved, this, &Document::edited);
        connect(m, &QAbstractItemModel::layoutChanged, this, &Document::edited);
        connect(m, &QAbstractItemModel::modelReset, this, &Document::edited);
    }
    m_items.setDropHandler(
        [this](const QMimeData& data, int position) { return drop(data, position); });
}

bool Document::drop(const QMimeData& data, int position) {
    if (const auto dragged = m_items.draggedRows(data)) {
        EditStepPtr step;
        if (auto gather = rowGather(m_items, *dragged, position)) {
            step = gatherStep(*this, tr("Move"), std::move(gather->spans), gather->to);
        } else {
            const auto move = rowMove(m_items, *dragged, position);
            if (!move)
                return false;
            step = rotateStep(*this, tr("Move"), move->first, move->middle, move->last,
                              move->movingUp);
        }
        const EditPlace after = step->after();
        m_edits.push(std::move(step));
        emit rowsPlaced(after, QString());
        requestActionUpdate();
        return true;
    }
    try {
        intake::DropResult result = intake::rowsFromDrop(data);
        if (result.rows.empty()) {
            emit rowsPlaced({}, result.reason);
            return false;
        }
        insertRows(tr("Drop"), position, std::move(result.rows), result.reason);
    } catch (const std::bad_alloc&) {
        emit rowsPlaced({}, tr("Nothing added - %1").arg(Error(Error::OutOfMemory).describe()));
        return false;
    }
    return true;
}

void Document::insertRows(const QString& stepName, int position, std::vector<ItemRow> rows,
                          const QString& status) {
    if (rows.empty())
        return;
    EditStepPtr step = insertRowsStep(*this, stepName, position, std::move(rows));
    const EditPlace after = step->after();
    m_edits.push(std::move(step));
    emit rowsPlaced(after, status);
    requestActionUpdate();
}

QString Document::defaultSetting(int number) const {
    if (PropertyTable::settingOf(number) == Setting::Title)
        return tr("New File %1").arg(m_nextNewNumber);
    return PropertyTable::defaultValue(number);
}

void Document::resetProperties() {
    std::vector<PropertyList::Row> rows;
    rows.reserve(PropertyTable::Count);
    for (int n = 1; n <= PropertyTable::Count; ++n)
        rows.push_back(
            {PropertyTable::settingOf(n), PropertyTable::displayName(n), defaultSetting(n)});
    m_props.setRows(std::move(rows));
    m_headerHtml.clear();
    m_footerHtml.clear();
    emit propertiesRefilled();
}

QString Document::setting(Setting key) const {
    if (key == Setting::FooterHtml)
        return m_footerHtml;
    if (key == Setting::HeaderHtml)
        return m_headerHtml;
    const int row = m_props.rowOf(key);
    return row < 0 ? QString() : m_props.setting(row);
}

QString Document::htmlSetting(Setting key) const {
    return isLongText(key) ? setting(key) : HtmlText::encode(setting(key));
}

QString Document::htmlPreview(const QString& text) {
    return text.size() < 50 ? text : text.left(50) + QStringLiteral("...");
}

QString Document::shownSetting(Setting key, const QString& value) {
    return isLongText(key) ? htmlPreview(value) : value;
}

void Document::setSetting(Setting key, const QString& value) {
    const int row = m_props.rowOf(key);
    if (row < 0)
        return;
    if (key == Setting::FooterHtml)
        m_footerHtml = value;
    else if (key == Setting::HeaderHtml)
        m_headerHtml = value;
    m_props.setSetting(row, isLongText(key) ? htmlPreview(value) : value);
    // The list shows only the start of Header and Footer HTML, which may not have changed.
    if (isLongText(key))
        emit edited();
}

QString Document::caption() const {
    const QString title = setting(Setting::Title);
    if (m_filePath.isEmpty())
        return tr("%1 - Ulvanta Editor").arg(title);
    return tr("%1 (%2) - Ulvanta Editor").arg(title, m_filePath);
}

void Document::retakeHold() {
    if (!m_filePath.isEmpty() && !m_fileLock.isHeld())
        m_fileLock.take(m_filePath);
}

void Document::load(const QString& path) {
    read(path, false);
}

void Document::importItems(const QString& path) {
    read(path, true);
}

namespace {
// The UTF-16 length of valid UTF-8: a character per lead byte, two for the
// four-byte ones. Nullopt when the bytes start inside a character, or with the
// byte order mark that decoding them alone would drop.
std::optional<quint32> utf16Length(const char* bytes, quint32 size) {
    if (size > 0 && (uchar(bytes[0]) & 0xC0) == 0x80)
        return std::nullopt;
    if (QByteArrayView(bytes, size).startsWith("\xef\xbb\xbf"))
        return std::nullopt;
    quint32 n = 0;
    for (quint32 i = 0; i < size; ++i) {
        const uchar b = uchar(bytes[i]);
        n += ((b & 0xC0) != 0x80) + (b >= 0xF0);
    }
    return n;
}

// The row whose first cell is entry `first`, from the bytes of its seven entries.
ItemList::RowText rowText(const EntryContainer& pack, quint32 first, const QByteArray& bytes) {
    ItemList::RowText r;
    const quint32 start = pack.entryPosition(first);
    bool together = QByteArrayView(bytes).isValidUtf8();
    for (quint32 c = 0, at = start; c < ItemColumnCount && together; ++c) {
        const quint32 position = pack.entryPosition(first + c);
        const std::optional<quint32> size =
            utf16Length(bytes.constData() + (position - start), pack.entryLength(first + c));
        together = position == at && size;
        r.size[c] = size.value_or(0);
        at = position + pack.entryLength(first + c);
    }
    // Rows stored without gaps, as files are written, are made in one piece.
    if (together) {
        r.text = QString::fromUtf8(bytes);
        if (r.text.size() == std::accumulate(r.size.begin(), r.size.end(), qsizetype(0)))
            return r;
        r.text.clear();
    }
    for (quint32 c = 0; c < ItemColumnCount; ++c) {
        const QString cell =
            QString::fromUtf8(bytes.constData() + (pack.entryPosition(first + c) - start),
                              qsizetype(pack.entryLength(first + c)));
        r.size[c] = quint32(cell.size());
        r.text += cell;
    }
    return r;
}
} // namespace

std::function<void(const EntryContainer::Record&)>
Document::entryReader(const EntryContainer& pack, const QString& path, bool settings,
                      std::function<void(quint32)> row) {
    return [this, &pack, path, settings, row = std::move(row),
            k = 0](const EntryContainer::Record& r) mutable {
        const EntryContainer::ShortName shortName = r.shortName();
        const QLatin1StringView name = shortName.view();
        if (name.size() >= 2 && name[0] == QLatin1Char('P') && name[1] == QLatin1Char('_')) {
            if (!settings)
                return;
            ++k;
            while (k <= PropertyTable::Count && PropertyTable::key(k) != name)
                ++k;
            if (k > PropertyTable::Count)
                throw Error(tr("Invalid file format (property '%1' is not "
                               "known or out of order)")
                                .arg(QString(name)),
                            Error::InvalidFileFormat);
            setSetting(PropertyTable::settingOf(k), pack.readEntry(path, r.position, r.length));
        } else if (name == kRowStart) {
            if (quint64(r.entry) + ItemColumnCount - 1 > pack.count())
                throw Error(tr("Invalid file format (the last row is cut short)"),
                            Error::InvalidFileFormat);
            row(r.entry);
        }
    };
}

void Document::read(const QString& path, bool importing) {
    m_fileLock.release();
    std::vector<ItemList::RowText> rows;
    // Rows read before a failure stay in the list, so they are handed over on every exit.
    const auto flush = [&] {
        if (!rows.empty()) {
            m_items.appendItems(std::move(rows));
            rows.clear();
        }
    };
    try {
        if (FileLock::isLockedElsewhere(path))
            throw Error(Error::PermissionDenied);
        EntryContainer pack;
        pack.load(path);
        if (!importing) {
            m_items.clear();
            m_edits.clear();
        }
        QByteArray rowBytes;
        const auto take = entryReader(pack, path, !importing, [&](quint32 first) {
            // A row's cells lie back to back: one read for all seven.
            pack.readEntries(first, first + ItemColumnCount - 1, rowBytes);
            rows.push_back(rowText(pack, first, rowBytes));
            // Handed over in small batches: a large file never has all its
            // rows in two forms at once.
            if (rows.size() >= 4096)
                flush();
        });
        for (quint32 i = 1, n = pack.count(); i <= n; ++i)
            take(pack.record(i));
        flush();
    } catch (...) {
        flush();
        retakeHold();
        throw;
    }
    if (!importing) {
        m_filePath = path;
        m_edits.markSaved();
        announceName();
        announceReplaced();
    }
    requestActionUpdate();
    if (importing)
        retakeHold();
    else
        m_fileLock.take(m_filePath);
}

void Document::loadPage(const QString& path, StoredRows& rows) {
    if (FileLock::isLockedElsewhere(path))
        throw Error(Error::PermissionDenied);
    rows = StoredRows();
    m_items.clear();
    rows.m_container.scan(path, entryReader(rows.m_container, path, true, [&](quint32 first) {
                              rows.m_firstEntries.push_back(first);
                          }));
    m_filePath = path;
}

void Document::save(const QString& path) {
    m_fileLock.release();
    try {
        if (FileLock::isLockedElsewhere(path))
            throw Error(Error::PermissionDenied);
        writeFile(path);
    } catch (...) {
        retakeHold();
        throw;
    }
    m_filePath = path;
    announceName();
    m_edits.markSaved();
    m_fileLock.take(m_filePath);
}

void Document::writeFile(const QString& path) const {
    EntryContainer pack;
    quint32 counter = 0;
    const int n = m_items.count();
    static const std::array<QString, ItemColumnCount> rowNames = [] {
        std::array<QString, ItemColumnCount> a;
        for (int c = 0; c < ItemColumnCount; ++c)
            a[size_t(c)] = QString::fromLatin1(kRowEntryNames[c]);
        return a;
    }();
    for (int r = 0; r < n; ++r) {
        const ItemRow& row = m_items.row(r);
        for (int c = 0; c < ItemColumnCount; ++c) {
            ++counter;
            pack.setEntryName(counter, rowNames[size_t(c)]);
            pack.setEntryContent(counter, row[size_t(c)]);
        }
    }
    for (int p = 1; p <= m_props.count(); ++p) {
        ++counter;
        pack.setEntryName(counter, PropertyTable::key(p));
        pack.setEntryContent(counter, setting(PropertyTable::settingOf(p)));
    }
    pack.setEntryCount(counter);
    pack.save(path);
}

} // namespace ulvanta
