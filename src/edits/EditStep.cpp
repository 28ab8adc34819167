#include "edits/EditStep.h"

#include "edits/Document.h"
#include "model/PropertyTable.h"

#include <algorithm>

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

// A block of rows inserted at a position (or, taken the other way, removed).
class RowBlockStep : public EditStep {
public:
    RowBlockStep(int position, std::vector<ItemRow> rows, bool inserts)
        : m_position(position), m_rows(std::move(rows)), m_inserts(inserts) {}

    void apply(Document& doc) override { m_inserts ? put(doc.items()) : take(doc.items()); }
    void revert(Document& doc) override { m_inserts ? take(doc.items()) : put(doc.items()); }
    qint64 bytes() const override {
        qint64 n = sizeof(*this);
        for (const ItemRow& r : m_rows)
            n += rowBytes(r);
        return n;
    }

private:
    void put(ItemList& items) const { items.insertItems(m_position, m_rows); }
    void take(ItemList& items) const { items.removeItems(m_position, int(m_rows.size())); }

    int m_position;
    std::vector<ItemRow> m_rows;
    bool m_inserts;
};

class ReplaceRowStep : public EditStep {
public:
    ReplaceRowStep(int row, ItemRow before, ItemRow after)
        : m_row(row), m_before(std::move(before)), m_after(std::move(after)) {}
    void apply(Document& doc) override { doc.items().setRow(m_row, m_after); }
    void revert(Document& doc) override { doc.items().setRow(m_row, m_before); }
    qint64 bytes() const override { return sizeof(*this) + rowBytes(m_before) + rowBytes(m_after); }
    bool changesNothing() const override { return m_before == m_after; }

private:
    int m_row;
    ItemRow m_before;
    ItemRow m_after;
};

class RotateStep : public EditStep {
public:
    RotateStep(int first, int middle, int last) : m_first(first), m_middle(middle), m_last(last) {}
    void apply(Document& doc) override { doc.items().rotate(m_first, m_middle, m_last); }
    // The block that went first goes back behind the other one.
    void revert(Document& doc) override {
        doc.items().rotate(m_first, m_first + m_last - m_middle + 1, m_last);
    }
    qint64 bytes() const override { return sizeof(*this); }

private:
    int m_first;
    int m_middle;
    int m_last;
};

class CellsStep : public EditStep {
public:
    explicit CellsStep(std::vector<CellChange> cells) : m_cells(std::move(cells)) {}
    void apply(Document& doc) override { write(doc.items(), &CellChange::after); }
    void revert(Document& doc) override { write(doc.items(), &CellChange::before); }
    qint64 bytes() const override {
        qint64 n = sizeof(*this);
        for (const CellChange& c : m_cells)
            n += qint64(sizeof(CellChange)) + textBytes(c.before) + textBytes(c.after) -
                 2 * qint64(sizeof(QString));
        return n;
    }
    bool changesNothing() const override { return m_cells.empty(); }

private:
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
class SwapColumnsStep : public EditStep {
public:
    SwapColumnsStep(int a, int b, std::vector<int> sections)
        : m_a(size_t(a)), m_b(size_t(b)), m_sections(std::move(sections)) {}
    void apply(Document& doc) override { exchange(doc.items()); }
    void revert(Document& doc) override { exchange(doc.items()); }
    qint64 bytes() const override {
        return sizeof(*this) + qint64(m_sections.size() * sizeof(int));
    }

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
    QString name;
    QString before;
    QString after;
    QString shownBefore;
    QString shownAfter;

    bool same() const { return before == after && shownBefore == shownAfter; }
};

// Properties set by name; with `reset`, doing the step refills the whole list with
// the defaults instead, and undoing it sets every property back.
class SettingsStep : public EditStep {
public:
    SettingsStep(std::vector<SettingChange> changes, bool retitle, bool reset)
        : m_changes(std::move(changes)), m_retitle(retitle), m_reset(reset) {}
    void apply(Document& doc) override {
        if (m_reset)
            doc.resetProperties();
        else
            write(doc, &SettingChange::after, &SettingChange::shownAfter);
    }
    void revert(Document& doc) override {
        write(doc, &SettingChange::before, &SettingChange::shownBefore);
    }
    qint64 bytes() const override {
        qint64 n = sizeof(*this);
        for (const SettingChange& c : m_changes) {
            n += textBytes(c.name) + textBytes(c.before) + textBytes(c.after);
            // The views of all but Header and Footer HTML share the values' text.
            if (c.shownBefore.constData() != c.before.constData())
                n += textBytes(c.shownBefore);
            if (c.shownAfter.constData() != c.after.constData())
                n += textBytes(c.shownAfter);
        }
        return n;
    }
    bool changesNothing() const override { return m_changes.empty(); }

private:
    void write(Document& doc, QString SettingChange::*value, QString SettingChange::*shown) const {
        for (const SettingChange& c : m_changes) {
            doc.setSetting(c.name, c.*value);
            doc.props().setSetting(doc.props().rowOf(c.name), c.*shown);
        }
        if (m_retitle)
            doc.announceName();
    }

    std::vector<SettingChange> m_changes;
    bool m_retitle;
    bool m_reset;
};

SettingChange settingChange(const Document& doc, const QString& name, const QString& after,
                            const QString& shownAfter) {
    const int row = doc.props().rowOf(name);
    return {name, doc.setting(name), after, row < 0 ? QString() : doc.props().setting(row),
            shownAfter.isNull() ? Document::shownSetting(name, after) : shownAfter};
}

template <typename Step>
std::shared_ptr<Step> named(std::shared_ptr<Step> step, const QString& text) {
    step->text = text;
    return step;
}

std::vector<ItemRow> rowsOf(const ItemList& items, int first, int count) {
    std::vector<ItemRow> rows;
    rows.reserve(size_t(count));
    for (int i = first; i < first + count; ++i)
        rows.push_back(items.row(i));
    return rows;
}

EditStepPtr blockStep(const QString& text, int position, std::vector<ItemRow> rows, bool inserts,
                      int countWithout) {
    const int last = position + int(rows.size()) - 1;
    auto step = named(std::make_shared<RowBlockStep>(position, std::move(rows), inserts), text);
    const EditPlace with{EditTab::Icons, position, position, last};
    const EditPlace without = rowPlace(position, countWithout);
    step->before = inserts ? without : with;
    step->after = inserts ? with : without;
    return step;
}

} // namespace

EditStepPtr insertRowsStep(const ItemList& items, const QString& text, int position,
                           std::vector<ItemRow> rows) {
    return blockStep(text, std::clamp(position, 0, items.count()), std::move(rows), true,
                     items.count());
}

EditStepPtr insertedRowsStep(const ItemList& items, const QString& text, int first, int count) {
    return blockStep(text, first, rowsOf(items, first, count), true, items.count() - count);
}

EditStepPtr removeRowsStep(const ItemList& items, const QString& text, int first, int count) {
    return blockStep(text, first, rowsOf(items, first, count), false, items.count() - count);
}

EditStepPtr replaceRowStep(const ItemList& items, const QString& text, int row, ItemRow after) {
    auto step =
        named(std::make_shared<ReplaceRowStep>(row, items.row(row), std::move(after)), text);
    step->before = step->after = rowPlace(row, items.count());
    return step;
}

EditStepPtr rotateStep(const QString& text, int first, int middle, int last, bool movingUp) {
    auto step = named(std::make_shared<RotateStep>(first, middle, last), text);
    const int secondAfter = first + last - middle + 1; // where [first, middle) lands
    step->before.current = movingUp ? middle : first;
    step->after.current = movingUp ? first : secondAfter;
    return step;
}

EditStepPtr changeCellsStep(const QString& text, std::vector<CellChange> cells) {
    std::erase_if(cells, [](const CellChange& c) { return c.before == c.after; });
    const auto byPlace = [](const CellChange& x, const CellChange& y) {
        return x.row != y.row ? x.row < y.row : x.column < y.column;
    };
    if (!std::is_sorted(cells.begin(), cells.end(), byPlace))
        std::sort(cells.begin(), cells.end(), byPlace);
    // A change within one row (an in-place edit) makes that row current again.
    const int row = cells.empty() ? -1 : cells.front().row;
    const bool oneRow = !cells.empty() && cells.back().row == row;
    auto step = named(std::make_shared<CellsStep>(std::move(cells)), text);
    if (oneRow)
        step->before.current = step->after.current = row;
    return step;
}

EditStepPtr swapColumnsStep(const ItemList& items, const QString& text, int a, int b) {
    std::vector<int> sections;
    for (int i = 0; i < items.count(); ++i) {
        if (items.isSection(i))
            sections.push_back(i);
    }
    return named(std::make_shared<SwapColumnsStep>(a, b, std::move(sections)), text);
}

EditStepPtr changeSettingsStep(const Document& doc, const QString& text,
                               const std::vector<SettingValue>& values, bool retitle) {
    std::vector<SettingChange> changes;
    changes.reserve(values.size());
    for (const SettingValue& v : values) {
        if (doc.props().rowOf(v.name) < 0)
            continue;
        changes.push_back(settingChange(doc, v.name, v.value, v.shown));
        if (changes.back().same())
            changes.pop_back();
    }
    auto step = named(std::make_shared<SettingsStep>(std::move(changes), retitle, false), text);
    const int row = values.empty() ? -1 : doc.props().rowOf(values.front().name);
    step->before = step->after = {EditTab::Properties, row, -1, -1};
    return step;
}

EditStepPtr resetSettingsStep(const Document& doc, const QString& text) {
    std::vector<SettingChange> old;
    old.reserve(PropertyTable::Count);
    for (int n = 1; n <= PropertyTable::Count; ++n)
        old.push_back(settingChange(doc, PropertyTable::displayName(n), doc.defaultSetting(n), {}));
    auto step = named(std::make_shared<SettingsStep>(std::move(old), false, true), text);
    step->before.tab = step->after.tab = EditTab::Properties;
    return step;
}

} // namespace ulvanta
