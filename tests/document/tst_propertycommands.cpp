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
    std::optional<FontChoice> fontAnswer;
    std::optional<FontChoice> fontShown;

    void PCol(int, qint32 d) override {
        calls << "PCol";
        defCol = d;
    }
    void PFile(int, const PropertyEditor& e) override {
        calls << "PFile";
        fileEditor = e;
    }
    void editMultiLine(int) override { calls << "MultiLine"; }
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override {
        calls << "Font";
        fontShown = initial;
        return fontAnswer;
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
        doc.Changed = false;
    }

    void numberEntry_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("answer"); // a null text cancels the box
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        QTest::newRow("fraction as typed") << "Font size"
                                           << "12.5"
                                           << "12.5"
                                           << "";
        QTest::newRow("below 1") << "Font size"
                                 << "0"
                                 << ""
                                 << "The number must be 1 or higher";
        QTest::newRow("above 512") << "Font size"
                                   << "600"
                                   << ""
                                   << "The number must be 512 or lower";
        QTest::newRow("width 103") << "Width"
                                   << "103"
                                   << "492"
                                   << "The number must be 104 or higher";
        QTest::newRow("height 0") << "Height"
                                  << "0"
                                  << "0"
                                  << "";
        QTest::newRow("not a number") << "Icon size"
                                      << "abc"
                                      << "32"
                                      << "'abc' is not a number, please try again";
        QTest::newRow("blanks kept") << "Columns"
                                     << " 7 "
                                     << " 7 "
                                     << "";
        QTest::newRow("empty") << "Columns"
                               << ""
                               << "5"
                               << "";
        QTest::newRow("cancelled") << "Columns" << QString() << "5"
                                   << "";
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
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("once") << "Table border"
                              << "False" << 1 << "True";
        QTest::newRow("twice") << "Table border"
                               << "False" << 2 << "False";
        QTest::newRow("off") << "Closable"
                             << "True" << 1 << "False";
        QTest::newRow("neither") << "Icons above"
                                 << "true" << 1 << "true";
    }
    void toggle() {
        QFETCH(QString, property);
        QFETCH(QString, start);
        QFETCH(int, clicks);
        QFETCH(QString, expected);
        doc.WriteProp(property, start);
        for (int i = 0; i < clicks; ++i)
            cmd.activate(row(property), host);
        QCOMPARE(setting(property), expected);
        QVERIFY(doc.Changed);
        QVERIFY(prompter.messages.isEmpty() && host.calls.isEmpty());
    }

    void showEditCommandAsksToSave_data() {
        QTest::addColumn<QString>("curFile");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("saveDialogs");
        QTest::newRow("no") << "" << int(PromptAnswer::No) << "False" << 0;
        QTest::newRow("file gone")
            << "/nonexistent/gone.pmf" << int(PromptAnswer::No) << "False" << 0;
        // Yes saves (Save As for an untitled document, cancelled here); the setting stays on.
        QTest::newRow("yes") << "" << int(PromptAnswer::Yes) << "True" << 1;
    }
    void showEditCommandAsksToSave() {
        QFETCH(QString, curFile);
        QFETCH(int, answer);
        QFETCH(QString, expected);
        QFETCH(int, saveDialogs);
        doc.CurFile = curFile;
        prompter.answers.push_back(PromptAnswer(answer));
        cmd.toggle(row("Show edit command"));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, QString("This property requires that the file is "
                                                    "saved.  Do you want to save now?"));
        QCOMPARE(prompter.messages[0].title, QString("Save File"));
        QCOMPARE(prompter.messages[0].buttons, PromptButtons::YesNo);
        QCOMPARE(setting("Show edit command"), expected);
        QCOMPARE(prompter.fileRequests.size(), saveDialogs);
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
        QTest::addColumn<QString>("curFile");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("caption");
        QTest::newRow("saved") << "C:\\a.pmf"
                               << "My apps"
                               << "My apps (C:\\a.pmf) - Ulvanta Editor";
        QTest::newRow("unsaved") << ""
                                 << "My apps"
                                 << "My apps - Ulvanta Editor";
        QTest::newRow("empty answer") << ""
                                      << ""
                                      << "New File 1 - Ulvanta Editor";
    }
    void title() {
        QFETCH(QString, curFile);
        QFETCH(QString, answer);
        QFETCH(QString, caption);
        doc.CurFile = curFile;
        doc.setUntitledCaption();
        prompter.inputs.push_back(answer);
        cmd.activate(row("Title"), host);
        QCOMPARE(prompter.inputPrompts, QStringList{"Type the window title:|Title"});
        QCOMPARE(setting("Title"), answer.isEmpty() ? QString("New File 1") : answer);
        QCOMPARE(doc.caption(), caption);
        QCOMPARE(doc.Changed, !answer.isEmpty());
    }

    void deleteKey_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected");
        QTest::newRow("icon size") << "Icon size"
                                   << "";
        QTest::newRow("font") << "Font"
                              << "";
        QTest::newRow("columns") << "Columns"
                                 << "5";
    }
    void deleteKey() {
        QFETCH(QString, property);
        QFETCH(QString, expected);
        doc.WriteProp("Font", "Serif");
        QCOMPARE(cmd.deleteKey(row(property)), expected.isEmpty());
        QCOMPARE(setting(property), expected);
        QCOMPARE(doc.Changed, expected.isEmpty());
    }

    void reset_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << int(PromptAnswer::Yes);
        QTest::newRow("no") << int(PromptAnswer::No);
    }
    void reset() {
        QFETCH(int, answer);
        const bool yes = PromptAnswer(answer) == PromptAnswer::Yes;
        doc.WriteProp("Header HTML", "<b>hi</b>");
        doc.NextNew = 4;
        QSignalSpy tabs(&doc, &Document::tabRequested);
        prompter.answers.push_back(PromptAnswer(answer));
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
        QTest::newRow("background") << "Background colour"
                                    << "PCol" << qint64(0x80000005) << "";
        QTest::newRow("text") << "Text colour"
                              << "PCol" << qint64(0x80000008) << "";
        QTest::newRow("link") << "Link colour"
                              << "PCol" << qint64(16711680) << "";
        QTest::newRow("visited") << "Link visited colour"
                                 << "PCol" << qint64(8388736) << "";
        QTest::newRow("active") << "Link active colour"
                                << "PCol" << qint64(255) << "";
        QTest::newRow("hover") << "Link hover colour"
                               << "PCol" << qint64(0x8000000F) << "";
        QTest::newRow("icon") << "Icon"
                              << "PFile" << qint64(0) << "Choose an Icon";
        QTest::newRow("picture") << "Background picture"
                                 << "PFile" << qint64(0) << "Choose a Background Picture";
        QTest::newRow("html file") << "(HTML File)"
                                   << "PFile" << qint64(0) << "HTML File Location";
        QTest::newRow("header") << "Header HTML"
                                << "MultiLine" << qint64(0) << "";
        QTest::newRow("font") << "Font"
                              << "Font" << qint64(0) << "";
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
        QCOMPARE(editorFor("No such property").kind, EditorKind::Boolean);
    }

    void fontDialogIsLoadedFromTheSettings_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<double>("shownSize");
        QTest::addColumn<int>("shownColour");
        QTest::newRow("all set") << "12.5"
                                 << "#FF0000" << true << 12.5 << 255;
        QTest::newRow("empty") << ""
                               << "" << true << -1.0 << -1;
        QTest::newRow("invalid colour") << "10"
                                        << "#FFF" << true << 10.0 << -1;
        QTest::newRow("size no number") << "big"
                                        << "#FF0000" << false << -1.0 << -1;
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
        QStringList before, after;
        for (int r = 0; r < doc.props().count(); ++r)
            before << doc.props().setting(r);
        cmd.activate(row("Font"), host); // the host answers nothing: cancelled
        for (int r = 0; r < doc.props().count(); ++r)
            after << doc.props().setting(r);
        QCOMPARE(after, before);
        QVERIFY(!doc.Changed);
    }

    void fontDialogWritesSevenSettingsInOrder() {
        QSignalSpy written(&doc.props(), &QAbstractItemModel::dataChanged);
        host.fontAnswer = FontChoice{"Courier", true, true, true, true, 10.5, 0x00FF00};
        cmd.activate(row("Font"), host);
        QStringList order;
        for (const auto& args : written)
            order << doc.props().name(args[0].toModelIndex().row());
        QCOMPARE(order, (QStringList{"Font", "Font bold", "Font italic", "Font size",
                                     "Font strikethrough", "Font underline", "Text colour"}));
        QCOMPARE(setting("Font size"), QString("10.5"));
        QCOMPARE(setting("Text colour"), QString("#00FF00"));
        QVERIFY(doc.Changed);
    }

    void colHexToNum_data() {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("number");
        QTest::newRow("red") << "#FF0000"
                             << "255";
        QTest::newRow("blue, no #") << "0000FF"
                                    << "16711680";
        QTest::newRow("lower case") << "#00ff00"
                                    << "65280";
        QTest::newRow("three digits") << "#FFF"
                                      << "";
        QTest::newRow("five digits") << "12345"
                                     << "341010";
        QTest::newRow("every # removed") << "#12#3456"
                                         << "5649426";
        QTest::newRow("beyond six") << "#FF0000AA"
                                    << "255";
        QTest::newRow("not hex") << "#GG0000"
                                 << "";
        QTest::newRow("sign") << "-10000"
                              << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void colHexToNum() {
        QFETCH(QString, hex);
        QFETCH(QString, number);
        QCOMPARE(Colour::ColHexToNum(hex), number);
    }

    void colNumToHex_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("hex");
        QTest::newRow("red") << "255"
                             << "#FF0000";
        QTest::newRow("black") << "0"
                               << "#000000";
        QTest::newRow("teal") << "8421376"
                              << "#008080";
        QTest::newRow("one") << "1"
                             << "#010000";
        QTest::newRow("too large") << "16777216"
                                   << "";
        QTest::newRow("negative") << "-1"
                                  << "";
        QTest::newRow("not a number") << "abc"
                                      << "";
    }
    void colNumToHex() {
        QFETCH(QString, number);
        QFETCH(QString, hex);
        QCOMPARE(Colour::ColNumToHex(number), hex);
    }
};

QTEST_GUILESS_MAIN(tst_PropertyCommands)
#include "tst_propertycommands.moc"
