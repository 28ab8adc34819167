#include "model/ItemList.h"

#include <QCoreApplication>
#include <QMimeData>
#include <algorithm>
#include <vector>

namespace ulvanta {

namespace {
const QString kRowsType = QStringLiteral("application/x-ulvanta-item-rows");
const QString kUriList = QStringLiteral("text/uri-list");
const QString kMozUrl = QStringLiteral("text/x-moz-url");
const QString kNetscapeUrl = QStringLiteral("_NETSCAPE_URL");
const QString kPlainText = QStringLiteral("text/plain");
} // namespace

Qt::DropActions ItemList::supportedDropActions() const {
    // Browsers offer their addresses as links, file managers as copies.
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

Qt::DropActions ItemList::supportedDragActions() const {
    return Qt::MoveAction;
}

QStringList ItemList::mimeTypes() const {
    return {kRowsType, kUriList, kMozUrl, kNetscapeUrl, kPlainText};
}

// The process and the list the rows come from: row numbers mean nothing to another
// list, least of all to one in another editor.
QByteArray ItemList::dragSource() const {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(quintptr(this), 16);
}

QMimeData* ItemList::mimeData(const QModelIndexList& indexes) const {
    QByteArray bytes = dragSource();
    // Each row once, however many of its cells are dragged, in one pass.
    std::vector<bool> taken(size_t(count()), false);
    for (const QModelIndex& i : indexes) {
        if (i.isValid() && i.row() < count() && !taken[size_t(i.row())]) {
            taken[size_t(i.row())] = true;
            bytes += ' ' + QByteArray::number(i.row());
        }
    }
    // No row is ever removed by the view after a move (the model has no removeRows):
    // the drop moves the rows itself.
    auto* data = new QMimeData;
    data->setData(kRowsType, bytes);
    return data;
}

std::optional<QList<int>> ItemList::draggedRows(const QMimeData& data) const {
    const QList<QByteArray> words = data.data(kRowsType).split(' ');
    if (words.constFirst() != dragSource())
        return std::nullopt;
    QList<int> rows;
    for (qsizetype i = 1; i < words.size(); ++i) {
        bool ok = false;
        const int row = words[i].toInt(&ok);
        if (ok)
            rows << row;
    }
    return rows;
}

bool ItemList::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                               const QModelIndex&) const {
    if (!data || !m_dropHandler)
        return false;
    if (data->hasFormat(kRowsType))
        return draggedRows(*data).has_value();
    return data->hasUrls() || data->hasFormat(kMozUrl) || data->hasFormat(kNetscapeUrl) ||
           data->hasText();
}

bool ItemList::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                            const QModelIndex& parent) {
    if (action == Qt::IgnoreAction)
        return true;
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const int position = row >= 0 ? row : parent.isValid() ? parent.row() : count();
    return m_dropHandler(*data, std::min(position, count()));
}

} // namespace ulvanta
