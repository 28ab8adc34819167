#include "intake/ThemeIconModel.h"

#include <QCoreApplication>

namespace ulvanta::intake {

namespace {
constexpr int kPictureSize = 32; // the size the list shows
} // namespace

ThemeIconModel::ThemeIconModel(QObject* parent) : QAbstractListModel(parent) {}

ThemeIconModel::~ThemeIconModel() {
    // A theme being read stops at its next folder; its result is dropped.
    m_worker.request_stop();
    if (m_worker.joinable())
        m_worker.join();
}

void ThemeIconModel::load(IconLookup::Places places) {
    m_worker.request_stop();
    if (m_worker.joinable())
        m_worker.join();
    m_loading = true;
    m_worker = std::jthread([this, places = std::move(places)](std::stop_token stop) {
        ThemeIconIndex index = ThemeIconIndex::build(places, stop);
        if (stop.stop_requested())
            return;
        // Handed to the model's own thread; dropped if the model is gone by then.
        QMetaObject::invokeMethod(
            this, [this, index = std::move(index)]() mutable { take(std::move(index)); },
            Qt::QueuedConnection);
    });
}

void ThemeIconModel::take(ThemeIconIndex index) {
    beginResetModel();
    m_index = std::move(index);
    m_pictures.clear();
    m_loading = false;
    endResetModel();
    emit loaded();
}

QString ThemeIconModel::fileFor(int row, int size) const {
    if (row < 0 || row >= rowCount())
        return {};
    return ThemeIconIndex::closestFile(m_index.icons()[row], size);
}

int ThemeIconModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_index.icons().size());
}

QVariant ThemeIconModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_index.icons()[row].name;
    case Qt::ToolTipRole:
        return fileFor(row, kPictureSize);
    case Qt::DecorationRole: {
        auto it = m_pictures.find(row);
        if (it == m_pictures.end())
            it = m_pictures.insert(row, QIcon(fileFor(row, kPictureSize)));
        return *it;
    }
    default:
        return {};
    }
}

} // namespace ulvanta::intake
