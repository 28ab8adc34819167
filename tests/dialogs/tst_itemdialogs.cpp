#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "Widgets.h"
#include "app/ItemListView.h"
#include "app/MainWindow.h"
#include "dialogs/IconDialog.h"
#include "dialogs/SectionDialog.h"
#include "model/SectionRow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
    ItemListView* list() const { return child<ItemListView>(w.get(), "itemList"); }

private slots:
    void init() {
        prompter = std::make_unique<test::ScriptedPrompter>();
        w = std::make_unique<MainWindow>(prompter.get());
        w->start(QString());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    void cleanup() {
        w->doc().edits().markSaved(); // no save question on closing
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
            QVERIFY2(m.isNull() || !seen.contains(m),
                     qPrintable("mnemonic used twice: " + caption));
            seen.insert(m);
        };
        for (QLabel* l : d->findChildren<QLabel*>()) {
            claim(l->text());
            if (mnemonic(l->text()).isNull())
                continue;
            // Alt+letter puts the focus into the label's field.
            QTest::keyClick(d.get(), mnemonic(l->text()).toLatin1(), Qt::AltModifier);
            QVERIFY2(l->buddy() && l->buddy()->hasFocus(), qPrintable(l->text()));
        }
        for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
            claim(b->text());
        for (QGroupBox* g : d->findChildren<QGroupBox*>())
            claim(g->title());
    }

    void iconDialogAddsByKeyboardAndEditsWithEnter() {
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
            QVERIFY(child<QLineEdit>(a, "commandEdit")->text().isEmpty()); // for the next icon
            QTest::keyClicks(a->focusWidget(), QStringLiteral("Terminal"));
            QTest::keyClick(a, Qt::Key_C, Qt::AltModifier);
            QTest::keyClicks(a->focusWidget(), QStringLiteral("xterm"));
            QTest::keyClick(a->focusWidget(), Qt::Key_Return);
            QTest::keyClick(a->focusWidget(), Qt::Key_Escape);
        });
        QTest::keyClick(list(), Qt::Key_F4);
        QCOMPARE(texts(w->doc().items()), (QStringList{"Editor", "Terminal"}));
        QCOMPARE(w->doc().items().cell(0, ColCommand), QStringLiteral("/usr/bin/editor"));
        QCOMPARE(w->doc().items().cell(1, ColRun), QStringLiteral("Normal Window"));
        QVERIFY(w->doc().isModified());

        // F2 with two rows selected: Enter writes the current one and closes.
        w->activateWindow(); // the offscreen platform gives it back to no window
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->setCurrentRow(1);
        list()->selectionModel()->select(w->doc().items().index(0, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        bool closed = false;
        whenModal([&](QDialog* d) {
            QVERIFY(child<QPushButton>(d, "addCloseButton")->isHidden());
            QCOMPARE(list()->selectionModel()->selectedRows().size(), 1); // the edited row only
            child<QLineEdit>(d, "descriptionEdit")->setText(QStringLiteral("New"));
            child<QComboBox>(d, "runStyleBox")->setCurrentIndex(5);
            QTest::keyClick(child<QLineEdit>(d, "descriptionEdit"), Qt::Key_Return);
            closed = !d->isVisible();
        });
        QTest::keyClick(list(), Qt::Key_F2);
        QVERIFY(closed);
        QCOMPARE(texts(w->doc().items()), (QStringList{"Editor", "New"}));
        QCOMPARE(w->doc().items().cell(1, ColRun), QStringLiteral("Hidden"));
    }

    void inPlaceEditOfASectionOpensTheSectionDialog() {
        w->doc().items().appendItems(
            {ItemRow{"SECTION:Old;Columns:3;Icon size:48;Icons above:maybe;Table border:True"},
             ItemRow{"x", "cmd"}});
        // Reaching a section row by keyboard is no edit: no dialog opens.
        QSignalSpy edits(child<QAction>(w.get(), "actionEdit"), &QAction::triggered);
        QTimer* stray = whenModal([](QDialog* d) { d->reject(); });
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_End);
        QTest::keyClick(list(), Qt::Key_Home);
        QCOMPARE(w->currentRow(), 0);
        QCOMPARE(edits.count(), 0);
        delete stray;

        whenModal([](QDialog* d) {
            QVERIFY(qobject_cast<SectionDialog*>(d));
            auto* columns = child<QLineEdit>(d, "columnsEdit");
            columns->setFocus();
            columns->setText(QStringLiteral("250"));
            QTest::keyClick(columns, Qt::Key_Return); // confirms with the focus still there
        });
        static_cast<QAbstractItemView*>(list())->edit(w->doc().items().index(0, 0));
        QCOMPARE(
            texts(w->doc().items()),
            (QStringList{"SECTION:Old;Columns:100;Icon size:48;Icons above:True;Table border:True",
                         "x"}));
    }

    void fromThemeFillsTheIconField_data() {
        QTest::addColumn<QString>("typed"); // into the chooser's filter
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("expected"); // relative to the temporary folder
        const QList<int> enter{Qt::Key_Return};
        QTest::newRow("Enter takes the first shown, the size nearest the page's")
            << "TERM" << enter << "share/icons/hicolor/48x48/apps/xterm.png";
        QTest::newRow("arrow from the filter: next icon, its only picture an SVG")
            << "" << QList<int>{Qt::Key_Down, Qt::Key_Return} << "share/pixmaps/pad.svg";
        QTest::newRow("no icon shown: Enter chooses nothing") << "zz" << enter << "old.png";
        QTest::newRow("Escape changes nothing")
            << "term" << QList<int>{Qt::Key_Escape} << "old.png";
    }
    void fromThemeFillsTheIconField() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QTemporaryDir tmp;
        const QString t = tmp.path() + '/';
        QVERIFY(test::writeFile(t + "share/icons/hicolor/index.theme",
                                "[Icon Theme]\nDirectories=16x16/apps,48x48/apps\n"
                                "[16x16/apps]\nSize=16\n[48x48/apps]\nSize=48\n"));
        for (const char* f : {"16x16/apps/xterm.png", "48x48/apps/xterm.png",
                              "16x16/apps/editor.png", "../../pixmaps/pad.svg"})
            QVERIFY(test::writeFile(t + "share/icons/hicolor/" + f, "x"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(t + "share"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(t + "home"));
        w->doc().setSetting(Setting::IconSize, QStringLiteral("40"));
        IconDialog d(w->doc(), *prompter, DialogMode::Add, -1, QString(), w.get());
        child<QLineEdit>(&d, "iconEdit")->setText(t + "old.png");
        d.setModal(false); // the one modal dialog is the chooser
        d.show();
        QTRY_COMPARE(QApplication::activeWindow(), &d);

        bool chosen = false;
        whenModal([&](QDialog* chooser) {
            chosen = true;
            // The themes are read in the background; OK waits for the first icon.
            QTRY_VERIFY(child<QPushButton>(chooser, "okButton")->isEnabled());
            QTest::keyClicks(chooser->focusWidget(), typed); // the filter has the keyboard
            for (const int key : keys)
                QTest::keyClick(chooser->focusWidget(), Qt::Key(key));
            if (chooser->isVisible())
                chooser->reject();
        });
        QTest::keyClick(&d, Qt::Key_F, Qt::AltModifier); // clicks a moment later
        QTRY_VERIFY(chosen);
        QTEST(child<QLineEdit>(&d, "iconEdit")->text().mid(t.size()), "expected");
    }

    void addFromApplicationsAddsTheChosen_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("options"); // all selected, by category, not at the bottom
        QTest::addColumn<QString>("after");   // "[name]" for a section
        QTest::newRow("Enter takes the first shown, below the current row") << "PLAY"
                                                                            << "not at the bottom"
                                                                            << "A,Player,B";
        QTest::newRow("all shown, a section per category")
            << ""
            << "all selected, by category"
            << "A,B,[Accessories],Editor,[Internet],Browser,[Sound & Video],Player";
    }
    void addFromApplicationsAddsTheChosen() {
        QFETCH(QString, filter);
        QFETCH(QString, options);
        QTemporaryDir tmp;
        for (const QString app : {"Editor;Utility", "Player;AudioVideo", "Browser;Network",
                                  "Neverseen\nNoDisplay=true;Game"}) {
            const QString entry = "[Desktop Entry]\nType=Application\nExec=x\nName=" +
                                  QString(app).replace(';', "\nCategories=") + ";\n";
            QVERIFY(test::writeFile(tmp.filePath("share/applications/" + app.left(4) + ".desktop"),
                                    entry.toUtf8()));
        }
        qputenv("XDG_DATA_DIRS", QFile::encodeName(tmp.filePath("share")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.filePath("home")));
        w->doc().items().appendItems({ItemRow{"A", "a"}, ItemRow{"B", "b"}});
        w->setCurrentRow(0);

        whenModal([&](QDialog* d) {
            QTest::keyClicks(d->focusWidget(), filter); // the filter has the keyboard
            auto* apps = child<QListWidget>(d, "applicationList");
            if (options.contains("all selected")) {
                apps->setFocus();
                QTest::keyClick(apps, Qt::Key_A, Qt::ControlModifier);
            }
            child<QCheckBox>(d, "categoryCheck")->setChecked(options.contains("by category"));
            child<QCheckBox>(d, "addAtBottomCheck")->setChecked(!options.contains("not at"));
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            if (d->isVisible())
                d->reject();
        });
        QTest::keyClick(list(), Qt::Key_F5);
        QStringList names;
        for (const QString& t : texts(w->doc().items()))
            names << (t.startsWith("SECTION:") ? '[' + SectionRow::name(t) + ']' : t);
        QTEST(names.join(','), "after");
        // One undo step takes them all back.
        w->doc().undoStack().undo();
        QCOMPARE(texts(w->doc().items()), (QStringList{"A", "B"}));
    }
};

QTEST_MAIN(ItemDialogsTest)
#include "tst_itemdialogs.moc"
