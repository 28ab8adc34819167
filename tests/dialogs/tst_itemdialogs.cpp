#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "dialogs/IconDialog.h"
#include "dialogs/SectionDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace ulvanta;

namespace {
QStringList texts(const ItemList& items) {
    QStringList out;
    for (int i = 0; i < items.count(); ++i)
        out << items.cell(i, 0);
    return out;
}

// The mnemonic letter of a caption, or 0.
QChar mnemonic(const QString& caption) {
    static const QRegularExpression amp(QStringLiteral("(?:^|[^&])(?:&&)*&([^&])"));
    const QRegularExpressionMatch m = amp.match(caption);
    return m.hasMatch() ? m.captured(1).at(0).toLower() : QChar();
}
} // namespace

class ItemDialogsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::ScriptedPrompter> prompter;
    std::unique_ptr<MainWindow> w;

private slots:
    void init() {
        prompter = std::make_unique<test::ScriptedPrompter>();
        w = std::make_unique<MainWindow>(prompter.get());
        w->start(QString());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    void cleanup() {
        w->doc().setModified(false); // no save question on closing
        w.reset();
        prompter.reset();
    }

    void mnemonicsReachTheirFields_data() {
        QTest::addColumn<bool>("section");
        QTest::newRow("icon dialog") << false;
        QTest::newRow("section dialog") << true;
    }
    void mnemonicsReachTheirFields() {
        QFETCH(bool, section);
        Document& doc = w->doc();
        std::unique_ptr<QDialog> d(
            section ? static_cast<QDialog*>(new SectionDialog(doc, DialogMode::Add, -1, w.get()))
                    : new IconDialog(doc, *prompter, DialogMode::Add, -1, QString(), w.get()));
        d->show();
        // A dialog over an active window reports itself active before it is.
        QTRY_COMPARE(QApplication::activeWindow(), d.get());

        QSet<QChar> seen;
        const auto claim = [&](const QString& caption) {
            const QChar m = mnemonic(caption);
            if (m.isNull())
                return;
            QVERIFY2(!seen.contains(m),
                     qPrintable(QStringLiteral("mnemonic used twice: ") + caption));
            seen.insert(m);
        };
        for (QLabel* l : d->findChildren<QLabel*>()) {
            if (mnemonic(l->text()).isNull())
                continue;
            claim(l->text());
            QVERIFY2(l->buddy(), qPrintable(l->text()));
            // Alt+letter puts the focus into the label's field.
            QTest::keyClick(d.get(), mnemonic(l->text()).toLatin1(), Qt::AltModifier);
            QVERIFY2(l->buddy()->hasFocus(), qPrintable(l->text()));
        }
        for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
            claim(b->text());
        for (QGroupBox* g : d->findChildren<QGroupBox*>())
            claim(g->title());
    }

    void addDialogTakesOneIconAfterAnotherByKeyboard() {
        // F4: two icons, Enter after each, Esc to close.
        whenModal([](QDialog* d) {
            auto* a = qobject_cast<IconDialog*>(d);
            QVERIFY(a);
            QTest::keyClicks(a->focusWidget(), QStringLiteral("Editor"));
            QTest::keyClick(a->focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(a->focusWidget(), QStringLiteral("/usr/bin/editor"));
            QTest::keyClick(a->focusWidget(), Qt::Key_Return);
            QVERIFY(a->isVisible());
            QCOMPARE(a->focusWidget(), child<QLineEdit>(a, "descriptionEdit"));
            QVERIFY(
                child<QLineEdit>(a, "commandEdit")->text().isEmpty()); // cleared for the next icon
            QTest::keyClicks(a->focusWidget(), QStringLiteral("Terminal"));
            QTest::keyClick(a, Qt::Key_C, Qt::AltModifier);
            QTest::keyClicks(a->focusWidget(), QStringLiteral("xterm"));
            QTest::keyClick(a->focusWidget(), Qt::Key_Return);
            QTest::keyClick(a->focusWidget(), Qt::Key_Escape);
        });
        QTest::keyClick(child<ItemListView>(w.get(), "itemList"), Qt::Key_F4);
        QCOMPARE(texts(w->doc().items()), (QStringList{"Editor", "Terminal"}));
        QCOMPARE(w->doc().items().cell(0, ColCommand), QStringLiteral("/usr/bin/editor"));
        QCOMPARE(w->doc().items().cell(1, ColRun), QStringLiteral("Normal Window"));
        QVERIFY(w->doc().isModified());
    }

    void editWithEnterWritesAndCloses() {
        w->doc().items().appendItems({ItemRow{"First", "cmd"}, ItemRow{"Old", "cmd"}});
        w->setCurrentRow(1);
        child<ItemListView>(w.get(), "itemList")
            ->selectionModel()
            ->select(w->doc().items().index(0, 0),
                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
        bool checked = false;
        whenModal([&](QDialog* d) {
            auto* a = qobject_cast<IconDialog*>(d);
            QVERIFY(child<QPushButton>(a, "addCloseButton")->isHidden());
            // Only the edited row stays selected.
            QCOMPARE(
                child<ItemListView>(w.get(), "itemList")->selectionModel()->selectedRows().size(),
                1);
            child<QLineEdit>(a, "descriptionEdit")->setText(QStringLiteral("New"));
            child<QComboBox>(a, "runStyleBox")->setCurrentIndex(5);
            QTest::keyClick(child<QLineEdit>(a, "descriptionEdit"), Qt::Key_Return);
            checked = !a->isVisible();
        });
        QTest::keyClick(child<ItemListView>(w.get(), "itemList"), Qt::Key_F2);
        QVERIFY(checked);
        QCOMPARE(texts(w->doc().items()), (QStringList{"First", "New"}));
        QCOMPARE(w->doc().items().cell(1, ColRun), QStringLiteral("Hidden"));
        QVERIFY(w->doc().isModified());
    }

    void inPlaceEditOfASectionOpensTheSectionDialog() {
        w->doc().items().appendItems(
            {ItemRow{"SECTION:Old;Columns:3;Icon size:48;Icons above:maybe;Table border:True"},
             ItemRow{"x", "cmd"}});
        // Reaching a section row by keyboard is no edit: no dialog opens.
        QSignalSpy edits(child<QAction>(w.get(), "actionEdit"), &QAction::triggered);
        QTimer* stray = whenModal([](QDialog* d) { d->reject(); });
        child<ItemListView>(w.get(), "itemList")->setFocus();
        QTest::keyClick(child<ItemListView>(w.get(), "itemList"), Qt::Key_End);
        QTest::keyClick(child<ItemListView>(w.get(), "itemList"), Qt::Key_Home);
        QCOMPARE(w->currentRow(), 0);
        QCOMPARE(edits.count(), 0);
        delete stray;

        whenModal([](QDialog* d) {
            auto* s = qobject_cast<SectionDialog*>(d);
            QVERIFY(s);
            child<QLineEdit>(s, "columnsEdit")->setFocus();
            child<QLineEdit>(s, "columnsEdit")->setText(QStringLiteral("250"));
            QTest::keyClick(child<QLineEdit>(s, "columnsEdit"),
                            Qt::Key_Return); // confirms with the focus still there
        });
        static_cast<QAbstractItemView*>(child<ItemListView>(w.get(), "itemList"))
            ->edit(w->doc().items().index(0, 0));
        QCOMPARE(
            texts(w->doc().items()),
            (QStringList{"SECTION:Old;Columns:100;Icon size:48;Icons above:True;Table border:True",
                         "x"}));
        QCOMPARE(w->doc().items().cell(1, 1), QStringLiteral("cmd"));
    }
};

QTEST_MAIN(ItemDialogsTest)
#include "tst_itemdialogs.moc"
