#pragma once

#include "edits/EditStep.h"
#include "generator/PageCheck.h"

#include <QAbstractTableModel>
#include <QHash>
#include <optional>
#include <vector>

namespace ulvanta {

// A problem with the Description of its row as it was when checked.
struct ProblemLine {
    PageProblem problem;
    QString description;
};

// A check's lines and the notes they put on the item list's cells (by row * column
// count + column), made on the checking thread.
struct ProblemResult {
    std::vector<ProblemLine> lines;
    QHash<qint64, QString> notes;
};

// The lines of the Problems panel, one per problem: the row's Description (or the
// Properties tab for a page setting), the column or setting and the message. The
// same problems are kept as notes on the item list's cells. Before a first check
// the list is empty; a check that found nothing shows one line saying so.
class ProblemList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column : int { DescriptionColumn, PlaceColumn, MessageColumn, ColumnCount };

    explicit ProblemList(QObject* parent = nullptr);

    // The problems found in the rows given, as lines.
    static std::vector<ProblemLine> linesOf(const std::vector<PageProblem>& problems,
                                            const ItemList::Snapshot& rows);

    static ProblemResult resultOf(const std::vector<PageProblem>& problems,
                                  const ItemList::Snapshot& rows);

    // The result of a check of the local files; the web addresses' answers stay.
    void setLocalResult(ProblemResult result);
    // The result of asking the page's web addresses; the local problems stay.
    void setOnlineLines(std::vector<ProblemLine> lines);
    // Forgets every result, as for another document.
    void clear();
    // Rows were added, removed or moved: the notes no longer fit their rows until
    // the next result, and the web addresses' answers are dropped (asked again on
    // demand only).
    void rowsShifted();

    bool isChecked() const { return m_checked; }
    int lineCount() const { return int(m_local.size() + m_online.size()); }
    const ProblemLine& line(int i) const;
    // What is wrong with a cell of the item list (0-based row), one problem a line;
    // empty when nothing is.
    QString note(int row, int column) const;
    // Where a line takes the user: the item list's row, or the property list's row
    // of the setting; nullopt for the line that says nothing was found.
    std::optional<EditPlace> place(int line, const class PropertyList& props) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void notesChanged();

private:
    static void addNotes(QHash<qint64, QString>& notes, const std::vector<ProblemLine>& lines);
    void rebuild();

    std::vector<ProblemLine> m_local;
    std::vector<ProblemLine> m_online;
    QHash<qint64, QString> m_localNotes;
    QHash<qint64, QString> m_notes; // the local ones and the answers', as shown
    bool m_checked = false;
    bool m_notesShown = true;
};

} // namespace ulvanta
