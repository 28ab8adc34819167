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
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace ulvanta;

namespace {
// A family with bold and italic faces, so that the font chooser can show every style.
QString styledFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families)
        if (QFontDatabase::styles(f).contains(QStringLiteral("Bold Italic")))
            return f;
    return {};
}

// Runs once the next modal dialog is up, while the command that opened it waits.
template <typename Dialog> void whenShown(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, [act] {
        auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        act(dlg);
    });
}
} // namespace

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

    // --- colour ---

    void colourEditorStartsWithTheDefaultColour_data() {
        QTest::addColumn<qint64>("defCol");
        QTest::addColumn<int>("role");
        QTest::newRow("window background") << qint64(0x80000005) << int(QPalette::Base);
        QTest::newRow("window text") << qint64(0x80000008) << int(QPalette::Text);
        QTest::newRow("button face") << qint64(0x8000000F) << int(QPalette::Button);
    }
    void colourEditorStartsWithTheDefaultColour() {
        QFETCH(qint64, defCol);
        QFETCH(int, role);
        frmPCol dlg(doc, row("Table colour"), qint32(defCol));
        QCOMPARE(dlg.windowTitle(), QString("Colour Picker"));
        QCOMPARE(dlg.lblDesc->text(), QString("Table colour:"));
        QCOMPARE(dlg.txtCol->text(), QString());
        QCOMPARE(dlg.previewColour(), dlg.palette().color(QPalette::ColorRole(role)));
        QVERIFY(dlg.cmdOK->isDefault());
        dlg.cmdOK->click();
        QCOMPARE(setting("Table colour"), QString());
        QVERIFY(doc.Changed); // OK marks the document changed even for no colour
    }

    void colourEditorTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("preview");
        QTest::addColumn<QString>("stored");
        const QColor purple(128, 0, 128); // the default shown for no colour
        QTest::newRow("green, case kept") << "00ff00" << QColor(0, 255, 0) << "#00ff00";
        QTest::newRow("with #") << "#0000FF" << QColor(0, 0, 255) << "#0000FF";
        QTest::newRow("short stays as typed") << "FF00" << purple << "#FF00";
        QTest::newRow("not hexadecimal") << "zz" << purple << "#zz";
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
    }

    void colourEditorKeepsThePreviewForAnInvalidText() {
        doc.WriteProp("Link colour", "#00FF00");
        frmPCol dlg(doc, row("Link colour"), Colour::Blue);
        QCOMPARE(dlg.txtCol->text(), QString("#00FF00"));
        QCOMPARE(dlg.previewColour(), QColor(0, 255, 0));
        dlg.txtCol->setText("#00F");
        QCOMPARE(dlg.previewColour(), QColor(0, 255, 0));
        dlg.cmdDefault->click();
        QCOMPARE(dlg.txtCol->text(), QString());
        QCOMPARE(dlg.previewColour(), QColor(0, 0, 255));
    }

    void colourEditorChoosesFromTheColourDialog_data() {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("text");
        QTest::newRow("pure red") << true << "#FF0000";
        QTest::newRow("cancelled") << false << "#00FF00";
    }
    void colourEditorChoosesFromTheColourDialog() {
        QFETCH(bool, answered);
        QFETCH(QString, text);
        doc.WriteProp("Background colour", "#00FF00");
        frmPCol dlg(doc, row("Background colour"), Colour::SystemWindow);
        QColor offered;
        dlg.chooseColour = [&](const QColor& initial) -> std::optional<QColor> {
            offered = initial;
            if (!answered)
                return std::nullopt;
            return QColor(Qt::red);
        };
        dlg.cmdChoose->click();
        QCOMPARE(offered, QColor(0, 255, 0));
        QCOMPARE(dlg.txtCol->text(), text);
    }

    void colourEditorCancelWritesNothing() {
        doc.WriteProp("Text colour", "#010203");
        frmPCol dlg(doc, row("Text colour"), Colour::SystemWindowText);
        dlg.txtCol->setText("#FFFFFF");
        dlg.cmdCancel->click();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(setting("Text colour"), QString("#010203"));
        QVERIFY(!doc.Changed);
    }

    // --- file ---

    void fileEditorBrowses_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("saveForm");
        QTest::newRow("style sheet") << "Style sheet"
                                     << "Style sheet:"
                                     << "C:\\web\\site.css"
                                     << "file://C:\\web\\site.css" << false;
        QTest::newRow("icon") << "Icon"
                              << "Icon:"
                              << "/icons/app.ico"
                              << "/icons/app.ico" << false;
        QTest::newRow("html file") << "(HTML File)"
                                   << "&HTML File Location:"
                                   << "/out/page.htm"
                                   << "/out/page.htm" << true;
    }
    void fileEditorBrowses() {
        QFETCH(QString, property);
        QFETCH(QString, label);
        QFETCH(QString, chosen);
        QFETCH(QString, text);
        QFETCH(bool, saveForm);
        const PropertyEditor editor = editorFor(property);
        doc.WriteProp(property, "old");
        frmPFile dlg(doc, doc.props().rowOf(property), PropertyDialogs::fileRequest(editor),
                     PropertyDialogs::fileLabel(property, editor.htmlFile), prompter);
        QCOMPARE(dlg.windowTitle(), QString("Choose File"));
        QCOMPARE(dlg.lblDesc->text(), label);
        QCOMPARE(dlg.txtFile->text(), QString("old"));
        prompter.files.push_back(chosen);
        dlg.cmdBrowse->click();
        QCOMPARE(prompter.fileRequests.size(), 1);
        const FileRequest& asked = prompter.fileRequests[0];
        QCOMPARE(asked.save, saveForm);
        QCOMPARE(asked.title, editor.prompt);
        QVERIFY(asked.fileName.isEmpty());
        QCOMPARE(asked.filter, editor.filter + "|All Files (*.*)|*.*");
        QCOMPARE(dlg.txtFile->text(), text);
        QVERIFY(!doc.Changed);
        dlg.cmdOK->click();
        QCOMPARE(doc.ReadProp(property, true), text);
        QVERIFY(doc.Changed);
    }

    void fileEditorKeepsTheTextWhenBrowsingIsCancelled() {
        doc.WriteProp("Icon", "/a.ico");
        frmPFile dlg(doc, row("Icon"), PropertyDialogs::fileRequest(editorFor("Icon")),
                     "Icon:", prompter);
        dlg.cmdBrowse->click(); // unanswered: cancelled
        QCOMPARE(dlg.txtFile->text(), QString("/a.ico"));
        dlg.txtFile->setText("typed, never checked");
        dlg.cmdOK->click();
        QCOMPARE(setting("Icon"), QString("typed, never checked"));
    }

    // --- multi-line text ---

    void textEditorSummary_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("summary");
        const QString sixty(60, QLatin1Char('x'));
        QTest::newRow("two lines") << "line one\nline two"
                                   << "line one\r\nline two"
                                   << "line one  line two";
        QTest::newRow("60 characters") << sixty << sixty << QString(50, 'x') + "...";
        QTest::newRow("exactly 50")
            << QString(50, 'y') << QString(50, 'y') << QString(50, 'y') + "...";
        QTest::newRow("49") << QString(49, 'z') << QString(49, 'z') << QString(49, 'z');
        QTest::newRow("break counts as two blanks")
            << QString(24, 'a') + "\n" + QString(24, 'b')
            << QString(24, 'a') + "\r\n" + QString(24, 'b')
            << QString(24, 'a') + "  " + QString(24, 'b') + "...";
    }
    void textEditorSummary() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, summary);
        doc.WriteProp("Footer HTML", "before");
        frmPMTB dlg(doc, row("Footer HTML"));
        QCOMPARE(dlg.lblDesc->text(), QString("&Footer HTML:"));
        dlg.txtMTB->setPlainText(typed);
        dlg.cmdOK->click();
        QCOMPARE(doc.FooterHTML, stored);
        QCOMPARE(doc.props().setting(row("Footer HTML")), summary);
        QCOMPARE(doc.HeaderHTML, QString());
        QVERIFY(doc.Changed);
    }

    void textEditorLoadsTheFullTextAndCancelKeepsIt() {
        doc.WriteProp("Header HTML", "<p>one</p>\r\n<p>two</p>");
        frmPMTB dlg(doc, row("Header HTML"));
        QCOMPARE(dlg.windowTitle(), QString("Text Editor"));
        QCOMPARE(dlg.lblDesc->text(), QString("&Header HTML:"));
        QCOMPARE(dlg.txtMTB->toPlainText(), QString("<p>one</p>\n<p>two</p>"));
        QCOMPARE(dlg.txtMTB->font().family(), QString("Courier New"));
        QCOMPARE(dlg.txtMTB->font().styleHint(), QFont::TypeWriter);
        dlg.txtMTB->setPlainText("changed");
        dlg.cmdCancel->click();
        QCOMPARE(doc.HeaderHTML, QString("<p>one</p>\r\n<p>two</p>"));
        QVERIFY(!doc.Changed);
    }

    void textEditorTakesEnterAsANewLine() {
        frmPMTB dlg(doc, row("Header HTML"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.txtMTB->setFocus();
        QTest::keyClicks(dlg.txtMTB, "a");
        QTest::keyClick(dlg.txtMTB, Qt::Key_Return);
        QTest::keyClicks(dlg.txtMTB, "b");
        QVERIFY(dlg.isVisible());
        QVERIFY(!dlg.cmdOK->isDefault());
        dlg.cmdOK->click();
        QCOMPARE(doc.HeaderHTML, QString("a\r\nb"));
    }

    // --- font ---

    void fontDialogShowsAndReturnsTheSettings() {
        const QString family = styledFamily();
        if (family.isEmpty())
            QSKIP("no font family with bold and italic faces");
        FontDialog dlg;
        FontChoice in;
        in.name = family;
        in.bold = true;
        in.strikeOut = true;
        in.underline = true;
        in.size = 13;
        in.colour = 0x0000FF;
        dlg.load(in);
        const FontChoice out = dlg.choice();
        QCOMPARE(out.name, in.name);
        QVERIFY(out.bold && !out.italic && out.strikeOut && out.underline);
        QCOMPARE(out.size.value_or(0), 13.0);
        QCOMPARE(out.colour.value_or(-1), 0x0000FF);

        // Nothing given for size and colour: the dialog keeps what it showed.
        dlg.load(FontChoice{});
        QCOMPARE(dlg.choice().size.value_or(0), 13.0);
        QCOMPARE(dlg.choice().colour.value_or(-1), 0x0000FF);
        QVERIFY(!dlg.choice().bold);

        dlg.chooseColour = [](const QColor&) -> std::optional<QColor> { return QColor(0, 128, 0); };
        dlg.cmdColour->click();
        QCOMPARE(dlg.choice().colour.value_or(-1), 0x008000);
    }

    // --- the main window ---

    void editPropertyWaitsForAClickedRow() {
        frmPME w(&prompter);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.mnuEditProperty->isEnabled());
        QVERIFY(w.mnuEditReset->isEnabled());
        w.tabMain->setCurrentIndex(1);
        clickProperty(w, "Table border");
        QVERIFY(w.mnuEditProperty->isEnabled());
        QCOMPARE(w.doc().ReadProp("Table border", true), QString("True"));
        clickProperty(w, "Table border");
        QCOMPARE(w.doc().ReadProp("Table border", true), QString("False"));
        clickProperty(w, "Table border");
        QCOMPARE(w.doc().ReadProp("Table border", true), QString("True"));

        // Edit property comes back to the Properties tab and edits the clicked row again.
        w.tabMain->setCurrentIndex(0);
        w.mnuEditProperty->trigger();
        QCOMPARE(w.tabMain->currentIndex(), 1);
        QCOMPARE(w.doc().ReadProp("Table border", true), QString("False"));
        QVERIFY(w.doc().Changed);

        prompter.answers.push_back(PromptAnswer::Yes);
        w.tabMain->setCurrentIndex(0);
        w.mnuEditReset->trigger();
        QCOMPARE(w.tabMain->currentIndex(), 1);
        QVERIFY(!w.mnuEditProperty->isEnabled());
        QVERIFY(!w.lvProp->selectionModel()->hasSelection());
    }

    void deleteKeyOnThePropertyList() {
        frmPME w(&prompter);
        w.show();
        w.tabMain->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        prompter.inputs = {std::nullopt, std::nullopt}; // each click opens a number box
        clickProperty(w, "Columns");
        QTest::keyClick(w.lvProp, Qt::Key_Delete);
        QCOMPARE(w.doc().ReadProp("Columns", true), QString("5"));
        QVERIFY(!w.doc().Changed);
        clickProperty(w, "Icon size");
        QTest::keyClick(w.lvProp, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(w.doc().ReadProp("Icon size", true), QString());
        QVERIFY(w.doc().Changed);
    }

    void htmlFileLocationRechecksTheMenus() {
        const QString page = QStringLiteral("/built/page.htm");
        frmPME w(&prompter);
        w.show();
        w.tabMain->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy checkmenus(&w.doc(), &Document::checkmenusRequested);
        whenShown<frmPFile>([&](frmPFile* dlg) {
            QCOMPARE(dlg->lblDesc->text(), QString("&HTML File Location:"));
            dlg->txtFile->setText(page);
            dlg->cmdOK->click();
        });
        clickProperty(w, "(HTML File)");
        QCOMPARE(w.doc().props().setting(0), page);
        QCOMPARE(checkmenus.size(), 1);
        QVERIFY(w.doc().Changed);
    }

    void textEditorFromTheWindowMarksChangedEvenWhenCancelled() {
        frmPME w(&prompter);
        w.show();
        w.tabMain->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        whenShown<frmPMTB>([](frmPMTB* dlg) { dlg->cmdCancel->click(); });
        clickProperty(w, "Footer HTML");
        QCOMPARE(w.doc().FooterHTML, QString());
        QVERIFY(w.doc().Changed);
    }

    void fontDialogFromTheWindow_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancel") << false;
        QTest::newRow("ok") << true;
    }
    void fontDialogFromTheWindow() {
        QFETCH(bool, accept);
        frmPME w(&prompter);
        w.show();
        w.tabMain->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString family = styledFamily();
        if (family.isEmpty())
            QSKIP("no font family with bold and italic faces");
        w.doc().WriteProp("Font", family);
        w.doc().WriteProp("Font size", "14");
        w.doc().WriteProp("Text colour", "#0000FF");
        whenShown<FontDialog>([accept](FontDialog* dlg) {
            QCOMPARE(dlg->choice().size.value_or(0), 14.0);
            QCOMPARE(dlg->choice().colour.value_or(-1), 0xFF0000);
            QFont font = dlg->fontPart->currentFont();
            font.setItalic(true);
            dlg->fontPart->setCurrentFont(font);
            (accept ? dlg->cmdOK : dlg->cmdCancel)->click();
        });
        clickProperty(w, "Font");
        QCOMPARE(w.doc().ReadProp("Font italic", true), accept ? QString("True") : "False");
        QCOMPARE(w.doc().ReadProp("Font size", true), QString("14"));
        QCOMPARE(w.doc().ReadProp("Text colour", true), QString("#0000FF"));
        QCOMPARE(w.doc().ReadProp("Font", true), family);
        QCOMPARE(w.doc().Changed, accept);
    }
};

QTEST_MAIN(tst_PropertyDialogs)
#include "tst_propertydialogs.moc"
