#include "ScriptedPrompter.h"
#include "app/frmPME.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

using namespace ulvanta;

namespace {
QString helpDir() {
    return qEnvironmentVariable("ULVANTA_BIN") + QStringLiteral("/help");
}

QString readPage(const QString& name) {
    QFile f(helpDir() + QLatin1Char('/') + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString plainText(const QString& html) {
    QTextDocument d;
    d.setHtml(html);
    return d.toPlainText();
}
} // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT
private slots:
    void everyLinkLeadsToAPageOfTheHelp_data();
    void everyLinkLeadsToAPageOfTheHelp();
    void everyPageIsReachableFromTheContents();
    void everyMenuCommandIsDescribed();
};

void HelpPagesTest::everyLinkLeadsToAPageOfTheHelp_data() {
    QTest::addColumn<QString>("page");
    const QStringList pages = QDir(helpDir()).entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY2(pages.contains(QStringLiteral("index.html")), qPrintable(helpDir()));
    for (const QString& p : pages)
        QTest::newRow(qPrintable(p)) << p;
}

void HelpPagesTest::everyLinkLeadsToAPageOfTheHelp() {
    QFETCH(QString, page);
    const QString html = readPage(page);
    QVERIFY(QRegularExpression(QStringLiteral("<title>[^<]+</title>")).match(html).hasMatch());
    static const QRegularExpression href(QStringLiteral("<a href=\"([^\"]*)\""));
    for (auto it = href.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        QVERIFY2(!target.contains(QLatin1Char(':')), qPrintable(page + ": " + target));
        const QString file = target.section(QLatin1Char('#'), 0, 0);
        const QString anchor = target.section(QLatin1Char('#'), 1);
        const QString linked = readPage(file.isEmpty() ? page : file);
        QVERIFY2(!linked.isEmpty(), qPrintable(page + ": " + target));
        if (!anchor.isEmpty())
            QVERIFY2(linked.contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                     qPrintable(page + ": " + target));
    }
}

void HelpPagesTest::everyPageIsReachableFromTheContents() {
    QStringList seen{QStringLiteral("index.html")};
    static const QRegularExpression href(QStringLiteral("<a href=\"([^\"#]+)"));
    for (int i = 0; i < seen.size(); ++i) {
        for (auto it = href.globalMatch(readPage(seen[i])); it.hasNext();) {
            const QString file = it.next().captured(1);
            if (file.endsWith(QLatin1String(".html")) && !seen.contains(file))
                seen << file;
        }
    }
    QStringList pages = QDir(helpDir()).entryList({QStringLiteral("*.html")}, QDir::Files);
    pages.sort();
    seen.sort();
    QCOMPARE(seen, pages);
}

void HelpPagesTest::everyMenuCommandIsDescribed() {
    test::ScriptedPrompter prompter;
    frmPME w(&prompter);
    const QString menus = plainText(readPage(QStringLiteral("menus.html")));
    int commands = 0;
    for (QAction* a : w.findChildren<QAction*>()) {
        if (!a->objectName().startsWith(QLatin1String("mnu")))
            continue;
        QString caption = a->text();
        caption.remove(QLatin1Char('&'));
        QVERIFY2(menus.contains(caption), qPrintable(caption));
        if (!a->shortcut().isEmpty())
            QVERIFY2(menus.contains(a->shortcut().toString(QKeySequence::PortableText)),
                     qPrintable(caption));
        ++commands;
    }
    QCOMPARE(commands, 23);
}

QTEST_MAIN(HelpPagesTest)
#include "tst_help_pages.moc"
