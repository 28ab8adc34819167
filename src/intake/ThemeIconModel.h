#pragma once

#include "intake/ThemeIconIndex.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <thread>

namespace ulvanta::intake {

// The icons of the desktop's themes as a list of names with their pictures. The
// index is read on a worker thread, so that a large theme never holds up the
// window; pictures load when a view first asks for them.
class ThemeIconModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ThemeIconModel(QObject* parent = nullptr);
    ~ThemeIconModel() override;

    // Starts reading the places' icons; the list stays empty until loaded().
    void load(IconLookup::Places places);
    bool isLoading() const { return m_loading; }

    // The picture file of a row to show at a size (see ThemeIconIndex::closestFile).
    QString fileFor(int row, int size) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    void loaded();

private:
    void take(ThemeIconIndex index);

    ThemeIconIndex m_index;
    bool m_loading = false;
    mutable QHash<int, QIcon> m_pictures; // by row, filled as rows are shown
    std::jthread m_worker;                // last: stopped and joined first
};

} // namespace ulvanta::intake
