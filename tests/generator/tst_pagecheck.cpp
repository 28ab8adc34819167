#include "NamedSetting.h"
#include "TestFiles.h"
#include "cli/OnlineCheck.h"
#include "edits/Document.h"
#include "generator/PageCheck.h"
#include "generator/PageWatch.h"
#include "generator/ProblemList.h"

#include <QIcon>
#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace ulvanta;
using Cells = QList<QStringList>; // command, run, start in, icon (a section: its text)
using Settings = QHash<QString, QString>;

// What a page relies on, found missing without building it: each case gives the
// rows and the settings that differ, and the problems expected as "row:column".
class TestPageCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const auto exe = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QVERIFY(test::writeFile(path("bin/tool"), "#!/bin/sh\n"));
        QVERIFY(QFile::setPermissions(path("bin/tool"), exe));
        QVERIFY(test::writeFile(path("script"), "#!/bin/sh\n"));
        QVERIFY(test::writeFile(path("broken"), "#!/no/such/sh -e\n"));
        QVERIFY(QFile::setPermissions(path("broken"), exe));
        QVERIFY(test::writeFile(path("notes.png"), "not a picture"));
        QVERIFY(test::writeFile(path("doc.txt"), "text"));
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path("good.png")));
        qputenv("PATH", path("bin").toLocal8Bit());
    }

    void check_data() {
        QTest::addColumn<Cells>("rows");
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QStringList>("expected");
        const QString n = "Normal Window", h = "Hyperlink";
        QTest::newRow("programs in PATH, folders and documents are fine")
            << Cells{{"tool", n}, {"sub", n}, {"doc.txt", n}, {"file:doc.txt", n}} << Settings{}
            << QStringList{};
        QTest::newRow("a program not in PATH, a missing file")
            << Cells{{"no-such-program", n}, {"sub/gone", n}} << Settings{}
            << QStringList{"1:Command", "2:Command"};
        QTest::newRow("a script without execute bit, a broken interpreter")
            << Cells{{"script", n}, {"broken", n}} << Settings{}
            << QStringList{"1:Command", "2:Command"};
        QTest::newRow("section rows are counted")
            << Cells{{"SECTION:Tools"}, {"no-such-program", n}} << Settings{}
            << QStringList{"2:Command"};
        QTest::newRow("addresses need a scheme and none the launcher refuses")
            << Cells{{"https://example.org/", h}, {"mailto:a@b.c", h}, {"example.org", h},
                     {"pm:page2.htm", h},         {"pmc:exit", n},     {"javascript:x()", n}}
            << Settings{} << QStringList{"3:Command", "4:Command", "5:Command", "6:Command"};
        QTest::newRow("start in must be a folder")
            << Cells{{"tool", n, "sub"}, {"tool", n, "old"}, {"tool", n, "doc.txt"}} << Settings{}
            << QStringList{"2:Start In", "3:Start In"};
        QTest::newRow("icons: pictures must read, others must exist")
            << Cells{{"tool", n, "", "good.png"},
                     {"tool", n, "", "notes.png"},
                     {"tool", n, "", "doc.txt"},
                     {"tool", n, "", "gone.ico"},
                     {"tool", n, "", "gone.exe"}}
            << Settings{} << QStringList{"2:Icon", "4:Icon", "5:Icon"};
        QTest::newRow("page pictures and the page's folder")
            << Cells{}
            << Settings{{"Background picture", "%D/notes.png"},
                        {"Icon", "%D/good.png"},
                        {"(HTML File)", "%D/old/page.htm"}}
            << QStringList{"0:Background picture", "0:(HTML File)"};
    }

    void check() {
        QFETCH(Cells, rows);
        QFETCH(Settings, settings);
        QFETCH(QStringList, expected);
        QDir(dir.path()).mkdir("sub");
        Document doc;
        doc.resetProperties();
        doc.setSetting(Setting::HtmlFile, path("page.htm"));
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            test::setNamedSetting(doc,
                                  it.key() + "=" + QString(it.value()).replace("%D", dir.path()));
        std::vector<ItemRow> items;
        for (const QStringList& c : rows)
            items.push_back(c.size() == 1
                                ? ItemRow{c[0]}
                                : ItemRow{"Item", c[0], {}, c.value(2), c.value(3), c[1]});
        doc.items().appendItems(items);
        QStringList found;
        const PageCheck::Input page = PageCheck::inputOf(doc);
        const std::vector<PageProblem> problems = PageCheck::check(page);
        for (const PageProblem& p : problems) {
            QVERIFY(!p.message.isEmpty());
            found << QString("%1:%2").arg(p.row).arg(p.column);
        }
        QCOMPARE(found, expected);

        // Each line of the panel leads to its row's cell or its setting, which bears
        // the message; a check that found nothing says so.
        ProblemList list;
        list.setLocalResult(ProblemList::resultOf(problems, page.rows));
        QCOMPARE(list.rowCount(), std::max<int>(1, int(expected.size())));
        if (expected.isEmpty())
            QCOMPARE(list.index(0, 0).data().toString(), "No problems found");
        for (int i = 0; i < list.lineCount(); ++i) {
            const PageProblem& p = problems[size_t(i)];
            const EditPlace at = list.place(i, doc.props()).value();
            if (p.setting) {
                QCOMPARE(at.tab, EditTab::Properties);
                QCOMPARE(doc.props().name(at.current), p.column);
                continue;
            }
            QCOMPARE(at.tab, EditTab::Icons);
            QCOMPARE(list.index(i, 0).data(), doc.items().index(at.current, 0).data());
            int column = 0;
            while (ItemList::header(column) != p.column)
                ++column;
            QVERIFY(list.note(at.current, column).contains(p.message));
        }
    }

    // While watched, the problems follow the edits, and the list marks the cells at
    // fault: never a row the problem is not on. A web address's answer stays until
    // rows move.
    void watchKeepsProblemsCurrent_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("expected"); // as "row:column", lines and marks alike
        QTest::newRow("command fixed") << "fix" << QStringList{"2:Command"};
        QTest::newRow("row added above") << "insert" << QStringList{"2:Command"};
        QTest::newRow("start in broken")
            << "startIn" << QStringList{"1:Command", "1:Start In", "2:Command"};
        QTest::newRow("row removed") << "remove" << QStringList{};
    }

    void watchKeepsProblemsCurrent() {
        QFETCH(QString, edit);
        Document doc;
        doc.resetProperties();
        doc.setSetting(Setting::HtmlFile, path("page.htm"));
        ItemList& items = doc.items();
        items.appendItems({{"Item", "no-such-program", {}, {}, {}, "Normal Window"},
                           {"Web", "https://example.org/", {}, {}, {}, "Hyperlink"}});
        ProblemList list;
        PageWatch watch(doc, list, QIcon());
        watch.setDelay(0);
        QSignalSpy checked(&watch, &PageWatch::checked);
        watch.setActive(true);
        QVERIFY(checked.wait());
        QCOMPARE(list.lineCount(), 1);
        QVERIFY(!items.note(0, ColCommand).isEmpty());
        list.setOnlineLines(ProblemList::linesOf({{2, std::nullopt, "Command", "answers 404"}},
                                                 PageCheck::inputOf(doc).rows));

        if (edit == "fix")
            items.setCell(0, ColCommand, "tool");
        else if (edit == "insert")
            items.insertItem(0, {"Fine", "tool", {}, {}, {}, "Normal Window"});
        else if (edit == "startIn")
            items.setCell(0, ColStartIn, "old");
        else
            items.removeItems(0, 1);
        for (int r = 0; r < items.count(); ++r)
            QVERIFY(edit != "insert" || items.note(r, ColCommand).isEmpty());
        QVERIFY(checked.wait());

        QStringList lines, marks;
        for (int i = 0; i < list.lineCount(); ++i)
            lines
                << QString("%1:%2").arg(list.line(i).problem.row).arg(list.line(i).problem.column);
        for (int r = 0; r < items.count(); ++r)
            for (int c = ColCommand; c < ItemColumnCount; ++c)
                if (!items.note(r, c).isEmpty() &&
                    items.index(r, c).data(Qt::ToolTipRole).toString().contains(items.note(r, c)))
                    marks << QString("%1:%2").arg(r + 1).arg(ItemList::header(c));
        QFETCH(QStringList, expected);
        QCOMPARE(lines, expected);
        QCOMPARE(marks, expected);
        watch.setActive(false);
        QVERIFY(items.note(0, ColCommand).isEmpty() || items.isEmpty());
    }

    void webAddressAnswers() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        connect(&server, &QTcpServer::newConnection, this, [&server] {
            QTcpSocket* s = server.nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [s] {
                const QByteArray request = s->readAll();
                const QByteArray status = request.contains("/gone")            ? "404 Not Found"
                                          : request.startsWith("HEAD /nohead") ? "405 No"
                                          : request.contains("/silent")        ? ""
                                                                               : "200 OK";
                if (!status.isEmpty())
                    s->write("HTTP/1.1 " + status + "\r\nContent-Length: 0\r\n\r\n");
            });
        });
        const QString base = QString("http://127.0.0.1:%1/").arg(server.serverPort());
        std::vector<PageAddress> addresses;
        for (const char* name : {"ok", "gone", "nohead", "silent"})
            addresses.push_back({int(addresses.size()) + 1, "Command", base + name});
        QStringList found;
        for (const PageProblem& p : checkWebAddresses(addresses, 500))
            found << QString("%1:%2").arg(p.row).arg(p.message.contains("404"));
        QCOMPARE(found, (QStringList{"2:1", "4:0"}));
    }

private:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestPageCheck)
#include "tst_pagecheck.moc"
