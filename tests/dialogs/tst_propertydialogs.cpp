// The colour, file, text and font editors of the property list, driven offscreen,
// and the property commands reached from the main window.
#include "ScriptedPrompter.h"
#include "app/frmPME.h"
#include "dialogs/FontDialog.h"
#include "dialogs/frmPCol.h"
#include "dialogs/frmPFile.h"
#include "dialogs/frmPMTB.h"
#include "document/Colour.h"
#include "document/PropertyDialogs.h"

#include <QAction>
#include <QApplication>
#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace ulvanta;

class tst_PropertyDialogs : public QObject {
    Q_OBJECT

    Document doc;
    test::ScriptedPrompter prompter;

    int row(const QString& name) const { return doc.props().rowOf(name); }
    QString setting(const QString& name) const { return doc.ReadProp(name, true); }
    static QString setting(frmPME& w, const QString& name) { return w.doc().ReadProp(name, true); }

    // Clicks a row of the window's property list.
    static void clickProperty(frmPME& w, const QString& name) {
        const QModelIndex i = w.doc().props().index(w.doc().props().rowOf(name), 0);
        w.lvProp->scrollTo(i);
        QTest::mouseClick(w.lvProp->viewport(), Qt::LeftButton, {},
                          w.lvProp->visualRect(i).center());
    }

private slots:
    void init() {
        prompter = test::ScriptedPrompter();
        doc.Propulate();
        doc.Changed = false;
    }

    void colourEditor_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("chosen"); // from the colour chooser, when valid
        QTest::addColumn<QColor>("preview");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("stored");
        const QColor none, green(0, 255, 0), purple(128, 0, 128); // purple: shown for no colour
        QTest::newRow("green, case kept") << "00ff00" << none << green << true << "#00ff00";
        QTest::newRow("short stays as typed") << "FF00" << none << purple << true << "#FF00";
        QTest::newRow("empty") << "" << none << purple << true << "";
        QTest::newRow("chosen") << "" << QColor(1, 2, 3) << QColor(1, 2, 3) << true << "#010203";
        QTest::newRow("cancelled") << "00ff00" << none << green << false << "";
    }
    void colourEditor() {
        QFETCH(QString, typed);
        QFETCH(QColor, chosen);
        QFETCH(QColor, preview);
        QFETCH(bool, ok);
        QFETCH(QString, stored);
        frmPCol dlg(doc, row("Link visited colour"), Colour::Purple);
        QTest::keyClicks(dlg.txtCol, typed);
        dlg.chooseColour = [chosen](const QColor&) { return std::optional(chosen); };
        if (chosen.isValid())
            dlg.cmdChoose->click();
        QCOMPARE(dlg.previewColour(), preview);
        (ok ? dlg.cmdOK : dlg.cmdCancel)->click();
        QCOMPARE(setting("Link visited colour"), stored);
        QCOMPARE(doc.Changed, ok); // OK marks the document changed even for no colour
    }

    void fileEditor_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("browsed");
        QTest::newRow("style sheet: a link") << "Style sheet" << true << "file:///w/f";
        QTest::newRow("icon: a path") << "Icon" << true << "/w/f";
        QTest::newRow("built page: cancelled") << "(HTML File)" << false << "/w/f";
    }
    void fileEditor() {
        QFETCH(QString, property);
        QFETCH(bool, ok);
        QFETCH(QString, browsed);
        const PropertyEditor editor = editorFor(property);
        doc.WriteProp(property, "old");
        frmPFile dlg(doc, doc.props().rowOf(property), PropertyDialogs::fileRequest(editor),
                     PropertyDialogs::fileLabel(property, editor.htmlFile), prompter);
        QCOMPARE(dlg.txtFile->text(), QString("old"));
        prompter.files = {QString("/w/f"), std::nullopt};
        dlg.cmdBrowse->click();
        dlg.cmdBrowse->click(); // cancelled: the path stays
        QCOMPARE(dlg.txtFile->text(), browsed);
        // The built page is asked for with the form that warns before replacing a file.
        QCOMPARE(prompter.fileRequests[0].save, property == "(HTML File)");
        QVERIFY(!doc.Changed);
        (ok ? dlg.cmdOK : dlg.cmdCancel)->click();
        QCOMPARE(setting(property), ok ? browsed : QString("old"));
        QCOMPARE(doc.Changed, ok);
    }

    void textEditorTakesEnterAsANewLine() {
        const QString a(24, 'a'), b(24, 'b');
        frmPMTB dlg(doc, row("Footer HTML"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.txtMTB->setFocus();
        QTest::keyClicks(dlg.txtMTB, a);
        QTest::keyClick(dlg.txtMTB, Qt::Key_Return);
        QTest::keyClicks(dlg.txtMTB, b);
        QVERIFY(dlg.isVisible());
        dlg.cmdOK->click();
        QCOMPARE(doc.FooterHTML, a + "\r\n" + b);
        // The line break counts as two blanks in the shortened text of the list.
        QCOMPARE(doc.props().setting(row("Footer HTML")), a + "  " + b + "...");
    }

    void editPropertyWaitsForAClickedRow() {
        frmPME w(&prompter);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.mnuEditProperty->isEnabled());
        w.tabMain->setCurrentIndex(1);
        clickProperty(w, "Table border");
        QVERIFY(w.mnuEditProperty->isEnabled());
        QCOMPARE(setting(w, "Table border"), QString("True"));
        clickProperty(w, "Table border");
        QCOMPARE(setting(w, "Table border"), QString("False"));

        // Edit property comes back to the Properties tab and edits the clicked row again.
        w.tabMain->setCurrentIndex(0);
        w.mnuEditProperty->trigger();
        QCOMPARE(w.tabMain->currentIndex(), 1);
        QCOMPARE(setting(w, "Table border"), QString("True"));

        prompter.answers.push_back(PromptAnswer::Yes);
        w.mnuEditReset->trigger();
        QVERIFY(!w.mnuEditProperty->isEnabled());
        QVERIFY(!w.lvProp->selectionModel()->hasSelection());
    }

    void fontDialogFromTheWindow() {
        frmPME w(&prompter);
        w.show();
        w.tabMain->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.doc().WriteProp("Font size", "14");
        w.doc().WriteProp("Text colour", "#0000FF");
        // Runs once the dialog is up, while the click that opened it waits.
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<FontDialog*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QCOMPARE(dlg->choice().size.value_or(0), 14.0);
            QCOMPARE(dlg->choice().colour.value_or(-1), 0xFF0000);
            QFont font = dlg->fontPart->currentFont();
            font.setPointSize(20);
            font.setUnderline(true);
            dlg->fontPart->setCurrentFont(font);
            dlg->cmdOK->click();
        });
        clickProperty(w, "Font");
        const QStringList written{setting(w, "Font size"), setting(w, "Font underline"),
                                  setting(w, "Text colour")};
        QCOMPARE(written, (QStringList{"20", "True", "#0000FF"}));
        QVERIFY(w.doc().Changed);
    }
};

QTEST_MAIN(tst_PropertyDialogs)
#include "tst_propertydialogs.moc"
