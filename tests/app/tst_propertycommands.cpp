// Page properties: what a click or a key does to each kind, and their dialogs.
#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "commands/FileController.h"
#include "dialogs/ColourSettingDialog.h"
#include "dialogs/FileSettingDialog.h"
#include "dialogs/FontDialog.h"
#include "dialogs/HtmlTextDialog.h"
#include "forms/PropertyDialogs.h"
#include "model/Colour.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;

namespace {
// Records which dialog the window would open; the font dialog is always cancelled.
struct RecordingHost : PropertyEditorHost {
    QStringList calls;
    PropertyEditor fileEditor;

    void editColour(int, qint32) override { calls << "PCol"; }
    void editFile(int, const PropertyEditor& e) override { calls << "PFile", fileEditor = e; }
    bool editMultiLine(int) override {
        calls << "MultiLine";
        return false;
    }
    std::optional<FontChoice> chooseFont(const FontChoice&) override {
        calls << "Font";
        return std::nullopt;
    }
};
} // namespace

class tst_PropertyCommands : public QObject {
    Q_OBJECT

    Document doc;
    QAbstractItemModelTester propsTester{&doc.props(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest};
    test::ScriptedPrompter prompter;
    FileController files{doc, prompter};
    PropertyController cmd{doc, prompter, files};
    RecordingHost host;

    // The tables name properties as the list shows them.
    static Setting key(const QString& name) { return *PropertyTable::settingNamed(name); }
    int row(const QString& name) const { return doc.props().rowOf(key(name)); }
    QString setting(const QString& name) const { return doc.setting(key(name)); }

private slots:
    void init() {
        prompter = test::ScriptedPrompter();
        host = RecordingHost();
        doc.setFilePath({});
        doc.setNextNewNumber(1);
        doc.resetProperties();
        doc.edits().markSaved();
    }

    // A click or Enter asks for a number or the title, toggles a Boolean or opens the
    // property's dialog; the Delete key empties only a few settings.
    void clickEnterOrDelete_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("start"); // null: as reset
        QTest::addColumn<QString>("typed"); // into the input box (null cancels); "Del": that key
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("shown"); // the dialog opened or the message given
        QTest::addColumn<bool>("changed");
        const auto add = [](const char* r, const char* p, const char* s, const char* t,
                            const char* e, const char* shown, bool c) {
            QTest::newRow(r) << QString(p) << QString(s) << QString(t) << QString(e)
                             << QString(shown) << c;
        };
        add("fraction, blanks kept", "Font size", nullptr, " 12.5 ", " 12.5 ", "", true);
        add("above the highest", "Font size", nullptr, "600", "", "The number must be 512 or lower",
            false);
        add("below the lowest", "Width", nullptr, "103", "492", "The number must be 104 or higher",
            false);
        add("not a number", "Icon size", nullptr, "abc", "32",
            "'abc' is not a number, please try again", false);
        add("the lowest itself", "Height", "1", "0", "0", "", true);
        add("empty", "Columns", nullptr, "", "5", "", false);
        add("cancelled", "Columns", nullptr, nullptr, "5", "", false);
        add("title typed", "Title", nullptr, "My apps", "My apps", "", true);
        add("title empty", "Title", nullptr, "", "New File 1", "", false);
        add("False clicked", "Table border", "False", nullptr, "True", "", true);
        add("other text clicked", "Table border", "true", nullptr, "true", "", true); // kept
        add("colour clicked", "Background colour", "", nullptr, "", "PCol", false);
        add("file clicked", "(HTML File)", "", nullptr, "", "PFile", false);
        add("HTML clicked", "Header HTML", "", nullptr, "", "MultiLine", true); // however closed
        add("icon size deleted", "Icon size", "48", "Del", "", "", true);
        add("columns kept on Delete", "Columns", "3", "Del", "3", "", false);
    }
    void clickEnterOrDelete() {
        QFETCH(QString, property);
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(QString, shown);
        if (!start.isNull())
            doc.setSetting(key(property), start);
        const QString before = setting(property);
        if (!typed.isNull() && typed != "Del")
            prompter.inputs.push_back(typed);
        QSignalSpy checkmenus(&doc, &Document::actionUpdateRequested);
        if (typed == "Del")
            QCOMPARE(cmd.deleteKey(row(property)), expected != before);
        else
            cmd.activate(row(property), host);
        QCOMPARE(setting(property), expected);
        QTEST(doc.isModified(), "changed");
        for (const QString& prompt : prompter.inputPrompts) // titled by name, showing the setting
            QVERIFY(prompt.endsWith("|" + property) &&
                    prompter.inputDefaults == QStringList{before});
        const auto& m = prompter.messages; // no second chance after a message
        QCOMPARE(host.calls.join(u',') + (m.isEmpty() ? QString() : m[0].text), shown);
        QVERIFY(m.size() <= 1 && (m.isEmpty() || m[0].title == property + " Error"));
        QCOMPARE(host.fileEditor.htmlFile, shown == "PFile");
        // Only the built page's location changes what Run and the shortcut offer.
        QCOMPARE(checkmenus.size(), shown == "PFile" ? 1 : 0);
    }

    void showEditCommandNeedsASavedFile_data() {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("yes");
        QTest::newRow("untitled, no") << false << false;
        // Yes saves (Save As for an untitled document, cancelled here); the setting stays on.
        QTest::newRow("untitled, yes") << false << true;
        QTest::newRow("saved: not asked") << true << false;
    }
    void showEditCommandNeedsASavedFile() {
        QFETCH(bool, saved);
        QFETCH(bool, yes);
        QTemporaryDir dir;
        if (saved)
            doc.save(dir.filePath("saved.pmf"));
        prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
        cmd.toggle(row("Show edit command"));
        doc.fileLock().release();
        QCOMPARE(prompter.messages.size(), saved ? 0 : 1);
        QCOMPARE(doc.setting(Setting::ShowEditCommand), QString(saved || yes ? "True" : "False"));
        QCOMPARE(prompter.fileRequests.size(), yes ? 1 : 0);
        QVERIFY(doc.isModified());
    }

    // The dialogs, offscreen, and the property list of the main window.
    void colourEditor_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("chosen"); // from the colour chooser, when valid
        QTest::addColumn<QColor>("preview");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("stored");
        const QColor none, green(0, 255, 0), purple(128, 0, 128); // purple: shown for no colour
        QTest::newRow("green, case kept") << "00ff00" << none << green << true << "#00ff00";
        QTest::newRow("every # dropped")
            << "#12#3456" << none << QColor(0x12, 0x34, 0x56) << true << "#12#3456";
        QTest::newRow("five digits")
            << "12345" << none << QColor(0x12, 0x34, 5) << true << "#12345";
        QTest::newRow("not hex: kept") << "GG0000" << none << purple << true << "#GG0000";
        QTest::newRow("empty") << "" << none << purple << true << "";
        QTest::newRow("chosen") << "" << QColor(1, 2, 3) << QColor(1, 2, 3) << true << "#010203";
        QTest::newRow("cancelled") << "00ff00" << none << green << false << "";
    }
    void colourEditor() {
        QFETCH(QString, typed);
        QFETCH(QColor, chosen);
        QFETCH(bool, ok);
        ColourSettingDialog dlg(doc, row("Link visited colour"), Colour::Purple);
        QTest::keyClicks(child<QLineEdit>(&dlg, "colourEdit"), typed);
        dlg.chooseColour = [chosen](const QColor&) { return std::optional(chosen); };
        if (chosen.isValid())
            child<QPushButton>(&dlg, "chooseButton")->click();
        QTEST(dlg.previewColour(), "preview");
        (ok ? child<QPushButton>(&dlg, "okButton") : child<QPushButton>(&dlg, "cancelButton"))
            ->click();
        QTEST(doc.setting(Setting::LinkVisitedColour), "stored");
        QCOMPARE(doc.isModified(), ok); // OK marks the document changed even for no colour
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
        const PropertyEditor editor = editorFor(key(property));
        doc.setSetting(key(property), "old");
        FileSettingDialog dlg(doc, row(property), PropertyDialogs::fileRequest(editor),
                              PropertyDialogs::fileLabel(property, editor.htmlFile), prompter);
        QCOMPARE(child<QLineEdit>(&dlg, "fileEdit")->text(), QString("old"));
        prompter.files = {QString("/w/f"), std::nullopt};
        child<QPushButton>(&dlg, "browseButton")->click();
        child<QPushButton>(&dlg, "browseButton")->click(); // cancelled: the path stays
        QCOMPARE(child<QLineEdit>(&dlg, "fileEdit")->text(), browsed);
        // The built page is asked for with the form that warns before replacing a file.
        QCOMPARE(prompter.fileRequests[0].save, property == "(HTML File)");
        QVERIFY(!doc.isModified());
        (ok ? child<QPushButton>(&dlg, "okButton") : child<QPushButton>(&dlg, "cancelButton"))
            ->click();
        QCOMPARE(setting(property), ok ? browsed : QString("old"));
        QCOMPARE(doc.isModified(), ok);
    }

    void textEditorTakesEnterAsANewLine() {
        const QString a(24, 'a'), b(24, 'b');
        HtmlTextDialog dlg(doc, row("Footer HTML"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        child<QPlainTextEdit>(&dlg, "textEdit")->setFocus();
        QTest::keyClicks(child<QPlainTextEdit>(&dlg, "textEdit"), a);
        QTest::keyClick(child<QPlainTextEdit>(&dlg, "textEdit"), Qt::Key_Return);
        QTest::keyClicks(child<QPlainTextEdit>(&dlg, "textEdit"), b);
        QVERIFY(dlg.isVisible());
        child<QPushButton>(&dlg, "okButton")->click();
        QCOMPARE(doc.footerHtml(), a + "\r\n" + b);
        // The line break counts as two blanks in the shortened text of the list.
        QCOMPARE(doc.props().setting(row("Footer HTML")), a + "  " + b + "...");
        doc.setSetting(Setting::HeaderHtml, a + b + "c"); // shown whole up to 49 characters
        QCOMPARE(doc.props().setting(row("Header HTML")), a + b + "c");
    }

    // A click on the window's list edits; Edit property waits for one after every
    // refill. The font dialog shows the settings and writes back what is chosen; a
    // size that is no number opens none.
    void fontFromTheWindowsList() {
        MainWindow w(&prompter);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* edit = child<QAction>(&w, "actionEditProperty");
        QVERIFY(!edit->isEnabled());
        child<QTabWidget>(&w, "tabs")->setCurrentIndex(1);
        w.doc().setSetting(Setting::Font, "DejaVu Sans");
        w.doc().setSetting(Setting::FontUnderline, "True");
        w.doc().setSetting(Setting::TextColour, "#0000FF");
        FontChoice shown;
        whenModal([&shown](QDialog* d) {
            shown = qobject_cast<FontDialog*>(d)->choice();
            auto* chooser = child<QFontDialog>(d, "fontChooser");
            QFont font = chooser->currentFont();
            font.setPointSize(20);
            font.setStrikeOut(true);
            chooser->setCurrentFont(font);
            child<QPushButton>(d, "okButton")->click();
        });
        auto* list = child<QTreeView>(&w, "propertyList");
        const QModelIndex font = w.doc().props().index(w.doc().props().rowOf(Setting::Font), 0);
        list->scrollTo(font);
        for (const char* size : {"big", "14"}) {
            w.doc().setSetting(Setting::FontSize, size);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(font).center());
        }
        QVERIFY(edit->isEnabled());
        QVERIFY(shown.underline && !shown.strikeOut);
        QCOMPARE(shown.size.value_or(0), 14.0);
        QCOMPARE(shown.colour.value_or(-1), 0xFF0000);
        const auto fontSettings = [&w] {
            return QStringList{w.doc().setting(Setting::Font), w.doc().setting(Setting::FontSize),
                               w.doc().setting(Setting::FontStrikethrough),
                               w.doc().setting(Setting::FontUnderline),
                               w.doc().setting(Setting::TextColour)};
        };
        QCOMPARE(fontSettings(), (QStringList{"DejaVu Sans", "20", "True", "True", "#0000FF"}));

        prompter.answers = {PromptAnswer::No, PromptAnswer::Yes};
        child<QAction>(&w, "actionResetProperties")->trigger(); // No: all stays
        QCOMPARE(fontSettings(), (QStringList{"DejaVu Sans", "20", "True", "True", "#0000FF"}));
        QVERIFY(edit->isEnabled());
        child<QAction>(&w, "actionResetProperties")->trigger();
        QCOMPARE(prompter.messages.size(), 2);
        QVERIFY(!edit->isEnabled());
        QVERIFY(!list->selectionModel()->hasSelection());
    }
};

QTEST_MAIN(tst_PropertyCommands)
#include "tst_propertycommands.moc"
