#include "document/Document.h"
#include "document/PropertyTable.h"

#include <QTest>

using namespace ulvanta;

namespace {

ItemRow row(const QString& description, const QString& command) {
    ItemRow r;
    r[ColDescription] = description;
    r[ColCommand] = command;
    return r;
}

// Two sections; the icon "b" has a command that would read as a section heading.
QString shownCaption; // the window title as the window would show it

void fill(Document& doc) {
    doc.resetProperties();
    doc.items().appendItems({row("SECTION:A", ""), row("a", "x"), row("b", "SECTION:y"),
                             row("SECTION:B", ""), row("c", "z")});
    doc.setSetting(QStringLiteral("Title"), QStringLiteral("Doc"));
    doc.setSetting(QStringLiteral("Header HTML"), QString(60, u'h'));
    doc.setSetting(QStringLiteral("Footer HTML"), QStringLiteral("f"));
    // The window shows the caption anew whenever the document's name changes.
    shownCaption = doc.caption();
    QObject::connect(&doc, &Document::nameChanged, [&doc] { shownCaption = doc.caption(); });
}

// Everything an edit may change: every cell, every property whole, the caption.
QStringList snapshot(const Document& doc) {
    QStringList s{QString::number(doc.items().count()), shownCaption};
    for (int i = 0; i < doc.items().count(); ++i) {
        const ItemRow row = doc.items().row(i);
        s.append(QStringList(row.begin(), row.end()));
    }
    for (int n = 1; n <= PropertyTable::Count; ++n)
        s << doc.setting(PropertyTable::displayName(n));
    return s;
}

// Description/Command of each row | the Title | the caption.
QString picture(const Document& doc) {
    QStringList s;
    for (int i = 0; i < doc.items().count(); ++i)
        s << doc.items().cell(i, ColDescription) + u'/' + doc.items().cell(i, ColCommand);
    return s.join(u' ') + " | " + doc.setting("Title") + " | " + shownCaption;
}

// A step from words: its kind (also its text), then numbers and texts; a new row
// "n" has the Command "N".
EditStepPtr make(Document& d, const QString& recipe) {
    const QStringList w = recipe.split(u' ');
    const auto n = [&](int i) { return w[i].toInt(); };
    std::vector<ItemRow> rows;
    for (const QString& t : w.mid(2))
        rows.push_back(row(t, t.toUpper()));
    if (w[0] == "insert")
        return insertRowsStep(d.items(), w[0], n(1), rows);
    if (w[0] == "remove")
        return removeRowsStep(d.items(), w[0], n(1), n(2));
    if (w[0] == "replace")
        return replaceRowStep(d.items(), w[0], n(1), rows.front());
    if (w[0] == "rotate")
        return rotateStep(w[0], n(1), n(2), n(3), w.size() > 4);
    if (w[0] == "swap")
        return swapColumnsStep(d.items(), w[0], n(1), n(2));
    if (w[0] == "title")
        return changeSettingsStep(d, w[0], {{"Title", w[1], {}}, {"Header HTML", w[2], {}}}, true);
    if (w[0] == "reset")
        return resetSettingsStep(d, w[0]);
    std::vector<CellChange> cells; // ROW:COLUMN:TEXT
    for (const QString& t : w.mid(1)) {
        const int r = t.section(u':', 0, 0).toInt(), c = t.section(u':', 1, 1).toInt();
        cells.push_back({r, c, d.items().cell(r, c), t.section(u':', 2)});
    }
    return changeCellsStep(w[0], cells);
}

} // namespace

class EditHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoRestoreEachState_data() {
        // Steps separated by ";"; the picture of the rows alone means the properties
        // and caption stay as filled.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("undone"); // the current row after undo
        const auto add = [](const char* name, const char* steps, QString after, int undone) {
            if (!after.contains(u'|'))
                after += " | Doc | Doc - Ulvanta Editor";
            QTest::newRow(name) << steps << after << undone;
        };
        add("insert rows inside", "insert 1 n m",
            "SECTION:A/ n/N m/M a/x b/SECTION:y SECTION:B/ c/z", 1);
        add("cells of two rows change", "cells 4:0:SECTION:c 1:1:X 4:1:z",
            "SECTION:A/ a/X b/SECTION:y SECTION:B/ SECTION:c/z", -1);
        add("a mixed sequence",
            "insert 5 n m;rotate 0 3 4;cells 1:1:X 6:0:SECTION:m;swap 0 1;remove 0 2;title T2 "
            "<hr>;replace 0 q;reset",
            "q/Q x/a SECTION:y/b N/n SECTION:m/M | New File 1 | T2 - Ulvanta Editor", 4);
    }

    void undoAndRedoRestoreEachState() {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        QFETCH(int, undone);
        Document doc;
        fill(doc);
        EditPlace place;
        connect(&doc, &Document::editReplayed, this, [&](const EditPlace& p) { place = p; });
        const QStringList before = snapshot(doc);
        for (const QString& step : steps.split(u';'))
            doc.edits().push(make(doc, step));
        QCOMPARE(picture(doc), after);
        QVERIFY(doc.isModified());
        const QStringList done = snapshot(doc);

        doc.setModified(false);
        while (doc.undoStack().canUndo())
            doc.undoStack().undo();
        QCOMPARE(snapshot(doc), before);
        QVERIFY(doc.isModified());
        QCOMPARE(place.tab, EditTab::Icons);
        QCOMPARE(place.current, undone);

        doc.setModified(false);
        while (doc.undoStack().canRedo())
            doc.undoStack().redo();
        QCOMPARE(snapshot(doc), done);
        QVERIFY(doc.isModified());
    }

    void dropsTheOldestPastTheLimits_data() {
        QTest::addColumn<qint64>("maxBytes"); // 0: the document's own limits
        QTest::addColumn<int>("pushes");
        QTest::addColumn<int>("textLength");
        QTest::addColumn<int>("kept");
        QTest::newRow("past the step limit") << qint64(0) << 103 << 10 << 100;
        QTest::newRow("past the byte limit") << qint64(100000) << 5 << 10000 << 2;
        QTest::newRow("one step over the byte limit") << qint64(30000) << 3 << 10000 << 0;
    }

    void dropsTheOldestPastTheLimits() {
        QFETCH(qint64, maxBytes);
        QFETCH(int, pushes);
        QFETCH(int, textLength);
        QFETCH(int, kept);
        Document doc;
        fill(doc);
        if (maxBytes > 0)
            doc.edits().setLimits(EditHistory::DefaultMaxSteps, maxBytes);
        std::vector<QStringList> states{snapshot(doc)};
        for (int i = 0; i < pushes; ++i) {
            const QString text = QString(textLength, u'x') + QString::number(i);
            doc.edits().push(make(doc, "cells 1:6:" + text));
            states.push_back(snapshot(doc));
        }
        QCOMPARE(doc.undoStack().count(), kept);
        QVERIFY(doc.edits().storedBytes() <=
                (maxBytes > 0 ? maxBytes : EditHistory::DefaultMaxBytes));
        while (doc.undoStack().canUndo())
            doc.undoStack().undo();
        QCOMPARE(snapshot(doc), states[size_t(pushes - kept)]);
        doc.clearHistory();
        QCOMPARE(doc.edits().storedBytes(), qint64(0));
    }
};

QTEST_GUILESS_MAIN(EditHistoryTest)
#include "tst_edit_history.moc"
