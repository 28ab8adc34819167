#include "ScriptedPrompter.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmImport.h"
#include "dialogs/frmReplace.h"
#include "dialogs/frmSwap.h"
#include "document/Document.h"
#include "document/ImportCommand.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace ulvanta;
using test::ScriptedPrompter;

namespace {
QString captionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return w->windowTitle();
}

ItemRow icon(const QString& desc, const QString& command) {
    ItemRow r;
    r[ColDescription] = desc;
    r[ColCommand] = command;
    return r;
}
} // namespace

class ToolDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void showsItsCaptions_data();
    void showsItsCaptions();
    void replaceOpensEmptyAndReadsTheChosenColumns();
    void replaceAllKeepsTheDialogOpen();
    void replaceSelectsTheWholeTextOnEntry();
    void replaceCancelClosesAndDiscards();
    void swapKeepsTheSecondColumnOffTheFirst();
    void swapRunsOnOkOnly_data();
    void swapRunsOnOkOnly();
    void importBrowsesAndStaysOpen();
    void aboutShowsTheProgramsData();
};

void ToolDialogsTest::showsItsCaptions_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char* d, const char* o, const char* c) {
        QTest::addRow("%s %s", d, o)
            << QString::fromLatin1(d) << QString::fromLatin1(o) << QString::fromLatin1(c);
    };
    row("frmReplace", "frmReplace", "Replace");
    row("frmReplace", "lblFind", "Fi&nd what:");
    row("frmReplace", "lblReplace", "Re&place with:");
    row("frmReplace", "chkCase", "Match &case");
    row("frmReplace", "fraColumns", "Replace in Columns");
    row("frmReplace", "chkDescription", "&Description");
    row("frmReplace", "chkCommand", "Co&mmand");
    row("frmReplace", "chkParameters", "Parame&ters");
    row("frmReplace", "chkStartIn", "&Start In");
    row("frmReplace", "chkIcon", "&Icon");
    row("frmReplace", "chkComments", "C&omments");
    row("frmReplace", "cmdReplace", "Replace &All");
    row("frmReplace", "cmdCancel", "Cancel");
    row("frmSwap", "frmSwap", "Swap Columns");
    row("frmSwap", "optSwap0", "S&wap Columns");
    row("frmSwap", "optSwap1", "Mo&ve Column");
    row("frmSwap", "optSwap2", "&Copy Column");
    row("frmSwap", "fraFC", "First Column");
    row("frmSwap", "optFC0", "&Description");
    row("frmSwap", "optFC1", "C&ommand");
    row("frmSwap", "optFC2", "&Parameters");
    row("frmSwap", "optFC3", "S&tart in");
    row("frmSwap", "optFC4", "&Icon");
    row("frmSwap", "optFC5", "Comm&ents");
    row("frmSwap", "fraSC", "Second Column");
    row("frmSwap", "optSC0", "Desc&ription");
    row("frmSwap", "optSC1", "Co&mmand");
    row("frmSwap", "optSC2", "P&arameters");
    row("frmSwap", "optSC3", "Start& in");
    row("frmSwap", "optSC4", "Ico&n");
    row("frmSwap", "optSC5", "Comment&s");
    row("frmSwap", "cmdOK", "OK");
    row("frmSwap", "cmdCancel", "Cancel");
    row("frmImport", "frmImport", "Import Ulvanta File Items");
    row("frmImport", "lblFile", "&File name:");
    row("frmImport", "cmdBrowse", "...");
    row("frmImport", "lblSection", "New &section name (optional):");
    row("frmImport", "cmdImport", "Import");
    row("frmImport", "cmdClose", "Close");
}

void ToolDialogsTest::showsItsCaptions() {
    QFETCH(QString, dialog);
    QFETCH(QString, object);
    QFETCH(QString, caption);
    Document doc;
    ScriptedPrompter p;
    ImportCommand import(doc, p);
    std::unique_ptr<QDialog> d;
    if (dialog == QLatin1String("frmReplace"))
        d = std::make_unique<frmReplace>(doc, nullptr);
    else if (dialog == QLatin1String("frmSwap"))
        d = std::make_unique<frmSwap>(doc, nullptr);
    else
        d = std::make_unique<frmImport>(import, nullptr);
    d->setAttribute(Qt::WA_DeleteOnClose, false);
    QWidget* w = d->objectName() == object ? d.get() : d->findChild<QWidget*>(object);
    QVERIFY2(w, qPrintable(object));
    QCOMPARE(captionOf(w), caption);
}

void ToolDialogsTest::replaceOpensEmptyAndReadsTheChosenColumns() {
    Document doc;
    frmReplace dlg(doc, nullptr);
    dlg.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(!dlg.isModal());
    QVERIFY(dlg.txtFind->text().isEmpty());
    QVERIFY(dlg.txtReplace->text().isEmpty());
    for (QCheckBox* b : dlg.findChildren<QCheckBox*>())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    QVERIFY(dlg.cmdReplace->isDefault());
    QVERIFY(dlg.request().columns.empty());

    dlg.txtFind->setText(QStringLiteral(" a "));
    dlg.txtReplace->setText(QStringLiteral("b "));
    dlg.chkCase->setChecked(true);
    dlg.chkComments->setChecked(true);
    dlg.chkDescription->setChecked(true);
    dlg.chkStartIn->setTristate(true);
    dlg.chkStartIn->setCheckState(Qt::PartiallyChecked); // greyed counts as unchecked
    const ReplaceRequest r = dlg.request();
    QCOMPARE(r.find, QStringLiteral(" a "));
    QCOMPARE(r.replacement, QStringLiteral("b "));
    QVERIFY(r.matchCase);
    QCOMPARE(r.columns, (std::vector<int>{ColDescription, ColComments}));
}

void ToolDialogsTest::replaceAllKeepsTheDialogOpen() {
    Document doc;
    doc.items().appendItems({icon(QStringLiteral("Notepad"), QStringLiteral("NOTEPAD.EXE"))});
    frmReplace dlg(doc, nullptr);
    dlg.setAttribute(Qt::WA_DeleteOnClose, false);
    dlg.show();
    QSignalSpy replaced(&dlg, &frmReplace::replaced);
    dlg.cmdReplace->click(); // no column chosen: nothing happens
    QCOMPARE(replaced.count(), 0);
    QVERIFY(!doc.Changed);

    dlg.txtFind->setText(QStringLiteral("notepad"));
    dlg.txtReplace->setText(QStringLiteral("wordpad"));
    dlg.chkCommand->setChecked(true);
    dlg.cmdReplace->click();
    QCOMPARE(doc.items().cell(0, ColCommand), QStringLiteral("wordpad.EXE"));
    QCOMPARE(doc.items().cell(0, ColDescription), QStringLiteral("Notepad"));
    QVERIFY(doc.Changed);
    QCOMPARE(replaced.count(), 1);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.txtFind->text(), QStringLiteral("notepad"));
    QVERIFY(dlg.chkCommand->isChecked());
}

void ToolDialogsTest::replaceSelectsTheWholeTextOnEntry() {
    Document doc;
    frmReplace dlg(doc, nullptr);
    dlg.setAttribute(Qt::WA_DeleteOnClose, false);
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    for (QLineEdit* e : {dlg.txtFind, dlg.txtReplace}) {
        e->setText(QStringLiteral("some text"));
        e->deselect();
        dlg.chkCase->setFocus();
        e->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(e->selectedText(), QStringLiteral("some text"));
    }
}

void ToolDialogsTest::replaceCancelClosesAndDiscards() {
    Document doc;
    QPointer<frmReplace> dlg = new frmReplace(doc, nullptr);
    dlg->show();
    dlg->cmdCancel->click();
    QTRY_VERIFY(dlg.isNull());
}

void ToolDialogsTest::swapKeepsTheSecondColumnOffTheFirst() {
    Document doc;
    frmSwap dlg(doc, nullptr);
    const auto checkedSecond = [&] {
        for (int i = 0; i < SwapColumnCount; ++i)
            if (dlg.optSC[size_t(i)]->isChecked())
                return i;
        return -1;
    };
    const auto disabledSecond = [&] {
        QList<int> off;
        for (int i = 0; i < SwapColumnCount; ++i)
            if (!dlg.optSC[size_t(i)]->isEnabled())
                off << i;
        return off;
    };
    QVERIFY(dlg.optSwap[0]->isChecked());
    QVERIFY(dlg.optFC[0]->isChecked());
    QCOMPARE(checkedSecond(), 1);
    QCOMPARE(disabledSecond(), QList<int>{0});
    QVERIFY(dlg.cmdOK->isDefault());

    dlg.optFC[1]->click(); // Command first while Command is second
    QCOMPARE(checkedSecond(), 0);
    QCOMPARE(disabledSecond(), QList<int>{1});
    dlg.optFC[0]->click(); // Description first while Description is second
    QCOMPARE(checkedSecond(), 1);
    QCOMPARE(disabledSecond(), QList<int>{0});
    dlg.optSC[4]->click();
    dlg.optFC[2]->click();
    QCOMPARE(checkedSecond(), 4);
    QCOMPARE(disabledSecond(), QList<int>{2});
    dlg.optSwap[2]->click();
    QCOMPARE(dlg.choice().operation(), ColumnOperation::Copy);
    QCOMPARE(dlg.choice().first(), 2);
    QCOMPARE(dlg.choice().second(), 4);
}

void ToolDialogsTest::swapRunsOnOkOnly_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void ToolDialogsTest::swapRunsOnOkOnly() {
    QFETCH(bool, ok);
    Document doc;
    doc.items().appendItems({icon(QStringLiteral("Editor"), QStringLiteral("C:\\ed.exe"))});
    frmSwap dlg(doc, nullptr);
    dlg.optSwap[1]->click(); // move Description to Command
    (ok ? dlg.cmdOK : dlg.cmdCancel)->click();
    QCOMPARE(dlg.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(doc.items().cell(0, ColCommand),
             ok ? QStringLiteral("Editor") : QStringLiteral("C:\\ed.exe"));
    QCOMPARE(doc.items().cell(0, ColDescription), ok ? QString() : QStringLiteral("Editor"));
    QCOMPARE(doc.Changed, ok);
}

void ToolDialogsTest::importBrowsesAndStaysOpen() {
    Document doc;
    ScriptedPrompter p;
    ImportCommand import(doc, p);
    frmImport dlg(import, nullptr);
    QVERIFY(dlg.txtFile->text().isEmpty());
    QVERIFY(dlg.txtSection->text().isEmpty());
    p.files.push_back(QStringLiteral("/docs/apps.pmf"));
    dlg.cmdBrowse->click();
    QCOMPARE(dlg.txtFile->text(), QStringLiteral("/docs/apps.pmf"));
    p.files.push_back(std::nullopt);
    dlg.cmdBrowse->click(); // cancelled: the path stays
    QCOMPARE(dlg.txtFile->text(), QStringLiteral("/docs/apps.pmf"));

    dlg.show();
    dlg.txtSection->setText(QStringLiteral(" Games "));
    QSignalSpy imported(&dlg, &frmImport::imported);
    dlg.cmdImport->click(); // no such file: the section row is added, the message shown
    QCOMPARE(imported.count(), 1);
    QCOMPARE(p.messages.size(), 1);
    QCOMPARE(p.messages[0].title, QStringLiteral("Import Error"));
    QCOMPARE(doc.items().count(), 1);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.txtSection->text(), QStringLiteral(" Games "));
    QCOMPARE(dlg.txtFile->text(), QStringLiteral("/docs/apps.pmf"));
    dlg.cmdClose->click();
    QVERIFY(!dlg.isVisible());
}

void ToolDialogsTest::aboutShowsTheProgramsData() {
    frmAbout dlg(nullptr);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("About Ulvanta Editor"));
    QCOMPARE(dlg.lblTitle->text(), QStringLiteral("Ulvanta Editor"));
    QCOMPARE(dlg.lblVersion->text(), QStringLiteral("Version 3.3.13"));
    QVERIFY(dlg.lblTitle->font().families().contains(QStringLiteral("Verdana")));
    QVERIFY(!dlg.lblDescription->text().isEmpty());
    QVERIFY(!dlg.lblCompany->text().isEmpty());
    QVERIFY(!dlg.picIcon->pixmap().isNull());
    dlg.show();
    dlg.cmdOK->click();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(!dlg.isVisible());
}

QTEST_MAIN(ToolDialogsTest)
#include "tst_tool_dialogs.moc"
