#include "edits/EditStep.h"

#include "edits/Document.h"
#include "model/PropertyTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace ulvanta {

namespace {

qint64 textBytes(const QString& s) {
    return qint64(sizeof(QString)) + qint64(s.size()) * qint64(sizeof(QChar));
}

qint64 rowBytes(const ItemRow& r) {
    qint64 n = 0;
    for (const QString& s : r)
        n += textBytes(s);
    return n;
}

// The current row alone, or none when the list is empty.
EditPlace rowPlace(int row, int count) {
    return {EditTab::Icons, count > 0 ? std::clamp(row, 0, count - 1) : -1, -1, -1};
}

// A step of its own kind: takeOver moves what the step holds into a new one.
template <typename Self> class StepOf : public EditStep {
public:
    EditStepPtr takeOver() override {
        return std::make_unique<Self>(std::move(static_cast<Self&>(*this)));
    }

protected:
    using EditStep::EditStep;
};

// A block of rows inserted at a position (or, taken the other way, removed).
class RowBlockStep : public StepOf<RowBlockStep> {
public:
    RowBlockStep(Document& doc, const QString& text, int position, std::vector<ItemRow> rows,
                 bool inserts, bool done)
        : StepOf(doc, text, done), m_position(position), m_rows(std::move(rows)),
          m_inserts(inserts) {
        qint64 n = sizeof(*this);
        for (const ItemRow& r : m_rows)
            n += rowBytes(r);
        setBytes(n);
        setObsolete(m_rows.empty());
    }

protected:
    void apply(Document& doc) override { m_inserts ? put(doc.items()) : take(doc.items()); }
    void revert(Document& doc) override { m_inserts ? take(doc.items()) : put(doc.items()); }

private:
    void put(ItemList& items) const { items.insertItems(m_position, m_rows); }
    void take(ItemList& items) const { items.removeItems(m_position, int(m_rows.size())); }

    int m_position;
    std::vector<ItemRow> m_rows;
    bool m_inserts;
};

class ReplaceRowStep : public StepOf<ReplaceRowStep> {
public:
    ReplaceRowStep(Document& doc, const QString& text, int row, ItemRow before, ItemRow after)
        : StepOf(doc, text), m_row(row), m_before(std::move(before)), m_after(std::move(after)) {
        setBytes(sizeof(*this) + rowBytes(m_before) + rowBytes(m_after));
        setObsolete(m_before == m_after);
    }

protected:
    void apply(Document& doc) override { doc.items().setRow(m_row, m_after); }
    void revert(Document& doc) override { doc.items().setRow(m_row, m_before); }

private:
    int m_row;
    ItemRow m_before;
    ItemRow m_after;
};

class RotateStep : public StepOf<RotateStep> {
public:
    RotateStep(Document& doc, const QString& text, int first, int middle, int last)
        : StepOf(doc, text), m_first(first), m_middle(middle), m_last(last) {
        setBytes(sizeof(*this));
    }

protected:
    void apply(Document& doc) override { doc.items().rotate(m_first, m_middle, m_last); }
    // The block that went first goes back behind the other one.
    void revert(Document& doc) override {
        doc.items().rotate(m_first, m_first + m_last - m_middle + 1, m_last);
    }

private:
    int m_first;
    int m_middle;
    int m_last;
};

class GatherStep : public StepOf<GatherStep> {
public:
    GatherStep(Document& doc, const QString& text, RowSpans spans, int to)
        : StepOf(doc, text), m_spans(std::move(spans)), m_to(to) {
        setBytes(qint64(sizeof(*this) + m_spans.size() * sizeof(RowSpan)));
    }

protected:
    void apply(Document& doc) override { doc.items().gather(m_spans, m_to); }
    void revert(Document& doc) override { doc.items().ungather(m_spans, m_to); }

private:
    RowSpans m_spans;
    int m_to;
};

// Rows apart are first gathered at the end, then taken off in one block; undoing
// puts the block back and scatters it to where it was.
class RemoveSpansStep : public StepOf<RemoveSpansStep> {
public:
    RemoveSpansStep(Document& doc, const QString& text, RowSpans spans, int count,
                    std::vector<ItemRow> rows)
        : StepOf(doc, text), m_spans(std::move(spans)), m_count(count), m_rows(std::move(rows)) {
        qint64 n = qint64(sizeof(*this) + m_spans.size() * sizeof(RowSpan));
        for (const ItemRow& r : m_rows)
            n += rowBytes(r);
        setBytes(n);
        setObsolete(m_rows.empty());
    }

protected:
    void apply(Document& doc) override {
        doc.items().gather(m_spans, m_count);
        doc.items().removeItems(m_count - int(m_rows.size()), int(m_rows.size()));
    }
    void revert(Document& doc) override {
        doc.items().insertItems(m_count - int(m_rows.size()), m_rows);
        doc.items().ungather(m_spans, m_count);
    }

private:
    RowSpans m_spans;
    int m_count; // the rows in the list with the removed ones
    std::vector<ItemRow> m_rows;
};

class CellsStep : public StepOf<CellsStep> {
public:
    // Typing in place: steps with this id merge.
    static constexpr int TypingId = 1;

    CellsStep(Document& doc, const QString& text, std::vector<CellChange> cells)
        : StepOf(doc, text), m_cells(std::move(cells)) {
        count();
    }
    void typing() { setMergeId(TypingId); }

    // A later edit of the same cell, straight after this one, becomes part of it.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const CellsStep*>(other);
        if (m_cells.size() != 1 || next->m_cells.size() != 1 ||
            next->m_cells[0].row != m_cells[0].row || next->m_cells[0].column != m_cells[0].column)
            return false;
        m_cells[0].after = next->m_cells[0].after;
        count();
        return true;
    }

protected:
    void apply(Document& doc) override { write(doc.items(), &CellChange::after); }
    void revert(Document& doc) override { write(doc.items(), &CellChange::before); }

private:
    void count() {
        qint64 n = sizeof(*this);
        for (const CellChange& c : m_cells)
            n += qint64(sizeof(CellChange)) + textBytes(c.before) + textBytes(c.after) -
                 2 * qint64(sizeof(QString));
        setBytes(n);
        setObsolete(m_cells.empty() ||
                    (m_cells.size() == 1 && m_cells[0].before == m_cells[0].after));
    }

    // A few cells are set one by one; once they are more than a quarter of the rows,
    // one pass over the rows is cheaper, and is reported to the views once.
    void write(ItemList& items, QString CellChange::*text) const {
        if (m_cells.size() * 4 <= size_t(items.count())) {
            for (const CellChange& c : m_cells)
                items.setCell(c.row, c.column, c.*text);
            return;
        }
        size_t k = 0;
        int row = 0;
        items.updateAll([&](ItemRow& r) {
            for (; k < m_cells.size() && m_cells[k].row == row; ++k)
                r[size_t(m_cells[k].column)] = m_cells[k].*text;
            ++row;
        });
    }

    std::vector<CellChange> m_cells; // by row, then column
};

// Exchanging the two columns again undoes it. Which rows are sections is fixed
// when the step is made: a swap with the Description may turn an icon row into a
// section row or back, and exactly the same rows must be swapped each time.
class SwapColumnsStep : public StepOf<SwapColumnsStep> {
public:
    SwapColumnsStep(Document& doc, const QString& text, int a, int b, std::vector<int> sections)
        : StepOf(doc, text), m_a(size_t(a)), m_b(size_t(b)), m_sections(std::move(sections)) {
        setBytes(sizeof(*this) + qint64(m_sections.size() * sizeof(int)));
    }

protected:
    void apply(Document& doc) override { exchange(doc.items()); }
    void revert(Document& doc) override { exchange(doc.items()); }

private:
    void exchange(ItemList& items) const {
        size_t k = 0;
        int row = 0;
        items.updateAll([&](ItemRow& r) {
            if (k < m_sections.size() && m_sections[k] == row)
                ++k;
            else
                std::swap(r[m_a], r[m_b]);
            ++row;
        });
    }

    size_t m_a;
    size_t m_b;
    std::vector<int> m_sections;
};

// One property: its value and what the property list shows for it, before and after.
struct SettingChange {
    Setting key;
    QString before;
    QString after;
    QString shownBefore;
    QString shownAfter;

    bool same() const { return before == after && shownBefore == shownAfter; }
};

// Properties set by key; with `reset`, doing the step refills the whole list with
// the defaults instead, and undoing it sets every property back.
class SettingsStep : public StepOf<SettingsStep> {
public:
    SettingsStep(Document& doc, const QString& text, std::vector<SettingChange> changes,
                 bool retitle, bool reset)
        : StepOf(doc, text), m_changes(std::move(changes)), m_retitle(retitle), m_reset(reset) {
        qint64 n = sizeof(*this);
        for (const SettingChange& c : m_changes) {
            n += textBytes(c.before) + textBytes(c.after);
            // The views of all but Header and Footer HTML share the values' text.
            if (c.shownBefore.constData() != c.before.constData())
                n += textBytes(c.shownBefore);
            if (c.shownAfter.constData() != c.after.constData())
                n += textBytes(c.shownAfter);
        }
        setBytes(n);
        setObsolete(m_changes.empty());
    }

protected:
    void apply(Document& doc) override {
        if (m_reset)
            doc.resetProperties();
        else
            write(doc, &SettingChange::after, &SettingChange::shownAfter);
    }
    void revert(Document& doc) override {
        write(doc, &SettingChange::before, &SettingChange::shownBefore);
    }

private:
    void write(Document& doc, QString SettingChange::*value, QString SettingChange::*shown) const {
        for (const SettingChange& c : m_changes) {
            doc.setSetting(c.key, c.*value);
            doc.props().setSetting(doc.props().rowOf(c.key), c.*shown);
        }
        if (m_retitle)
            doc.announceName();
    }

    std::vector<SettingChange> m_changes;
    bool m_retitle;
    bool m_reset;
};

SettingChange settingChange(const Document& doc, Setting key, const QString& after,
                            const QString& shownAfter) {
    const int row = doc.props().rowOf(key);
    return {key, doc.setting(key), after, row < 0 ? QString() : doc.props().setting(row),
            shownAfter.isNull() ? Document::shownSetting(key, after) : shownAfter};
}

std::vector<ItemRow> rowsOf(const ItemList& items, int first, int count) {
    std::vector<ItemRow> rows;
    rows.reserve(size_t(count));
    for (int i = first; i < first + count; ++i)
        rows.push_back(items.row(i));
    return rows;
}

EditStepPtr blockStep(Document& doc, const QString& text, int position, std::vector<ItemRow> rows,
                      bool inserts, int countWithout, bool done = false) {
    const int last = position + int(rows.size()) - 1;
    auto step = std::make_unique<RowBlockStep>(doc, text, position, std::move(rows), inserts, done);
    const EditPlace with{EditTab::Icons, position, position, last};
    const EditPlace without = rowPlace(position, countWithout);
    step->setPlaces(inserts ? without : with, inserts ? with : without);
    return step;
}

EditStepPtr cellsStep(Document& doc, const QString& text, std::vector<CellChange> cells) {
    std::erase_if(cells, [](const CellChange& c) { return c.before == c.after; });
    const auto byPlace = [](const CellChange& x, const CellChange& y) {
        return x.row != y.row ? x.row < y.row : x.column < y.column;
    };
    if (!std::is_sorted(cells.begin(), cells.end(), byPlace))
        std::sort(cells.begin(), cells.end(), byPlace);
    // A change within one row (an in-place edit) makes that row current again.
    const int row = cells.empty() ? -1 : cells.front().row;
    const bool oneRow = !cells.empty() && cells.back().row == row;
    auto step = std::make_unique<CellsStep>(doc, text, std::move(cells));
    if (oneRow)
        step->setPlaces({EditTab::Icons, row, -1, -1}, {EditTab::Icons, row, -1, -1});
    return step;
}

} // namespace

EditStep::EditStep(EditStep&& other)
    : QUndoCommand(other.text()), m_doc(other.m_doc), m_before(other.m_before),
      m_after(other.m_after), m_bytes(other.m_bytes), m_done(other.m_done) {}

void EditStep::redo() {
    if (!std::exchange(m_done, true))
        apply(*m_doc);
}

void EditStep::undo() {
    if (std::exchange(m_done, false))
        revert(*m_doc);
}

EditStepPtr insertRowsStep(Document& doc, const QString& text, int position,
                           std::vector<ItemRow> rows) {
    const int count = doc.items().count();
    return blockStep(doc, text, std::clamp(position, 0, count), std::move(rows), true, count);
}

EditStepPtr insertedRowsStep(Document& doc, const QString& text, int first, int count) {
    const ItemList& items = doc.items();
    return blockStep(doc, text, first, rowsOf(items, first, count), true, items.count() - count,
                     true);
}

EditStepPtr removeRowsStep(Document& doc, const QString& text, int first, int count) {
    const ItemList& items = doc.items();
    return blockStep(doc, text, first, rowsOf(items, first, count), false, items.count() - count);
}

EditStepPtr replaceRowStep(Document& doc, const QString& text, int row, ItemRow after) {
    const ItemList& items = doc.items();
    auto step = std::make_unique<ReplaceRowStep>(doc, text, row, items.row(row), std::move(after));
    step->setPlaces(rowPlace(row, items.count()), rowPlace(row, items.count()));
    return step;
}

EditStepPtr rotateStep(Document& doc, const QString& text, int first, int middle, int last,
                       bool movingUp) {
    auto step = std::make_unique<RotateStep>(doc, text, first, middle, last);
    const int secondAfter = first + last - middle + 1; // where [first, middle) lands
    step->setCurrentBefore(movingUp ? middle : first);
    step->setCurrentAfter(movingUp ? first : secondAfter);
    return step;
}

EditStepPtr gatherStep(Document& doc, const QString& text, RowSpans spans, int to) {
    to = std::clamp(to, 0, doc.items().count());
    int at = to; // the rows that stay above the gathered ones
    for (const RowSpan& s : spans)
        at -= std::max(0, std::min(s.last + 1, to) - s.first);
    const int gathered = rowsIn(spans);
    const int firstBefore = spans.empty() ? -1 : spans.front().first;
    auto step = std::make_unique<GatherStep>(doc, text, std::move(spans), to);
    step->setPlaces({EditTab::Icons, firstBefore, -1, -1},
                    {EditTab::Icons, at, at, at + gathered - 1});
    return step;
}

EditStepPtr removeSpansStep(Document& doc, const QString& text, RowSpans spans) {
    const ItemList& items = doc.items();
    std::vector<ItemRow> rows;
    rows.reserve(size_t(rowsIn(spans)));
    for (const RowSpan& s : spans)
        for (int i = s.first; i <= s.last; ++i)
            rows.push_back(items.row(i));
    const int count = items.count();
    const int first = spans.empty() ? 0 : spans.front().first;
    const int left = count - int(rows.size());
    auto step =
        std::make_unique<RemoveSpansStep>(doc, text, std::move(spans), count, std::move(rows));
    step->setPlaces({EditTab::Icons, first, -1, -1}, rowPlace(first, left));
    return step;
}

EditStepPtr changeCellsStep(Document& doc, const QString& text, std::vector<CellChange> cells) {
    return cellsStep(doc, text, std::move(cells));
}

EditStepPtr typeDescriptionStep(Document& doc, int row, const QString& text) {
    auto step = cellsStep(doc, QCoreApplication::translate("EditStep", "Edit Description"),
                          {{row, ColDescription, doc.items().cell(row, ColDescription), text}});
    static_cast<CellsStep&>(*step).typing();
    return step;
}

EditStepPtr swapColumnsStep(Document& doc, const QString& text, int a, int b) {
    const ItemList& items = doc.items();
    std::vector<int> sections;
    for (int i = 0; i < items.count(); ++i) {
        if (items.isSection(i))
            sections.push_back(i);
    }
    return std::make_unique<SwapColumnsStep>(doc, text, a, b, std::move(sections));
}

EditStepPtr changeSettingsStep(Document& doc, const QString& text,
                               const std::vector<SettingValue>& values, bool retitle) {
    std::vector<SettingChange> changes;
    changes.reserve(values.size());
    for (const SettingValue& v : values) {
        if (doc.props().rowOf(v.key) < 0)
            continue;
        changes.push_back(settingChange(doc, v.key, v.value, v.shown));
        if (changes.back().same())
            changes.pop_back();
    }
    auto step = std::make_unique<SettingsStep>(doc, text, std::move(changes), retitle, false);
    const int row = values.empty() ? -1 : doc.props().rowOf(values.front().key);
    step->setPlaces({EditTab::Properties, row, -1, -1}, {EditTab::Properties, row, -1, -1});
    return step;
}

EditStepPtr resetSettingsStep(Document& doc, const QString& text) {
    std::vector<SettingChange> old;
    old.reserve(PropertyTable::Count);
    for (int n = 1; n <= PropertyTable::Count; ++n)
        old.push_back(settingChange(doc, PropertyTable::settingOf(n), doc.defaultSetting(n), {}));
    auto step = std::make_unique<SettingsStep>(doc, text, std::move(old), false, true);
    step->setPlaces({EditTab::Properties, -1, -1, -1}, {EditTab::Properties, -1, -1, -1});
    return step;
}

} // namespace ulvanta
