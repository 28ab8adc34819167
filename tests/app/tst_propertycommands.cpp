// Page properties: the list and reading and writing by name, what a click or a
// key does to each property, reset, the colour texts, and the colour, file, text
// and font dialogs with the property list of the main window.
#include "ScriptedPrompter.h"
#include "Widgets.h"
#include "app/MainWindow.h"
#include "dialogs/ColourSettingDialog.h"
#include "dialogs/FileSettingDialog.h"
#include "dialogs/FontDialog.h"
#include "dialogs/HtmlTextDialog.h"
#include "document/Colour.h"
#include "document/FileCommands.h"
#include "document/PropertyDialogs.h"

#include <QAction>
#include <QApplication>
#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace ulvanta;

namespace {
// Records which dialog the window would open; the font dialog is always cancelled.
struct RecordingHost : PropertyEditorHost {
    QStringList calls;
    qint32 defaultColour = 0;
    PropertyEditor fileEditor;
    std::optional<FontChoice> fontShown;

    void editColour(int, qint32 d) override { calls << "PCol", defaultColour = d; }
    void editFile(int, const PropertyEditor& e) override { calls << "PFile", fileEditor = e; }
    void editMultiLine(int) override { calls << "MultiLine"; }
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override {
        calls << "Font";
        fontShown = initial;
        return std::nullopt;
    }
};
} // namespace

class tst_PropertyCommands : public QObject {
    Q_OBJECT

    Document doc;
    test::ScriptedPrompter prompter;
    FileCommands files{doc, prompter};
    PropertyCommands cmd{doc, prompter, files};
    RecordingHost host;

    int row(const QString& name) const { return doc.props().rowOf(name); }
    QString setting(const QString& name) const { return doc.setting(name); }
    static QString setting(MainWindow& w, const QString& name) { return w.doc().setting(name); }

    // Clicks a row of the window's property list.
    static void clickProperty(MainWindow& w, const QString& name) {
        const QModelIndex i = w.doc().props().index(w.doc().props().rowOf(name), 0);
        child<QTreeView>(&w, "propertyList")->scrollTo(i);
        QTest::mouseClick(child<QTreeView>(&w, "propertyList")->viewport(), Qt::LeftButton, {},
                          child<QTreeView>(&w, "propertyList")->visualRect(i).center());
    }

private slots:
    void init() {
        prompter = test::ScriptedPrompter();
        host = RecordingHost();
        doc.setFilePath({});
        doc.setNextNewNumber(1);
        doc.resetProperties();
        doc.setModified(false);
    }

    void listIsSortedByName() {
        for (int i = 1; i < doc.props().count(); ++i)
            QVERIFY2(doc.props().name(i - 1).compare(doc.props().name(i), Qt::CaseInsensitive) < 0,
                     qPrintable(doc.props().name(i)));
    }

    void readAndWriteByName() {
        doc.setSetting("Title", "Tom & Jerry <é>");
        QCOMPARE(setting("Title"), QString("Tom & Jerry <é>"));
        QCOMPARE(doc.htmlSetting("Title"), QString("Tom &amp; Jerry &lt;&#233;&gt;"));
        QCOMPARE(doc.htmlSetting("title"), QString()); // names are case-sensitive
        doc.setSetting("title", "x");
        QCOMPARE(setting("Title"), QString("Tom & Jerry <é>"));
        // HTML is never converted; the list shows it whole up to 49 characters.
        const QString html = "<b>&</b>" + QString(41, 'x');
        doc.setSetting("Header HTML", html);
        doc.setSetting("Footer HTML", html + "y");
        QCOMPARE(doc.htmlSetting("Footer HTML"), html + "y");
        QCOMPARE(doc.props().setting(row("Header HTML")), html);
        QCOMPARE(doc.props().setting(row("Footer HTML")), html + "y...");
    }

    // Numbers and the title are typed into an input box.
    void typedEntry_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("answer"); // a null text cancels the box
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        const auto add = [](const char* r, const char* p, const QString& a, const char* e,
                            const char* m) { QTest::newRow(r) << p << a << e << m; };
        add("fraction as typed", "Font size", "12.5", "12.5", "");
        add("below 1", "Font size", "0", "", "The number must be 1 or higher");
        add("above 512", "Font size", "600", "", "The number must be 512 or lower");
        add("width 103", "Width", "103", "492", "The number must be 104 or higher");
        add("height 0", "Height", "0", "0", "");
        add("not a number", "Icon size", "abc", "32", "'abc' is not a number, please try again");
        add("blanks kept", "Columns", " 7 ", " 7 ", "");
        add("empty", "Columns", "", "5", "");
        add("cancelled", "Columns", QString(), "5", "");
        add("title typed", "Title", "My apps", "My apps", "");
        add("title empty", "Title", "", "New File 1", "");
    }
    void typedEntry() {
        QFETCH(QString, property);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        const QString before = setting(property);
        prompter.inputs.push_back(answer.isNull() ? std::nullopt : std::optional(answer));
        cmd.activate(row(property), host);
        QVERIFY(prompter.inputPrompts.value(0).endsWith("|" + property)); // titled by name
        QCOMPARE(prompter.inputDefaults, QStringList{before});
        QCOMPARE(setting(property), expected);
        QCOMPARE(doc.isModified(), expected != before);
        QCOMPARE(doc.caption(), setting("Title") + " - Ulvanta Editor");
        QCOMPARE(prompter.messages.size(), message.isEmpty() ? 0 : 1); // no second chance
        QCOMPARE(prompter.messages.value(0).text, message);
        QCOMPARE(prompter.messages.value(0).title, message.isEmpty() ? "" : property + " Error");
    }

    // A click toggles a Boolean or opens the property's dialog; the Delete key
    // empties only a few settings.
    void clickAndDelete_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("click"); // else the Delete key
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("dialog");
        const auto add = [](const char* r, const char* p, const char* s, bool c, const char* e,
                            const char* d) { QTest::newRow(r) << p << s << c << e << d; };
        add("False clicked", "Table border", "False", true, "True", "");
        add("True clicked", "Table border", "True", true, "False", "");
        add("other text clicked", "Table border", "true", true, "true", "");
        add("colour clicked", "Background colour", "", true, "", "PCol");
        add("file clicked", "(HTML File)", "", true, "", "PFile");
        add("HTML clicked", "Header HTML", "", true, "", "MultiLine");
        add("icon size deleted", "Icon size", "48", false, "", "");
        add("columns kept", "Columns", "3", false, "3", "");
    }
    void clickAndDelete() {
        QFETCH(QString, property);
        QFETCH(QString, start);
        QFETCH(bool, click);
        QFETCH(QString, expected);
        QFETCH(QString, dialog);
        doc.setSetting(property, start);
        QSignalSpy checkmenus(&doc, &Document::actionUpdateRequested);
        if (click)
            cmd.activate(row(property), host);
        else
            QCOMPARE(cmd.deleteKey(row(property)), expected != start);
        QCOMPARE(setting(property), expected);
        QCOMPARE(host.calls, dialog.isEmpty() ? QStringList() : QStringList{dialog});
        QCOMPARE(host.defaultColour, dialog == "PCol" ? Colour::SystemWindow : 0);
        QCOMPARE(host.fileEditor.htmlFile, dialog == "PFile");
        // Only the built page's location changes what Run and the shortcut offer.
        QCOMPARE(checkmenus.size(), dialog == "PFile" ? 1 : 0);
        // A Boolean counts as changed even when it stays; the text editor however it closes.
        const bool changed = (click && dialog != "PCol" && dialog != "PFile") || expected != start;
        QCOMPARE(doc.isModified(), changed);
        QVERIFY(prompter.messages.isEmpty());
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
        QCOMPARE(setting("Show edit command"), QString(saved || yes ? "True" : "False"));
        QCOMPARE(prompter.fileRequests.size(), yes ? 1 : 0);
        QVERIFY(doc.isModified());
    }

    void resetAsksFirst() {
        doc.setSetting("Header HTML", "<b>hi</b>");
        doc.setSetting("Columns", "3");
        doc.setNextNewNumber(4);
        const auto kept = [this] {
            return QStringList{setting("Header HTML"), setting("Columns"), setting("Title")};
        };
        prompter.answers = {PromptAnswer::No, PromptAnswer::Yes};
        cmd.reset();
        QCOMPARE(kept(), (QStringList{"<b>hi</b>", "3", "New File 1"}));
        QVERIFY(!doc.isModified());
        cmd.reset();
        QCOMPARE(kept(), (QStringList{"", "5", "New File 4"}));
        QVERIFY(doc.isModified());
        QCOMPARE(prompter.messages.size(), 2);
    }

    void fontDialogShowsTheSettingsAndCancelKeepsThem_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<double>("shownSize"); // -1: no dialog
        QTest::addColumn<int>("shownColour");
        const auto add = [](const char* r, const char* s, const char* c, double ss, int sc) {
            QTest::newRow(r) << s << c << ss << sc;
        };
        add("all set", "12.5", "#FF0000", 12.5, 255);
        add("invalid colour", "10", "#FFF", 10.0, -1);
        add("size no number", "big", "#FF0000", -1.0, -1);
    }
    void fontDialogShowsTheSettingsAndCancelKeepsThem() {
        QFETCH(QString, size);
        QFETCH(QString, colour);
        QFETCH(double, shownSize);
        QFETCH(int, shownColour);
        doc.setSetting("Font", "Serif");
        doc.setSetting("Font underline", "True");
        doc.setSetting("Font size", size);
        doc.setSetting("Text colour", colour);
        const auto all = [this] {
            QStringList out;
            for (int r = 0; r < doc.props().count(); ++r)
                out << doc.props().setting(r);
            return out;
        };
        const QStringList before = all();
        cmd.activate(row("Font"), host);
        QCOMPARE(all(), before);
        QVERIFY(!doc.isModified());
        QCOMPARE(host.fontShown.has_value(), shownSize > 0);
        if (!host.fontShown)
            return;
        QCOMPARE(host.fontShown->name, QString("Serif"));
        QVERIFY(host.fontShown->underline && !host.fontShown->bold);
        QCOMPARE(host.fontShown->size.value_or(-1.0), shownSize);
        QCOMPARE(host.fontShown->colour.value_or(-1), shownColour);
    }

    void colourTexts_data() {
        QTest::addColumn<bool>("toNumber");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const auto add = [](const char* r, bool n, const char* f, const char* t) {
            QTest::newRow(r) << n << QString(f) << QString(t);
        };
        // The text reads red, green, blue; the number holds red in its lowest byte.
        add("blue, no #", true, "0000FF", "16711680");
        add("five digits", true, "12345", "341010");
        add("every # removed", true, "#12#3456", "5649426");
        add("beyond six", true, "#FF0000AA", "255");
        add("not hex", true, "#GG0000", "");
        add("teal, padded", false, "8421376", "#008080");
        add("largest", false, "16777215", "#FFFFFF");
        add("too large", false, "16777216", "");
        add("negative", false, "-1", "");
        add("not a number", false, "abc", "");
    }
    void colourTexts() {
        QFETCH(bool, toNumber);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QCOMPARE(toNumber ? Colour::hexToNumber(from) : Colour::numberToHex(from), to);
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
        ColourSettingDialog dlg(doc, row("Link visited colour"), Colour::Purple);
        QTest::keyClicks(child<QLineEdit>(&dlg, "colourEdit"), typed);
        dlg.chooseColour = [chosen](const QColor&) { return std::optional(chosen); };
        if (chosen.isValid())
            child<QPushButton>(&dlg, "chooseButton")->click();
        QCOMPARE(dlg.previewColour(), preview);
        (ok ? child<QPushButton>(&dlg, "okButton") : child<QPushButton>(&dlg, "cancelButton"))
            ->click();
        QCOMPARE(setting("Link visited colour"), stored);
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
        const PropertyEditor editor = editorFor(property);
        doc.setSetting(property, "old");
        FileSettingDialog dlg(doc, doc.props().rowOf(property),
                              PropertyDialogs::fileRequest(editor),
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
    }

    // Clicks on the window's list; Edit property waits for one after every refill.
    void propertyListOfTheWindow() {
        MainWindow w(&prompter);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!child<QAction>(&w, "actionEditProperty")->isEnabled());
        child<QTabWidget>(&w, "tabs")->setCurrentIndex(1);
        clickProperty(w, "Table border");
        QVERIFY(child<QAction>(&w, "actionEditProperty")->isEnabled());
        QCOMPARE(setting(w, "Table border"), QString("True"));
        // Edit property comes back to the Properties tab and edits the clicked row again.
        child<QTabWidget>(&w, "tabs")->setCurrentIndex(0);
        child<QAction>(&w, "actionEditProperty")->trigger();
        QCOMPARE(child<QTabWidget>(&w, "tabs")->currentIndex(), 1);
        QCOMPARE(setting(w, "Table border"), QString("False"));

        w.doc().setSetting("Font size", "14");
        w.doc().setSetting("Text colour", "#0000FF");
        // Runs once the font dialog is up, while the click that opened it waits; the
        // dialog closes whatever it finds.
        FontChoice shown;
        QTimer::singleShot(0, [&shown] {
            auto* dlg = qobject_cast<FontDialog*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            shown = dlg->choice();
            QFont font = child<QFontDialog>(dlg, "fontChooser")->currentFont();
            font.setPointSize(20);
            font.setUnderline(true);
            child<QFontDialog>(dlg, "fontChooser")->setCurrentFont(font);
            child<QPushButton>(dlg, "okButton")->click();
        });
        clickProperty(w, "Font");
        QCOMPARE(shown.size.value_or(0), 14.0);
        QCOMPARE(shown.colour.value_or(-1), 0xFF0000);
        const QStringList font{setting(w, "Font size"), setting(w, "Font underline"),
                               setting(w, "Text colour")};
        QCOMPARE(font, (QStringList{"20", "True", "#0000FF"}));

        prompter.answers.push_back(PromptAnswer::Yes);
        child<QAction>(&w, "actionResetProperties")->trigger();
        QVERIFY(!child<QAction>(&w, "actionEditProperty")->isEnabled());
        QVERIFY(!child<QTreeView>(&w, "propertyList")->selectionModel()->hasSelection());
    }
};

QTEST_MAIN(tst_PropertyCommands)
#include "tst_propertycommands.moc"
