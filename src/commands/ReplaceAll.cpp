#include "commands/ReplaceAll.h"

#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QCoreApplication>
#include <algorithm>

namespace ulvanta {

CellReplacer::CellReplacer(const QString& find, const QString& replacement, bool matchCase)
    : m_find(find), m_replacement(replacement),
      m_matcher(find, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) {}

QString CellReplacer::apply(const QString& text) const {
    if (m_find.isEmpty())
        return text.isEmpty() ? m_replacement : text;
    qsizetype pos = m_matcher.indexIn(text, 0);
    if (pos < 0)
        return text; // shares the text: no copy for the cells without a match
    // A caseless match folds one unit at a time, so it is as long as the find text.
    const qsizetype length = m_find.size();
    const QStringView source(text);
    QString result;
    result.reserve(text.size() + 4 * qMax<qsizetype>(0, m_replacement.size() - length));
    qsizetype done = 0;
    while (pos >= 0) {
        result.append(source.mid(done, pos - done));
        result.append(m_replacement);
        done = pos + length;
        pos = m_matcher.indexIn(text, done);
    }
    result.append(source.mid(done));
    return result;
}

bool replaceAll(Document& doc, const ReplaceRequest& request) {
    // The columns in a fixed order, each once, the Run column left out.
    std::vector<int> columns;
    for (int c : {ColDescription, ColCommand, ColParameters, ColStartIn, ColIcon, ColComments}) {
        if (std::find(request.columns.begin(), request.columns.end(), c) != request.columns.end())
            columns.push_back(c);
    }
    if (columns.empty())
        return false;

    const CellReplacer replacer(request.find, request.replacement, request.matchCase);
    const ItemList& items = doc.items();
    bool visited = false;
    // Only the changed cells are kept: they are the step, and memory for its undo.
    std::vector<CellChange> cells;
    for (int r = 0; r < items.count(); ++r) {
        // Decided once per row: a replacement in the Description may make the row
        // look like a section, but its other columns are still this run's to change.
        if (items.isSection(r))
            continue;
        visited = true;
        for (int c : columns) {
            const QString& before = items.cell(r, c);
            QString after = replacer.apply(before);
            if (!after.isSharedWith(before) && after != before)
                cells.push_back({r, c, before, std::move(after)});
        }
    }
    if (visited)
        doc.edits().push(changeCellsStep(
            doc, QCoreApplication::translate("ReplaceAll", "Replace All"), std::move(cells)));
    return visited;
}

} // namespace ulvanta
