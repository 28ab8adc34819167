#include "document/Document.h"

#include <QSignalSpy>
#include <QtTest>

using namespace ulvanta;

class TestProperties : public QObject {
    Q_OBJECT
private slots:
    void defaultsAfterStart();
    void sortedByName();
    void getProp_data();
    void getProp();
    void htmlPreview_data();
    void htmlPreview();
    void readAndWriteByName();
    void refillEmptiesHeaderAndFooter();
};

void TestProperties::defaultsAfterStart() {
    Document d;
    d.Propulate();
    QCOMPARE(d.props().count(), 36);
    QCOMPARE(d.props().name(0), QString("(HTML File)"));
    QCOMPARE(d.props().setting(0), QString());
    QCOMPARE(d.ReadProp("Title"), QString("New File 1"));
    QCOMPARE(d.ReadProp("Width"), QString("492"));
    QCOMPARE(d.ReadProp("Icons above"), QString("True"));
}

void TestProperties::sortedByName() {
    Document d;
    d.Propulate();
    for (int i = 1; i < d.props().count(); ++i)
        QVERIFY2(d.props().name(i - 1).compare(d.props().name(i), Qt::CaseInsensitive) < 0,
                 qPrintable(d.props().name(i)));
    QCOMPARE(d.props().rowOf("Icon") + 1, d.props().rowOf("Icon size"));
}

void TestProperties::getProp_data() {
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("sub");
    QTest::addColumn<QString>("value");
    QTest::newRow("first name") << 1 << 1 << "Background colour";
    QTest::newRow("first key") << 1 << 3 << "P_BACK_C";
    QTest::newRow("last key") << 36 << 3 << "P_SHOW_R";
    QTest::newRow("title default follows NextNew") << 25 << 2 << "New File 7";
    QTest::newRow("html file") << 35 << 1 << "(HTML File)";
    QTest::newRow("beyond the table") << 37 << 1 << "";
    QTest::newRow("zero") << 0 << 2 << "";
    QTest::newRow("unknown sub item") << 1 << 4 << "";
}

void TestProperties::getProp() {
    QFETCH(int, pos);
    QFETCH(int, sub);
    QFETCH(QString, value);
    Document d;
    d.NextNew = 7;
    QCOMPARE(d.GetProp(pos, sub), value);
}

void TestProperties::htmlPreview_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("shown");
    QTest::newRow("49 shown whole") << 49 << QString(49, 'x');
    QTest::newRow("50 cut with dots") << 50 << QString(50, 'x') + "...";
    QTest::newRow("51 cut with dots") << 51 << QString(50, 'x') + "...";
}

void TestProperties::htmlPreview() {
    QFETCH(int, length);
    QFETCH(QString, shown);
    Document d;
    d.Propulate();
    const QString text(length, 'x');
    d.WriteProp("Header HTML", text);
    QCOMPARE(d.props().setting(d.props().rowOf("Header HTML")), shown);
    QCOMPARE(d.ReadProp("Header HTML"), text);
    QCOMPARE(d.HeaderHTML, text);
}

void TestProperties::readAndWriteByName() {
    Document d;
    d.Propulate();
    d.WriteProp("Title", "Tom & Jerry <é>");
    QCOMPARE(d.ReadProp("Title", true), QString("Tom & Jerry <é>"));
    QCOMPARE(d.ReadProp("Title"), QString("Tom &amp; Jerry &lt;&#233;&gt;"));
    d.WriteProp("Footer HTML", "<b>&</b>");
    QCOMPARE(d.ReadProp("Footer HTML"), QString("<b>&</b>")); // never converted
    QCOMPARE(d.ReadProp("No such"), QString());
    QCOMPARE(d.ReadProp("title"), QString()); // names are case-sensitive
    d.WriteProp("No such", "x");
    d.WriteProp("title", "x");
    QCOMPARE(d.ReadProp("Title", true), QString("Tom & Jerry <é>"));
}

void TestProperties::refillEmptiesHeaderAndFooter() {
    Document d;
    d.Propulate();
    QSignalSpy refilled(&d, &Document::propertiesRefilled);
    d.WriteProp("Header HTML", "h");
    d.WriteProp("Footer HTML", "f");
    d.WriteProp("Columns", "3");
    d.Propulate();
    QCOMPARE(refilled.count(), 1);
    QCOMPARE(d.ReadProp("Header HTML"), QString());
    QCOMPARE(d.props().setting(d.props().rowOf("Footer HTML")), QString());
    QCOMPARE(d.ReadProp("Columns"), QString("5"));
}

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_properties.moc"
