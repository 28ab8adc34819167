#include "edits/Document.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/HtmlText.h"
#include "intake/DroppedItems.h"
#include "model/PropertyTable.h"
#include "model/RowMove.h"

#include <array>

namespace ulvanta {

namespace {
const char* const kRowEntryNames[ItemColumnCount] = {"DESC", "COMMAND", "PARAM",   "STARTIN",
                                                     "ICON", "RUN",     "COMMENTS"};
const QString kHeaderHTML = QStringLiteral("Header HTML");
const QString kFooterHTML = QStringLiteral("Footer HTML");
const QString kAppSuffix = QStringLiteral(" - Ulvanta Editor");
} // namespace

Document::Document(QObject* parent)
    : QObject(parent), m_items(this), m_props(this), m_edits(*this) {
    m_items.setDescriptionEditor([this](int row, const QString& text) {
        m_edits.push(
            changeCellsStep(QStringLiteral("Edit Description"),
                            {{row, ColDescription, m_items.cell(row, ColDescription), text}}));
    });
    for (QAbstractItemModel* m :
         {static_cast<QAbstractItemModel*>(&m_items), static_cast<QAbstractItemModel*>(&m_props)}) {
        connect(m, &QAbstractItemModel::dataChanged, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsInserted, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsRemoved, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsMoved, this, &Document::edited);
        connect(m, &QAbstractItemModel::modelReset, this, &Document::edited);
    }
    m_items.setDropHandler(
        [this](const QMimeData& data, int position) { return drop(data, position); });
}

bool Document::drop(const QMimeData& data, int position) {
    if (const auto dragged = m_items.draggedRows(data)) {
        const auto move = rowMove(m_items, *dragged, position);
        if (!move)
            return false;
        const EditStepPtr step = rotateStep(QStringLiteral("Move"), move->first, move->middle,
                                            move->last, move->movingUp);
        m_edits.push(step);
        emit rowsPlaced(step->after, QString());
        requestActionUpdate();
        return true;
    }
    intake::DropResult result = intake::rowsFromDrop(data);
    if (result.rows.empty()) {
        emit rowsPlaced({}, result.reason);
        return false;
    }
    insertRows(QStringLiteral("Drop"), position, std::move(result.rows), result.reason);
    return true;
}

void Document::insertRows(const QString& stepName, int position, std::vector<ItemRow> rows,
                          const QString& status) {
    if (rows.empty())
        return;
    const EditStepPtr step = insertRowsStep(m_items, stepName, position, std::move(rows));
    m_edits.push(step);
    emit rowsPlaced(step->after, status);
    requestActionUpdate();
}

QString Document::defaultSetting(int number) const {
    if (PropertyTable::key(number) == QLatin1String("P_TITLE"))
        return QStringLiteral("New File ") + QString::number(m_nextNewNumber);
    return PropertyTable::defaultValue(number);
}

void Document::resetProperties() {
    std::vector<PropertyList::Row> rows;
    rows.reserve(PropertyTable::Count);
    for (int n = 1; n <= PropertyTable::Count; ++n)
        rows.push_back({PropertyTable::displayName(n), defaultSetting(n)});
    m_props.setRows(std::move(rows));
    m_headerHtml.clear();
    m_footerHtml.clear();
    emit propertiesRefilled();
}

QString Document::setting(const QString& propName) const {
    if (propName == kFooterHTML)
        return m_footerHtml;
    if (propName == kHeaderHTML)
        return m_headerHtml;
    const int row = m_props.rowOf(propName);
    return row < 0 ? QString() : m_props.setting(row);
}

QString Document::htmlSetting(const QString& propName) const {
    if (propName == kFooterHTML || propName == kHeaderHTML)
        return setting(propName);
    return HtmlText::encode(setting(propName));
}

QString Document::htmlPreview(const QString& text) {
    return text.size() < 50 ? text : text.left(50) + QStringLiteral("...");
}

QString Document::shownSetting(const QString& propName, const QString& value) {
    return propName == kFooterHTML || propName == kHeaderHTML ? htmlPreview(value) : value;
}

void Document::setSetting(const QString& propName, const QString& value) {
    const int row = m_props.rowOf(propName);
    if (row < 0)
        return;
    if (propName == kFooterHTML)
        m_footerHtml = value;
    else if (propName == kHeaderHTML)
        m_headerHtml = value;
    m_props.setSetting(row, shownSetting(propName, value));
    // The list shows only the start of Header and Footer HTML, which may not have changed.
    if (propName == kFooterHTML || propName == kHeaderHTML)
        emit edited();
}

QString Document::caption() const {
    const QString title = setting(QStringLiteral("Title"));
    if (m_filePath.isEmpty())
        return title + kAppSuffix;
    return title + QStringLiteral(" (") + m_filePath + QStringLiteral(")") + kAppSuffix;
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

void Document::read(const QString& path, bool importing) {
    m_fileLock.release();
    std::vector<ItemRow> rows;
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
        const quint32 count = pack.count();
        const auto content = [&](quint32 i) {
            return pack.readEntry(path, pack.entryPosition(i), pack.entryLength(i));
        };
        int k = 0;
        for (quint32 i = 1; i <= count; ++i) {
            const QString name = pack.entryName(i);
            if (name.startsWith(QLatin1String("P_"))) {
                if (importing)
                    continue;
                ++k;
                while (k <= PropertyTable::Count && PropertyTable::key(k) != name)
                    ++k;
                if (k > PropertyTable::Count)
                    throw Error(QStringLiteral("Invalid file format (property '%1' is not "
                                               "known or out of order)")
                                    .arg(name),
                                Error::InvalidFileFormat);
                setSetting(PropertyTable::displayName(k), content(i));
            } else if (name == QLatin1String(kRowEntryNames[0])) {
                if (quint64(i) + ItemColumnCount - 1 > count)
                    throw Error(QStringLiteral("Invalid file format (the last row is cut "
                                               "short)"),
                                Error::InvalidFileFormat);
                ItemRow r;
                for (int c = 0; c < ItemColumnCount; ++c)
                    r[size_t(c)] = content(i + quint32(c));
                rows.push_back(std::move(r));
                // Handed over in small batches: a large file never has all its
                // rows in two forms at once.
                if (rows.size() >= 4096)
                    flush();
            }
        }
        flush();
    } catch (...) {
        flush();
        retakeHold();
        throw;
    }
    if (!importing) {
        m_filePath = path;
        announceName();
        announceReplaced();
    }
    requestActionUpdate();
    if (importing)
        retakeHold();
    else
        m_fileLock.take(m_filePath);
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
    m_modified = false;
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
        pack.setEntryContent(counter, setting(PropertyTable::displayName(p)));
    }
    pack.setEntryCount(counter);
    pack.save(path);
}

} // namespace ulvanta
