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
    // The first empty field is refused; a description may not make a section row.
    void refusals_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("editMode");
        QTest::addColumn<int>("focus"); // 0: accepted
        QTest::addColumn<QString>("says");
        const auto add = [](const char* row, const char* d, const char* c, bool edit, Focus f,
                            const char* says = "") {
            QTest::newRow(row) << d << c << edit << int(f) << says;
        };
        add("empty description", "", "prog", false, Focus::Description, "a description");
        add("blank description is one", "   ", "prog", false, Focus(0));
        add("blank command", "Desc", "   ", true, Focus::Command, "a command");
        add("section word behind blanks", "  SECTION:x", "prog", false, Focus::Command, "SECTION:");
        add("lower-case section word", "section:x", "prog", false, Focus(0));
        add("command checked before the section word", "SECTION:x", "", false, Focus::Command,
            "a command");
    }
    void refusals() {
        QFETCH(QString, description);
        QFETCH(QString, command);
        QFETCH(bool, editMode);
        QFETCH(int, focus);
        QFETCH(QString, says);
        IconEntry::Fields f;
        f.description = description;
        f.command = command;
        const auto refusal = IconEntry::validate(f, editMode);
        QCOMPARE(refusal ? int(refusal->focus) : 0, focus);
        if (refusal) {
            QVERIFY2(refusal->text.contains(says), qPrintable(refusal->text));
            QCOMPARE(refusal->title, editMode ? "Edit Error" : "Add Error");
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

    void insertPosition() {
        // Below the current row, at the bottom when asked or with no current row.
        QCOMPARE(IconEntry::insertPosition(5, 2, false), 3);
        QCOMPARE(IconEntry::insertPosition(5, 2, true), 5);
        QCOMPARE(IconEntry::insertPosition(0, -1, false), 0);
        QCOMPARE(IconEntry::insertPosition(5, -1, false), 5);
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
        const auto add = [](const char* tag, const char* name, IconEntry::PreviewKind k,
                            int image) { QTest::newRow(tag) << name << int(k) << image; };
        add("quoted picture upper case", "\"Pic Two.PNG\"", IconEntry::PreviewKind::Picture, 1);
        add("unreadable picture keeps the preview", "broken.ico", IconEntry::PreviewKind::Picture,
            0);
        add("program shows its icon", "tool.exe", IconEntry::PreviewKind::ShellIcon, 1);
        add("missing path clears", "missing.png", IconEntry::PreviewKind::Clear, 2);
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
