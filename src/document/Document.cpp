#include "document/Document.h"

#include "components/PackFile.h"
#include "components/Toolkit.h"
#include "components/UlvError.h"
#include "document/PropertyTable.h"

#include <array>

namespace ulvanta {

namespace {
const char* const kRowEntryNames[ItemColumnCount] = {"DESC", "COMMAND", "PARAM",   "STARTIN",
                                                     "ICON", "RUN",     "COMMENTS"};
const QString kHeaderHTML = QStringLiteral("Header HTML");
const QString kFooterHTML = QStringLiteral("Footer HTML");
const QString kAppSuffix = QStringLiteral(" - Ulvanta Editor");
} // namespace

Document::Document(QObject* parent) : QObject(parent), m_items(this), m_props(this), m_edits(*this) {
    for (QAbstractItemModel* m :
         {static_cast<QAbstractItemModel*>(&m_items), static_cast<QAbstractItemModel*>(&m_props)}) {
        connect(m, &QAbstractItemModel::dataChanged, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsInserted, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsRemoved, this, &Document::edited);
        connect(m, &QAbstractItemModel::rowsMoved, this, &Document::edited);
        connect(m, &QAbstractItemModel::modelReset, this, &Document::edited);
    }
}

QString Document::GetProp(int pos, int subItem) const {
    if (pos < 1 || pos > PropertyTable::Count)
        return {};
    const PropertyDef& d = PropertyTable::at(pos);
    switch (subItem) {
    case 1:
        return QString::fromLatin1(d.displayName);
    case 2:
        if (qstrcmp(d.key, "P_TITLE") == 0)
            return QStringLiteral("New File ") + QString::number(NextNew);
        return QString::fromLatin1(d.defaultValue);
    case 3:
        return QString::fromLatin1(d.key);
    }
    return {};
}

void Document::Propulate() {
    std::vector<PropertyList::Row> rows;
    rows.reserve(PropertyTable::Count);
    for (int n = 1; n <= PropertyTable::Count; ++n)
        rows.push_back({GetProp(n, 1), GetProp(n, 2)});
    m_props.setRows(std::move(rows));
    HeaderHTML.clear();
    FooterHTML.clear();
    emit propertiesRefilled();
}

QString Document::ReadProp(const QString& propName, bool noConv) const {
    if (propName == kFooterHTML)
        return FooterHTML;
    if (propName == kHeaderHTML)
        return HeaderHTML;
    const int row = m_props.rowOf(propName);
    if (row < 0)
        return {};
    const QString& value = m_props.setting(row);
    return noConv ? value : Toolkit::EncodeText(value, false);
}

QString Document::htmlPreview(const QString& text) {
    return text.size() < 50 ? text : text.left(50) + QStringLiteral("...");
}

void Document::WriteProp(const QString& propName, const QString& value) {
    const int row = m_props.rowOf(propName);
    if (row < 0)
        return;
    if (propName == kFooterHTML) {
        FooterHTML = value;
        m_props.setSetting(row, htmlPreview(value));
    } else if (propName == kHeaderHTML) {
        HeaderHTML = value;
        m_props.setSetting(row, htmlPreview(value));
    } else {
        m_props.setSetting(row, value);
        return;
    }
    emit edited(); // the list shows only the start of the text, which may not have changed
}

void Document::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(m_caption);
}

void Document::setTitledCaption(const QString& title) {
    if (CurFile.isEmpty())
        setCaption(title + kAppSuffix);
    else
        setCaption(title + QStringLiteral(" (") + CurFile + QStringLiteral(")") + kAppSuffix);
}

void Document::setUntitledCaption() {
    setCaption(QStringLiteral("New File ") + QString::number(NextNew) + kAppSuffix);
}

void Document::retakeHold() {
    if (!CurFile.isEmpty() && !CO.isHeld())
        CO.take(CurFile);
}

void Document::OpenFile(const QString& path, bool imprt) {
    CO.release();
    std::vector<ItemRow> rows;
    // Rows read before a failure stay in the list, so they are handed over on every exit.
    const auto flush = [&] {
        if (!rows.empty()) {
            m_items.appendItems(std::move(rows));
            rows.clear();
        }
    };
    try {
        if (FileHold::isLockedElsewhere(path))
            throw UlvError(UlvError::PermissionDenied);
        PackFile pack;
        pack.LoadPack(path);
        if (!imprt)
            m_items.clear();
        const quint32 count = pack.GetEntry(1, 0).toUInt();
        const auto content = [&](quint32 i) {
            return pack.ReadEntry(path, pack.GetEntry(1, i).toUInt(), pack.GetEntry(2, i).toUInt(),
                                  false);
        };
        int k = 0;
        for (quint32 i = 1; i <= count; ++i) {
            const QString name = pack.entryName(i);
            if (name.startsWith(QLatin1String("P_"))) {
                if (imprt)
                    continue;
                ++k;
                while (k <= PropertyTable::Count && GetProp(k, 3) != name)
                    ++k;
                if (k > PropertyTable::Count)
                    throw UlvError(QStringLiteral("Invalid file format (property '%1' is not "
                                                  "known or out of order)")
                                       .arg(name),
                                   UlvError::InvalidFileFormat);
                WriteProp(GetProp(k, 1), content(i));
            } else if (name == QLatin1String(kRowEntryNames[0])) {
                if (quint64(i) + ItemColumnCount - 1 > count)
                    throw UlvError(QStringLiteral("Invalid file format (the last row is cut "
                                                  "short)"),
                                   UlvError::InvalidFileFormat);
                ItemRow r;
                for (int c = 0; c < ItemColumnCount; ++c)
                    r[size_t(c)] = content(i + quint32(c));
                rows.push_back(std::move(r));
            }
        }
        flush();
    } catch (...) {
        flush();
        retakeHold();
        throw;
    }
    if (!imprt) {
        CurFile = path;
        setTitledCaption(ReadProp(QStringLiteral("Title"), true));
        requestTab(0);
    }
    requestCheckmenus();
    if (imprt)
        retakeHold();
    else
        CO.take(CurFile);
}

void Document::SaveFile(const QString& path) {
    CO.release();
    try {
        if (FileHold::isLockedElsewhere(path))
            throw UlvError(UlvError::PermissionDenied);
        writeFile(path);
    } catch (...) {
        retakeHold();
        throw;
    }
    CurFile = path;
    setTitledCaption(ReadProp(QStringLiteral("Title"), true));
    Changed = false;
    CO.take(CurFile);
}

void Document::writeFile(const QString& path) const {
    PackFile pack;
    quint32 counter = 0;
    const int n = m_items.count();
    static const std::array<QVariant, ItemColumnCount> rowNames = [] {
        std::array<QVariant, ItemColumnCount> a;
        for (int c = 0; c < ItemColumnCount; ++c)
            a[size_t(c)] = QString::fromLatin1(kRowEntryNames[c]);
        return a;
    }();
    for (int r = 0; r < n; ++r) {
        const ItemRow& row = m_items.row(r);
        for (int c = 0; c < ItemColumnCount; ++c) {
            ++counter;
            pack.SetEntry(rowNames[size_t(c)], 3, counter);
            pack.SetEntry(row[size_t(c)], 5, counter);
        }
    }
    for (int p = 1; p <= m_props.count(); ++p) {
        ++counter;
        pack.SetEntry(GetProp(p, 3), 3, counter);
        pack.SetEntry(ReadProp(GetProp(p, 1), true), 5, counter);
    }
    pack.SetEntry(counter, 1, 0);
    pack.WritePack(path);
}

} // namespace ulvanta
