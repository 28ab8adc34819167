// Editing page properties without a window: numbers, Booleans, the title, the
// font settings, the Delete key, reset, the choice of editor and the colour texts.
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
// Records which dialog the window would open.
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
        return std::nullopt; // cancelled
    }
};

void twoColumns(const char* a, const char* b) {
    QTest::addColumn<QString>(a);
    QTest::addColumn<QString>(b);
}
void twoTexts(const char* row, const QString& a, const QString& b) {
    QTest::newRow(row) << a << b;
}
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
        doc.Changed = false;
    }

    void numberEntry_data() {
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
    }
    void numberEntry() {
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
        QCOMPARE(prompter.messages.size(), message.isEmpty() ? 0 : 1); // no second chance
        if (!message.isEmpty()) {
            QCOMPARE(prompter.messages[0].text, message);
            QCOMPARE(prompter.messages[0].title, property + " Error");
            QCOMPARE(prompter.messages[0].icon, PromptIcon::Exclamation);
        }
    }

    void toggle_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("once") << "False" << 1 << "True";
        QTest::newRow("twice") << "False" << 2 << "False";
        QTest::newRow("neither") << "true" << 1 << "true";
    }
    void toggle() {
        QFETCH(QString, start);
        QFETCH(int, clicks);
        QFETCH(QString, expected);
        doc.WriteProp("Table border", start);
        for (int i = 0; i < clicks; ++i)
            cmd.activate(row("Table border"), host);
        QCOMPARE(setting("Table border"), expected);
        QVERIFY(doc.Changed);
        QVERIFY(prompter.messages.isEmpty() && host.calls.isEmpty());
    }

    void showEditCommandAsksToSave_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no") << false;
        // Yes saves (Save As for an untitled document, cancelled here); the setting stays on.
        QTest::newRow("yes") << true;
    }
    void showEditCommandAsksToSave() {
        QFETCH(bool, yes);
        prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
        cmd.toggle(row("Show edit command"));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, QString("This property requires that the file is "
                                                    "saved.  Do you want to save now?"));
        QCOMPARE(prompter.messages[0].title, QString("Save File"));
        QCOMPARE(prompter.messages[0].buttons, PromptButtons::YesNo);
        QCOMPARE(setting("Show edit command"), yes ? QString("True") : QString("False"));
        QCOMPARE(prompter.fileRequests.size(), yes ? 1 : 0);
        QVERIFY(doc.Changed);
    }

    void showEditCommandOnASavedDocumentDoesNotAsk() {
        QTemporaryDir dir;
        doc.SaveFile(dir.filePath("saved.pmf"));
        cmd.toggle(row("Show edit command"));
        QCOMPARE(setting("Show edit command"), QString("True"));
        QVERIFY(prompter.messages.isEmpty());
        doc.CO.release();
    }

    void title_data() {
        twoColumns("answer", "caption");
        twoTexts("typed", "My apps", "My apps - Ulvanta Editor");
        twoTexts("empty answer", "", "New File 1 - Ulvanta Editor");
    }
    void title() {
        QFETCH(QString, answer);
        QFETCH(QString, caption);
        doc.setUntitledCaption();
        prompter.inputs.push_back(answer);
        cmd.activate(row("Title"), host);
        QCOMPARE(prompter.inputPrompts, QStringList{"Type the window title:|Title"});
        QCOMPARE(setting("Title"), answer.isEmpty() ? QString("New File 1") : answer);
        QCOMPARE(doc.caption(), caption);
        QCOMPARE(doc.Changed, !answer.isEmpty());
    }

    void deleteKey_data() {
        twoColumns("property", "expected");
        twoTexts("icon size", "Icon size", "");
        twoTexts("columns", "Columns", "5");
    }
    void deleteKey() {
        QFETCH(QString, property);
        QFETCH(QString, expected);
        QCOMPARE(cmd.deleteKey(row(property)), expected.isEmpty());
        QCOMPARE(setting(property), expected);
        QCOMPARE(doc.Changed, expected.isEmpty());
    }

    void reset_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void reset() {
        QFETCH(bool, yes);
        doc.WriteProp("Header HTML", "<b>hi</b>");
        doc.NextNew = 4;
        QSignalSpy tabs(&doc, &Document::tabRequested);
        prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
        cmd.reset();
        QCOMPARE(tabs.size(), 1);
        QCOMPARE(tabs[0][0].toInt(), 1);
        QCOMPARE(prompter.messages[0].text,
                 QString("Are you sure you want to reset the properties?"));
        QCOMPARE(prompter.messages[0].title, QString("Reset Properties"));
        QCOMPARE(setting("Header HTML"), yes ? QString() : QString("<b>hi</b>"));
        QCOMPARE(setting("Title"), yes ? QString("New File 4") : QString("New File 1"));
        QCOMPARE(doc.Changed, yes);
    }

    void dialogEditors_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("call");
        QTest::addColumn<qint64>("defCol");
        QTest::addColumn<QString>("title");
        const auto add = [](const char* p, const char* c, qint64 d, const char* t) {
            QTest::newRow(p) << p << c << d << t;
        };
        add("Background colour", "PCol", 0x80000005, "");
        add("(HTML File)", "PFile", 0, "HTML File Location");
        add("Header HTML", "MultiLine", 0, "");
        add("Font", "Font", 0, "");
    }
    void dialogEditors() {
        QFETCH(QString, property);
        QFETCH(QString, call);
        QFETCH(qint64, defCol);
        QFETCH(QString, title);
        QSignalSpy checkmenus(&doc, &Document::checkmenusRequested);
        cmd.activate(row(property), host);
        QCOMPARE(host.calls, QStringList{call});
        QCOMPARE(host.defCol, qint32(defCol));
        QCOMPARE(host.fileEditor.prompt, title);
        QCOMPARE(host.fileEditor.htmlFile, property == "(HTML File)");
        // Only the built page's location changes what Run and the shortcut offer.
        QCOMPARE(checkmenus.size(), property == "(HTML File)" ? 1 : 0);
        // The text editor marks the document changed however it closes.
        QCOMPARE(doc.Changed, call == "MultiLine");
    }

    void fontDialogIsLoadedFromTheSettings_data() {
        twoColumns("size", "colour");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<double>("shownSize");
        QTest::addColumn<int>("shownColour");
        QTest::newRow("all set") << QString("12.5") << "#FF0000" << true << 12.5 << 255;
        QTest::newRow("invalid colour") << QString("10") << "#FFF" << true << 10.0 << -1;
        QTest::newRow("size no number") << QString("big") << "#FF0000" << false << -1.0 << -1;
    }
    void fontDialogIsLoadedFromTheSettings() {
        QFETCH(QString, size);
        QFETCH(QString, colour);
        QFETCH(bool, shown);
        QFETCH(double, shownSize);
        QFETCH(int, shownColour);
        doc.WriteProp("Font", "Serif");
        doc.WriteProp("Font underline", "True");
        doc.WriteProp("Font size", size);
        doc.WriteProp("Text colour", colour);
        cmd.editFont(host);
        QCOMPARE(host.fontShown.has_value(), shown);
        if (!shown)
            return;
        QCOMPARE(host.fontShown->name, QString("Serif"));
        QVERIFY(host.fontShown->underline && !host.fontShown->bold);
        QCOMPARE(host.fontShown->size.value_or(-1.0), shownSize);
        QCOMPARE(host.fontShown->colour.value_or(-1), shownColour);
    }

    void fontDialogCancelChangesNothing() {
        doc.WriteProp("Font size", "11");
        doc.WriteProp("Text colour", "#123456");
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
    }

    void colHexToNum_data() {
        twoColumns("hex", "number");
        twoTexts("red", "#FF0000", "255");
        twoTexts("blue, no #", "0000FF", "16711680");
        twoTexts("lower case", "#00ff00", "65280");
        twoTexts("three digits", "#FFF", "");
        twoTexts("five digits", "12345", "341010");
        twoTexts("every # removed", "#12#3456", "5649426");
        twoTexts("beyond six", "#FF0000AA", "255");
        twoTexts("not hex", "#GG0000", "");
        twoTexts("sign", "-10000", "");
    }
    void colHexToNum() {
        QFETCH(QString, hex);
        QFETCH(QString, number);
        QCOMPARE(Colour::ColHexToNum(hex), number);
    }

    void colNumToHex_data() {
        twoColumns("number", "hex");
        twoTexts("red", "255", "#FF0000");
        twoTexts("teal", "8421376", "#008080");
        twoTexts("one", "1", "#010000");
        twoTexts("too large", "16777216", "");
        twoTexts("negative", "-1", "");
        twoTexts("not a number", "abc", "");
    }
    void colNumToHex() {
        QFETCH(QString, number);
        QFETCH(QString, hex);
        QCOMPARE(Colour::ColNumToHex(number), hex);
    }
};

QTEST_GUILESS_MAIN(tst_PropertyCommands)
#include "tst_propertycommands.moc"
