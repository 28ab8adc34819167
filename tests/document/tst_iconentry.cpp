#include "document/IconEntry.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace ulvanta;
using IconEntry::Fields;
using IconEntry::Focus;

class IconEntryTest : public QObject {
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void fieldsBecomeARow();
    void insertPosition_data();
    void insertPosition();
    void browsedPathsComposeIntoTheField_data();
    void browsedPathsComposeIntoTheField();
    void previewFollowsTheIconPath_data();
    void previewFollowsTheIconPath();
};

void IconEntryTest::refusals_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("focus");

    const QString noDesc = QStringLiteral("You must enter a description for this icon");
    const QString noCom = QStringLiteral("You must enter a command for this icon");
    const QString section = QStringLiteral("The description cannot start with the word 'SECTION:'");
    QTest::newRow("empty description")
        << ""
        << "prog" << false << noDesc << "Add Error" << int(Focus::Description);
    QTest::newRow("blank description is one") << "   "
                                              << "prog" << false << ""
                                              << "" << 0;
    QTest::newRow("blank command") << "Desc"
                                   << "   " << true << noCom << "Edit Error" << int(Focus::Command);
    QTest::newRow("section word behind blanks")
        << "  SECTION:x"
        << "prog" << false << section << "Add Error" << int(Focus::Command);
    QTest::newRow("section word in edit mode")
        << "SECTION:"
        << "prog" << true << section << "Edit Error" << int(Focus::Command);
    QTest::newRow("lower-case section word") << "section:x"
                                             << "prog" << false << ""
                                             << "" << 0;
    QTest::newRow("command checked before the section word")
        << "SECTION:x"
        << "" << false << noCom << "Add Error" << int(Focus::Command);
}

void IconEntryTest::refusals() {
    QFETCH(QString, description);
    QFETCH(QString, command);
    QFETCH(bool, editMode);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(int, focus);

    Fields f;
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

void IconEntryTest::fieldsBecomeARow() {
    const Fields f{QStringLiteral("  Spaced "),
                   QStringLiteral("  /usr/bin/prog  "),
                   QStringLiteral(" -a \"x y\" "),
                   QStringLiteral(" /tmp "),
                   QStringLiteral(" \"/opt/My Icons/a.ico\" "),
                   QStringLiteral("Hidden"),
                   QStringLiteral(" note, with comma ")};
    const ItemRow r = IconEntry::toRow(f);
    QCOMPARE(r[ColDescription], f.description);
    QCOMPARE(r[ColCommand], QStringLiteral("/usr/bin/prog"));
    QCOMPARE(r[ColParameters], f.parameters);
    QCOMPARE(r[ColStartIn], f.startIn);
    QCOMPARE(r[ColIcon], QStringLiteral("/opt/My Icons/a.ico"));
    QCOMPARE(r[ColRun], QStringLiteral("Hidden"));
    QCOMPARE(r[ColComments], f.comments);
}

void IconEntryTest::insertPosition_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("atBottom");
    QTest::addColumn<int>("expected");
    QTest::newRow("below the third row") << 5 << 2 << false << 3;
    QTest::newRow("at the bottom") << 5 << 2 << true << 5;
    QTest::newRow("empty list") << 0 << -1 << false << 0;
    QTest::newRow("no current row") << 5 << -1 << false << 5;
    QTest::newRow("below the last row") << 5 << 4 << false << 5;
}

void IconEntryTest::insertPosition() {
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(bool, atBottom);
    QFETCH(int, expected);
    QCOMPARE(IconEntry::insertPosition(count, current, atBottom), expected);
}

void IconEntryTest::browsedPathsComposeIntoTheField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("collect");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first parameter with a space")
        << ""
        << "/opt/My Files/a.txt" << true << "\"/opt/My Files/a.txt\"";
    QTest::newRow("second parameter appended")
        << "\"/opt/My Files/a.txt\""
        << "/tmp/b.txt" << true << "\"/opt/My Files/a.txt\" /tmp/b.txt";
    QTest::newRow("command replaced, unquoted")
        << "/usr/bin/old"
        << "/opt/My Apps/new" << false << "/opt/My Apps/new";
}

void IconEntryTest::browsedPathsComposeIntoTheField() {
    QFETCH(QString, field);
    QFETCH(QString, path);
    QFETCH(bool, collect);
    QFETCH(QString, expected);
    QCOMPARE(IconEntry::composeBrowsed(field, path, collect), expected);
}

void IconEntryTest::previewFollowsTheIconPath_data() {
    QTest::addColumn<QString>("name"); // inside a scratch folder; "" is the folder itself
    QTest::addColumn<bool>("quoted");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("image"); // 0 keep, 1 picture, 2 cleared

    QTest::newRow("picture") << "pic.png" << false << int(IconEntry::PreviewKind::Picture) << 1;
    QTest::newRow("quoted picture upper case")
        << "Pic Two.PNG" << true << int(IconEntry::PreviewKind::Picture) << 1;
    QTest::newRow("unreadable picture keeps the preview")
        << "broken.ico" << false << int(IconEntry::PreviewKind::Picture) << 0;
    QTest::newRow("program shows its icon")
        << "tool.exe" << false << int(IconEntry::PreviewKind::ShellIcon) << 1;
    QTest::newRow("folder shows its icon")
        << "" << false << int(IconEntry::PreviewKind::ShellIcon) << 1;
    QTest::newRow("missing path clears")
        << "missing.png" << false << int(IconEntry::PreviewKind::Clear) << 2;
}

void IconEntryTest::previewFollowsTheIconPath() {
    QFETCH(QString, name);
    QFETCH(bool, quoted);
    QFETCH(int, kind);
    QFETCH(int, image);

    QTemporaryDir dir;
    QImage pic(8, 8, QImage::Format_ARGB32);
    pic.fill(Qt::red);
    QVERIFY(pic.save(dir.filePath(QStringLiteral("pic.png"))));
    QVERIFY(pic.save(dir.filePath(QStringLiteral("Pic Two.PNG")), "PNG"));
    for (const char* junk : {"broken.ico", "tool.exe"}) {
        QFile f(dir.filePath(QLatin1String(junk)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    QString path = name.isEmpty() ? dir.path() : dir.filePath(name);
    if (quoted)
        path = QLatin1Char('"') + path + QLatin1Char('"');

    QCOMPARE(int(IconEntry::previewKind(path)), kind);
    const std::optional<QImage> img = IconEntry::previewImage(path);
    QCOMPARE(!img ? 0 : (img->isNull() ? 2 : 1), image);
}

QTEST_MAIN(IconEntryTest)
#include "tst_iconentry.moc"
