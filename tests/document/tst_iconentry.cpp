#include "document/IconEntry.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using IconEntry::Focus;

class IconEntryTest : public QObject {
    Q_OBJECT
private slots:
    void refusals_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("editMode");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("focus");
        const char* noDesc = "You must enter a description for this icon";
        const char* noCom = "You must enter a command for this icon";
        const char* section = "The description cannot start with the word 'SECTION:'";
        const auto add = [](const char* row, const char* d, const char* c, bool edit, const char* m,
                            const char* t,
                            Focus f) { QTest::newRow(row) << d << c << edit << m << t << int(f); };
        add("empty description", "", "prog", false, noDesc, "Add Error", Focus::Description);
        add("blank description is one", "   ", "prog", false, "", "", Focus(0));
        add("blank command", "Desc", "   ", true, noCom, "Edit Error", Focus::Command);
        add("section word behind blanks", "  SECTION:x", "prog", false, section, "Add Error",
            Focus::Command);
        add("lower-case section word", "section:x", "prog", false, "", "", Focus(0));
        add("command checked before the section word", "SECTION:x", "", false, noCom, "Add Error",
            Focus::Command);
    }
    void refusals() {
        QFETCH(QString, description);
        QFETCH(QString, command);
        QFETCH(bool, editMode);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, focus);
        IconEntry::Fields f;
        f.description = description;
        f.command = command;
        const auto refusal = IconEntry::validate(f, editMode);
        QCOMPARE(refusal.has_value(), !message.isEmpty());
        if (refusal) {
            QCOMPARE(refusal->text, message);
            QCOMPARE(refusal->title, title);
            QCOMPARE(int(refusal->focus), focus);
        }
    }

    void fieldsBecomeARow() {
        const IconEntry::Fields f{"  Spaced ", "  /usr/bin/prog  ",         " -a \"x y\" ",
                                  " /tmp ",    " \"/opt/My Icons/a.ico\" ", "Hidden",
                                  " note "};
        const ItemRow r = IconEntry::toRow(f);
        QCOMPARE(r, (ItemRow{f.description, "/usr/bin/prog", f.parameters, f.startIn,
                             "/opt/My Icons/a.ico", "Hidden", f.comments}));
    }

    void insertPosition_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("atBottom");
        QTest::addColumn<int>("expected");
        QTest::newRow("below the third row") << 5 << 2 << false << 3;
        QTest::newRow("at the bottom") << 5 << 2 << true << 5;
        QTest::newRow("empty list") << 0 << -1 << false << 0;
        QTest::newRow("no current row") << 5 << -1 << false << 5;
    }
    void insertPosition() {
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(bool, atBottom);
        QFETCH(int, expected);
        QCOMPARE(IconEntry::insertPosition(count, current, atBottom), expected);
    }

    void browsedPathsComposeIntoTheField() {
        const QString spaced = QStringLiteral("/opt/My Files/a.txt");
        const QString quoted = '"' + spaced + '"';
        QCOMPARE(IconEntry::composeBrowsed("", spaced, true), quoted);
        QCOMPARE(IconEntry::composeBrowsed(quoted, "/tmp/b.txt", true), quoted + " /tmp/b.txt");
        QCOMPARE(IconEntry::composeBrowsed("/usr/bin/old", spaced, false), spaced);
    }

    void previewFollowsTheIconPath_data() {
        QTest::addColumn<QString>("name"); // inside a scratch folder
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("image"); // 0 keep, 1 picture, 2 cleared
        const int picture = int(IconEntry::PreviewKind::Picture);
        const int shell = int(IconEntry::PreviewKind::ShellIcon);
        QTest::newRow("quoted picture upper case") << "\"Pic Two.PNG\"" << picture << 1;
        QTest::newRow("unreadable picture keeps the preview") << "broken.ico" << picture << 0;
        QTest::newRow("program shows its icon") << "tool.exe" << shell << 1;
        QTest::newRow("missing path clears")
            << "missing.png" << int(IconEntry::PreviewKind::Clear) << 2;
    }
    void previewFollowsTheIconPath() {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(int, image);
        QTemporaryDir dir;
        QImage pic(8, 8, QImage::Format_ARGB32);
        pic.fill(Qt::red);
        QVERIFY(pic.save(dir.filePath("Pic Two.PNG"), "PNG"));
        for (const char* junk : {"broken.ico", "tool.exe"}) {
            QFile f(dir.filePath(junk));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a picture") > 0);
        }
        QString path = dir.filePath(QString(name).remove('"'));
        if (name.startsWith('"'))
            path = '"' + path + '"';
        QCOMPARE(int(IconEntry::previewKind(path)), kind);
        const std::optional<QImage> img = IconEntry::previewImage(path);
        QCOMPARE(!img ? 0 : (img->isNull() ? 2 : 1), image);
    }
};

QTEST_MAIN(IconEntryTest)
#include "tst_iconentry.moc"
