// Page properties without a window: the list and reading and writing by name,
// typed numbers and the title, Booleans, the font settings, the Delete key, reset,
// the choice of editor and the colour texts.
#include "ScriptedPrompter.h"
#include "document/Colour.h"
#include "document/Document.h"
#include "document/FileCommands.h"
#include "document/PropertyCommands.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;

namespace {
// Records which dialog the window would open; the font dialog is always cancelled.
struct RecordingHost : PropertyEditorHost {
    QStringList calls;
    qint32 defCol = 0;
    PropertyEditor fileEditor;
    std::optional<FontChoice> fontShown;

    void PCol(int, qint32 d) override { calls << "PCol", defCol = d; }
    void PFile(int, const PropertyEditor& e) override { calls << "PFile", fileEditor = e; }
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
    QString setting(const QString& name) const { return doc.ReadProp(name, true); }

private slots:
    void init() {
        prompter = test::ScriptedPrompter();
        host = RecordingHost();
        doc.CurFile.clear();
        doc.NextNew = 1;
        doc.Propulate();
        doc.setUntitledCaption();
        doc.Changed = false;
    }

    void tableIsSortedByNameAndBounded() {
        QCOMPARE(doc.props().count(), 36);
        for (int i = 1; i < doc.props().count(); ++i)
            QVERIFY2(doc.props().name(i - 1).compare(doc.props().name(i), Qt::CaseInsensitive) < 0,
                     qPrintable(doc.props().name(i)));
        // Positions outside the table, and unknown sub-items, give nothing.
        QCOMPARE(doc.GetProp(36, 3), QString("P_SHOW_R"));
        QVERIFY(doc.GetProp(37, 1).isEmpty() && doc.GetProp(0, 3).isEmpty());
        QVERIFY(doc.GetProp(1, 4).isEmpty());
    }

    void readAndWriteByName() {
        doc.WriteProp("Title", "Tom & Jerry <é>");
        QCOMPARE(setting("Title"), QString("Tom & Jerry <é>"));
        QCOMPARE(doc.ReadProp("Title"), QString("Tom &amp; Jerry &lt;&#233;&gt;"));
        QCOMPARE(doc.ReadProp("title"), QString()); // names are case-sensitive
        doc.WriteProp("title", "x");
        QCOMPARE(setting("Title"), QString("Tom & Jerry <é>"));
        // HTML is never converted; the list shows it whole up to 49 characters.
        const QString html = "<b>&</b>" + QString(41, 'x');
        doc.WriteProp("Header HTML", html);
        doc.WriteProp("Footer HTML", html + "y");
        QCOMPARE(doc.ReadProp("Footer HTML"), html + "y");
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
        QCOMPARE(prompter.inputPrompts.size(), 1);
        QVERIFY(prompter.inputPrompts[0].endsWith("|" + property));
        QCOMPARE(prompter.inputDefaults, QStringList{before});
        QCOMPARE(setting(property), expected);
        QCOMPARE(doc.Changed, expected != before);
        QCOMPARE(doc.caption(), setting("Title") + " - Ulvanta Editor");
        QCOMPARE(prompter.messages.size(), message.isEmpty() ? 0 : 1); // no second chance
        if (!message.isEmpty()) {
            QCOMPARE(prompter.messages[0].text, message);
            QCOMPARE(prompter.messages[0].title, property + " Error");
            QCOMPARE(prompter.messages[0].icon, PromptIcon::Exclamation);
        }
    }

    // A click toggles a Boolean; the Delete key empties only a few settings.
    void clickAndDelete_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("click"); // else the Delete key
        QTest::addColumn<QString>("expected");
        const auto add = [](const char* r, const char* p, const char* s, bool c, const char* e) {
            QTest::newRow(r) << p << s << c << e;
        };
        add("False clicked", "Table border", "False", true, "True");
        add("True clicked", "Table border", "True", true, "False");
        add("other text clicked", "Table border", "true", true, "true");
        add("icon size deleted", "Icon size", "48", false, "");
        add("columns kept", "Columns", "3", false, "3");
    }
    void clickAndDelete() {
        QFETCH(QString, property);
        QFETCH(QString, start);
        QFETCH(bool, click);
        QFETCH(QString, expected);
        doc.WriteProp(property, start);
        if (click)
            cmd.activate(row(property), host);
        else
            QCOMPARE(cmd.deleteKey(row(property)), expected != start);
        QCOMPARE(setting(property), expected);
        QCOMPARE(doc.Changed, click || expected != start); // a click counts as a change
        QVERIFY(prompter.messages.isEmpty() && host.calls.isEmpty());
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
            doc.SaveFile(dir.filePath("saved.pmf"));
        prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
        cmd.toggle(row("Show edit command"));
        doc.CO.release();
        QCOMPARE(prompter.messages.size(), saved ? 0 : 1);
        if (!saved)
            QCOMPARE(prompter.messages[0].buttons, PromptButtons::YesNo);
        QCOMPARE(setting("Show edit command"), QString(saved || yes ? "True" : "False"));
        QCOMPARE(prompter.fileRequests.size(), yes ? 1 : 0);
        QVERIFY(doc.Changed);
    }

    void reset_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void reset() {
        QFETCH(bool, yes);
        doc.WriteProp("Header HTML", "<b>hi</b>");
        doc.WriteProp("Columns", "3");
        doc.NextNew = 4;
        QSignalSpy tabs(&doc, &Document::tabRequested);
        prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
        cmd.reset();
        QCOMPARE(tabs.size(), 1); // the question is asked over the Properties tab
        QCOMPARE(tabs[0][0].toInt(), 1);
        QCOMPARE(prompter.messages.size(), 1);
        const QStringList after{setting("Header HTML"), setting("Columns"), setting("Title")};
        const QStringList expected =
            yes ? QStringList{"", "5", "New File 4"} : QStringList{"<b>hi</b>", "3", "New File 1"};
        QCOMPARE(after, expected);
        QCOMPARE(doc.Changed, yes);
    }

    void dialogEditors_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("call");
        QTest::addColumn<qint64>("defCol");
        QTest::newRow("colour") << "Background colour"
                                << "PCol" << qint64(0x80000005);
        QTest::newRow("file") << "(HTML File)"
                              << "PFile" << qint64(0);
        QTest::newRow("text") << "Header HTML"
                              << "MultiLine" << qint64(0);
    }
    void dialogEditors() {
        QFETCH(QString, property);
        QFETCH(QString, call);
        QFETCH(qint64, defCol);
        QSignalSpy checkmenus(&doc, &Document::checkmenusRequested);
        cmd.activate(row(property), host);
        QCOMPARE(host.calls, QStringList{call});
        QCOMPARE(host.defCol, qint32(defCol));
        QCOMPARE(host.fileEditor.htmlFile, property == "(HTML File)");
        // Only the built page's location changes what Run and the shortcut offer.
        QCOMPARE(checkmenus.size(), property == "(HTML File)" ? 1 : 0);
        // The text editor marks the document changed however it closes.
        QCOMPARE(doc.Changed, call == "MultiLine");
    }

    void fontDialogShowsTheSettingsAndCancelKeepsThem_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<double>("shownSize"); // -1: no dialog
        QTest::addColumn<int>("shownColour");
        QTest::newRow("all set") << "12.5"
                                 << "#FF0000" << 12.5 << 255;
        QTest::newRow("invalid colour") << "10"
                                        << "#FFF" << 10.0 << -1;
        QTest::newRow("size no number") << "big"
                                        << "#FF0000" << -1.0 << -1;
    }
    void fontDialogShowsTheSettingsAndCancelKeepsThem() {
        QFETCH(QString, size);
        QFETCH(QString, colour);
        QFETCH(double, shownSize);
        QFETCH(int, shownColour);
        doc.WriteProp("Font", "Serif");
        doc.WriteProp("Font underline", "True");
        doc.WriteProp("Font size", size);
        doc.WriteProp("Text colour", colour);
        const auto all = [this] {
            QStringList out;
            for (int r = 0; r < doc.props().count(); ++r)
                out << doc.props().setting(r);
            return out;
        };
        const QStringList before = all();
        cmd.activate(row("Font"), host);
        QCOMPARE(all(), before);
        QVERIFY(!doc.Changed);
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
        add("lower case", true, "#00ff00", "65280");
        add("three digits", true, "#FFF", "");
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
        QCOMPARE(toNumber ? Colour::ColHexToNum(from) : Colour::ColNumToHex(from), to);
    }
};

QTEST_GUILESS_MAIN(tst_PropertyCommands)
#include "tst_propertycommands.moc"
