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
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
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

    int row(const char* name) const { return doc.props().rowOf(QString::fromLatin1(name)); }
    QString setting(const char* name) const {
        return doc.ReadProp(QString::fromLatin1(name), true);
    }

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

    void colourEditorTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("preview");
        QTest::addColumn<QString>("stored");
        const QColor purple(128, 0, 128); // the default shown for no colour
        QTest::newRow("green, case kept") << "00ff00" << QColor(0, 255, 0) << "#00ff00";
        QTest::newRow("short stays as typed") << "FF00" << purple << "#FF00";
        QTest::newRow("too long") << "#1020304050" << QColor(16, 32, 48) << "#1020304050";
        QTest::newRow("empty") << "" << purple << "";
    }
    void colourEditorTyping() {
        QFETCH(QString, typed);
        QFETCH(QColor, preview);
        QFETCH(QString, stored);
        frmPCol dlg(doc, row("Link visited colour"), Colour::Purple);
        QTest::keyClicks(dlg.txtCol, typed);
        QCOMPARE(dlg.previewColour(), preview);
        dlg.cmdOK->click();
        QCOMPARE(setting("Link visited colour"), stored);
        QVERIFY(doc.Changed); // OK marks the document changed even for no colour
    }

    void fileEditorBrowses_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("saveForm");
        const auto add = [](const char* p, const char* c, const char* t, bool s) {
            QTest::newRow(p) << p << c << t << s;
        };
        add("Style sheet", "C:\\web\\site.css", "file://C:\\web\\site.css", false);
        add("(HTML File)", "/out/page.htm", "/out/page.htm", true);
    }
    void fileEditorBrowses() {
        QFETCH(QString, property);
        QFETCH(QString, chosen);
        QFETCH(QString, text);
        QFETCH(bool, saveForm);
        const PropertyEditor editor = editorFor(property);
        doc.WriteProp(property, "old");
        frmPFile dlg(doc, doc.props().rowOf(property), PropertyDialogs::fileRequest(editor),
                     PropertyDialogs::fileLabel(property, editor.htmlFile), prompter);
        QCOMPARE(dlg.txtFile->text(), QString("old"));
        prompter.files.push_back(chosen);
        dlg.cmdBrowse->click();
        QCOMPARE(prompter.fileRequests.size(), 1);
        const FileRequest& asked = prompter.fileRequests[0];
        QCOMPARE(asked.save, saveForm);
        QCOMPARE(asked.title, editor.prompt);
        QCOMPARE(asked.filter, editor.filter + "|All Files (*.*)|*.*");
        QCOMPARE(dlg.txtFile->text(), text);
        QVERIFY(!doc.Changed);
        dlg.cmdOK->click();
        QCOMPARE(doc.ReadProp(property, true), text);
        QVERIFY(doc.Changed);
    }

    void textEditorTakesEnterAsANewLine() {
        const QString a(24, 'a'), b(24, 'b');
        frmPMTB dlg(doc, row("Footer HTML"));
        QCOMPARE(dlg.lblDesc->text(), QString("&Footer HTML:"));
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
        QCOMPARE(doc.HeaderHTML, QString());
    }

    void editPropertyWaitsForAClickedRow() {
        frmPME w(&prompter);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.mnuEditProperty->isEnabled());
        w.tabMain->setCurrentIndex(1);
        clickProperty(w, "Table border");
        QVERIFY(w.mnuEditProperty->isEnabled());
        QCOMPARE(w.doc().ReadProp("Table border", true), QString("True"));
        clickProperty(w, "Table border");
        QCOMPARE(w.doc().ReadProp("Table border", true), QString("False"));

        // Edit property comes back to the Properties tab and edits the clicked row again.
        w.tabMain->setCurrentIndex(0);
        w.mnuEditProperty->trigger();
        QCOMPARE(w.tabMain->currentIndex(), 1);
        QCOMPARE(w.doc().ReadProp("Table border", true), QString("True"));

        prompter.answers.push_back(PromptAnswer::Yes);
        w.mnuEditReset->trigger();
        QVERIFY(!w.mnuEditProperty->isEnabled());
        QVERIFY(!w.lvProp->selectionModel()->hasSelection());
    }

    void fontDialogFromTheWindow() {
        QString family; // one with an italic face, so that italic can be chosen
        for (const QString& f : QFontDatabase::families())
            if (family.isEmpty() && QFontDatabase::styles(f).contains("Bold Italic"))
                family = f;
        if (family.isEmpty())
            QSKIP("no font family with bold and italic faces");
        frmPME w(&prompter);
        w.show();
        w.tabMain->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.doc().WriteProp("Font", family);
        w.doc().WriteProp("Font size", "14");
        w.doc().WriteProp("Text colour", "#0000FF");
        // Runs once the dialog is up, while the click that opened it waits.
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<FontDialog*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QCOMPARE(dlg->choice().size.value_or(0), 14.0);
            QCOMPARE(dlg->choice().colour.value_or(-1), 0xFF0000);
            QFont font = dlg->fontPart->currentFont();
            font.setItalic(true);
            dlg->fontPart->setCurrentFont(font);
            dlg->cmdOK->click();
        });
        clickProperty(w, "Font");
        QCOMPARE(w.doc().ReadProp("Font italic", true), QString("True"));
        QCOMPARE(w.doc().ReadProp("Font size", true), QString("14"));
        QCOMPARE(w.doc().ReadProp("Text colour", true), QString("#0000FF"));
        QCOMPARE(w.doc().ReadProp("Font", true), family);
        QVERIFY(w.doc().Changed);
    }
};

QTEST_MAIN(tst_PropertyDialogs)
#include "tst_propertydialogs.moc"
