#include "forms/SectionEntry.h"

#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <optional>

namespace ulvanta::SectionEntry {

namespace {
// The value in the system locale; nothing for text that is not a finite number.
std::optional<double> toNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::system().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}
} // namespace

QString applyRule(const QString& text, const NumberRule& rule) {
    const std::optional<double> v = toNumber(text);
    if (!v)
        return QString::number(rule.fallback);
    const double whole = std::floor(*v);
    if (whole < rule.minimum)
        return QString::number(rule.minimum);
    if (whole > rule.maximum)
        return QString::number(rule.maximum);
    return text;
}

Fields fromRow(const QString& rowText) {
    Fields f;
    f.name = SectionRow::name(rowText);
    f.columns = SectionRow::columns(rowText);
    f.iconSize = SectionRow::iconSize(rowText);
    const auto option = [&](int p, bool fallback) {
        const QString v = SectionRow::field(rowText, p);
        if (v == QLatin1String("True"))
            return true;
        if (v == QLatin1String("False"))
            return false;
        return fallback;
    };
    f.iconsAbove = option(4, true);
    f.tableBorder = option(5, false);
    return f;
}

QString compose(const Fields& f) {
    return SectionRow::compose(f.name, applyRule(f.columns, ColumnsRule),
                               applyRule(f.iconSize, IconSizeRule), f.iconsAbove, f.tableBorder);
}

int confirm(Document& doc, const Fields& f, bool editMode, int currentRow) {
    const ItemList& items = doc.items();
    const bool hasCurrent = currentRow >= 0 && currentRow < items.count();
    const QString text = compose(f);
    int row = -1;
    if (editMode) {
        if (!hasCurrent)
            return -1;
        row = currentRow;
        doc.edits().push(
            changeCellsStep(doc, QCoreApplication::translate("SectionEntry", "Edit Section"),
                            {{row, ColDescription, items.cell(row, ColDescription), text}}));
    } else {
        ItemRow r;
        r[ColDescription] = text;
        row = hasCurrent ? currentRow : items.count();
        EditStepPtr step = insertRowsStep(
            doc, QCoreApplication::translate("SectionEntry", "Add Section"), row, {r});
        step->setCurrentBefore(hasCurrent ? currentRow : -1);
        doc.edits().push(std::move(step));
    }
    doc.requestActionUpdate();
    return row;
}

} // namespace ulvanta::SectionEntry
