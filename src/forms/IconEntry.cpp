#include "forms/IconEntry.h"

#include "components/DesktopIcons.h"
#include "components/FileChecks.h"
#include "edits/Document.h"
#include "model/SectionRow.h"

#include <QCoreApplication>
#include <QImageReader>

namespace ulvanta::IconEntry {

QString withoutQuotes(const QString& text) {
    QString s = text;
    s.remove(QLatin1Char('"'));
    return s;
}

ItemRow toRow(const Fields& f) {
    ItemRow r;
    r[ColDescription] = f.description;
    r[ColCommand] = f.command.trimmed();
    r[ColParameters] = f.parameters;
    r[ColStartIn] = f.startIn;
    r[ColIcon] = withoutQuotes(f.icon).trimmed();
    r[ColRun] = f.run;
    r[ColComments] = f.comments;
    return r;
}

Fields fromRow(const ItemRow& row) {
    return {row[ColDescription], row[ColCommand], row[ColParameters], row[ColStartIn],
            row[ColIcon],        row[ColRun],     row[ColComments]};
}

std::optional<Refusal> validate(const Fields& f, bool editMode) {
    const QString title = editMode ? QCoreApplication::translate("IconEntry", "Edit Error")
                                   : QCoreApplication::translate("IconEntry", "Add Error");
    // A description of blanks is a description; only nothing at all is refused.
    if (f.description.isEmpty())
        return Refusal{
            QCoreApplication::translate("IconEntry", "You must enter a description for this icon"),
            title, Focus::Description};
    if (f.command.trimmed().isEmpty())
        return Refusal{
            QCoreApplication::translate("IconEntry", "You must enter a command for this icon"),
            title, Focus::Command};
    // An icon must never read as a section row, even behind leading blanks.
    if (SectionRow::isSection(f.description.trimmed()))
        return Refusal{QCoreApplication::translate(
                           "IconEntry", "The description cannot start with the word 'SECTION:'"),
                       title, Focus::Command};
    return std::nullopt;
}

int insertPosition(int count, int currentRow, bool addAtBottom) {
    if (count > 0 && !addAtBottom && currentRow >= 0 && currentRow < count)
        return currentRow + 1;
    return count;
}

Outcome confirm(Document& doc, Prompter& prompter, const Fields& f, bool editMode, int currentRow,
                bool addAtBottom) {
    if (const auto refusal = validate(f, editMode)) {
        prompter.message(refusal->text, refusal->title, PromptIcon::Exclamation, PromptButtons::Ok,
                         PromptAnswer::Ok);
        return {false, refusal->focus, -1};
    }
    const ItemList& items = doc.items();
    Outcome out;
    if (editMode) {
        if (currentRow < 0 || currentRow >= items.count())
            return out;
        doc.edits().push(replaceRowStep(doc, QCoreApplication::translate("IconEntry", "Edit Icon"),
                                        currentRow, toRow(f)));
        out.row = currentRow;
    } else {
        out.row = insertPosition(items.count(), currentRow, addAtBottom);
        EditStepPtr step = insertRowsStep(doc, QCoreApplication::translate("IconEntry", "Add Icon"),
                                          out.row, {toRow(f)});
        step->setCurrentBefore(currentRow < items.count() ? currentRow : -1);
        doc.edits().push(std::move(step));
        out.focus = Focus::Description;
        doc.requestActionUpdate();
    }
    out.written = true;
    return out;
}

BrowseTarget browseTarget(Browse b) {
    switch (b) {
    case Browse::CommandFile:
        return {false, QCoreApplication::translate("IconEntry", "Browse for Command"),
                QCoreApplication::translate(
                    "IconEntry", "All Executables (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|"
                                 "Application (*.exe)|*.exe|MS-DOS Application (*.com)|*.com|"
                                 "MS-DOS Batch File (*.bat)|*.bat|"),
                false};
    case Browse::CommandFolder:
        return {true,
                QCoreApplication::translate("IconEntry", "&Choose a Drive/Folder for the command:"),
                {},
                false};
    case Browse::ParamFile:
        return {false, QCoreApplication::translate("IconEntry", "Browse for Parameter"), {}, true};
    case Browse::ParamFolder:
        return {
            true,
            QCoreApplication::translate("IconEntry", "&Choose a Drive/Folder for the parameters:"),
            {},
            true};
    case Browse::StartInFolder:
        return {true,
                QCoreApplication::translate("IconEntry", "&Choose a Start In Drive/Folder:"),
                {},
                false};
    case Browse::IconFile:
        return {false, QCoreApplication::translate("IconEntry", "Choose an Icon"),
                QCoreApplication::translate(
                    "IconEntry",
                    "All Icons (*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe)|"
                    "*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe|"
                    "Icon (*.ico)|*.ico|Bitmap Image (*.bmp)|*.bmp|"
                    "GIF Image (*.gif)|*.gif|"
                    "JPEG Images (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|"
                    "Application (*.exe)|*.exe|"),
                false};
    case Browse::IconFolder:
        return {true,
                QCoreApplication::translate("IconEntry", "&Choose a Drive/Folder for the icon:"),
                {},
                false};
    }
    return {};
}

QString composeBrowsed(const QString& fieldText, const QString& path, bool collect) {
    if (!collect)
        return path;
    const QString s =
        path.contains(QLatin1Char(' ')) ? QLatin1Char('"') + path + QLatin1Char('"') : path;
    return fieldText.isEmpty() ? s : fieldText + QLatin1Char(' ') + s;
}

QString chooseFile(Prompter& prompter, const QString& title, const QString& pattern) {
    FileRequest request;
    request.title = title;
    request.filter = pattern + QCoreApplication::translate("IconEntry", "All Files (*.*)|*.*");
    const std::optional<QString> chosen = prompter.chooseFile(request);
    return chosen.value_or(QString());
}

PreviewKind previewKind(const QString& iconText) {
    const QString p = withoutQuotes(iconText);
    if (FileChecks::fileExists(p)) {
        static const QStringList pictures = {QStringLiteral("bmp"),  QStringLiteral("gif"),
                                             QStringLiteral("jpeg"), QStringLiteral("jpg"),
                                             QStringLiteral("jpe"),  QStringLiteral("jfif"),
                                             QStringLiteral("ico"),  QStringLiteral("png")};
        const QString ext = p.mid(p.lastIndexOf(QLatin1Char('.')) + 1).toLower();
        return pictures.contains(ext) ? PreviewKind::Picture : PreviewKind::ShellIcon;
    }
    if (FileChecks::pathKind(p) == FileChecks::PathOther || FileChecks::folderExists(p))
        return PreviewKind::ShellIcon;
    return PreviewKind::Clear;
}

std::optional<QImage> previewImage(const QString& iconText) {
    const QString p = withoutQuotes(iconText);
    switch (previewKind(iconText)) {
    case PreviewKind::Picture: {
        QImageReader reader(p);
        reader.setDecideFormatFromContent(true);
        QImage img = reader.read();
        if (img.isNull())
            return std::nullopt; // unreadable: keep what the preview shows
        return img;
    }
    case PreviewKind::ShellIcon: {
        QImage img = DesktopIcons::largeIcon(p);
        if (img.isNull())
            return std::nullopt;
        return img;
    }
    case PreviewKind::Clear:
        break;
    }
    return QImage();
}

} // namespace ulvanta::IconEntry
