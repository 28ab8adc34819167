#include "commands/ImportController.h"

#include "commands/FileController.h"
#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/FileChecks.h"
#include "edits/Document.h"
#include "intake/BookmarkFile.h"
#include "model/SectionRow.h"

#include <QCoreApplication>
#include <climits>
#include <new>

namespace ulvanta {

namespace {
QString importErrorTitle() {
    return QCoreApplication::translate("ImportController", "Import Error");
}

} // namespace

std::optional<QString> ImportController::browse() {
    return m_prompter.chooseFile(
        {QCoreApplication::translate("ImportController", "Choose an Ulvanta File to Import"),
         FileController::fileFilter() +
             QCoreApplication::translate("ImportController",
                                         "|Bookmarks (*.html;*.htm)|*.html;*.htm"),
         QString(), false, QString()});
}

QString ImportController::sectionRowText(const QString& name) {
    return SectionRow::marker() + SectionRow::escapeName(name) + SectionRow::defaultTail();
}

QString ImportController::resultMessage(qint64 added, const QLocale& locale) {
    if (added <= 0)
        return QCoreApplication::translate("ImportController", "No items were found in the file");
    // The count only picks the plural form; the number is written with grouped
    // digits, as the user's regional settings write it.
    const int count = added > INT_MAX ? INT_MAX : int(added);
    return QCoreApplication::translate("ImportController", "%1 item(s) were successfully added",
                                       nullptr, count)
        .arg(locale.toString(added));
}

ImportController::Outcome ImportController::import(const QString& path,
                                                   const QString& sectionName) {
    ItemList& items = m_doc.items();
    const int start = items.count();
    const Outcome outcome = append(path, sectionName.trimmed());
    // Whatever was appended, the rows read before an error too, is taken back at once.
    // An import that added nothing still counts as an edit.
    if (items.count() > start || outcome == Outcome::Imported)
        m_doc.edits().push(
            insertedRowsStep(m_doc, QCoreApplication::translate("ImportController", "Import"),
                             start, items.count() - start));
    return outcome;
}

ImportController::Outcome ImportController::append(const QString& path,
                                                   const QString& sectionName) {
    if (!sectionName.isEmpty()) {
        ItemRow row;
        row[ColDescription] = sectionRowText(sectionName);
        m_doc.items().insertItem(m_doc.items().count(), row);
    }

    if (!FileChecks::fileExists(path)) {
        m_prompter.message(
            QCoreApplication::translate(
                "ImportController",
                "Could not find the file '%1'. Please check the filename and try again.")
                .arg(path),
            importErrorTitle(), PromptIcon::Exclamation);
        return Outcome::MissingFile;
    }

    const int before = m_doc.items().count();
    intake::IntakeNotes notes;
    try {
        BusyPointer busy(m_prompter);
        if (intake::isBookmarkFilePath(path)) {
            intake::IntakeResult read = intake::readBookmarkFile(path);
            notes = read.notes;
            m_doc.items().appendItems(std::move(read.rows));
        } else {
            m_doc.importItems(path);
        }
    } catch (const Error& e) {
        m_prompter.message(ErrorMessages::importError(path, e), importErrorTitle(),
                           PromptIcon::Critical);
        return Outcome::Failed;
    } catch (const std::bad_alloc&) {
        m_prompter.message(ErrorMessages::importError(path, Error(Error::OutOfMemory)),
                           importErrorTitle(), PromptIcon::Critical);
        return Outcome::Failed;
    }
    QString result = resultMessage(m_doc.items().count() - before);
    if (const QString said = notes.text(QStringLiteral("\n")); !said.isEmpty())
        result += QLatin1Char('\n') + said;
    m_prompter.message(result, QCoreApplication::translate("ImportController", "Import Result"),
                       PromptIcon::Information);
    return Outcome::Imported;
}

} // namespace ulvanta
