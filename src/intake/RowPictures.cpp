#include "intake/RowPictures.h"

#include "components/DesktopIcons.h"
#include "components/FileChecks.h"
#include "intake/DesktopEntry.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace ulvanta::intake {

namespace {

// The Icon field's extensions the page shows as they are, without extracting.
bool isPageImage(const QString& path) {
    static const QStringList images = {QStringLiteral("bmp"),  QStringLiteral("gif"),
                                       QStringLiteral("jpeg"), QStringLiteral("jpg"),
                                       QStringLiteral("jpe"),  QStringLiteral("jfif"),
                                       QStringLiteral("ico"),  QStringLiteral("png")};
    return images.contains(QFileInfo(path).suffix().toLower());
}

bool namesSomething(const QString& path) {
    return FileChecks::fileExists(path) || FileChecks::folderExists(path) ||
           FileChecks::pathKind(path) == FileChecks::PathOther;
}

bool isAddress(const QString& command) {
    return command.contains(QLatin1String("://")) ||
           command.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
           command.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

} // namespace

RowPictures::RowPictures(IconLookup::Places places)
    : m_lookup(std::move(places)), m_choices(4096), m_icons(1024) {}

PictureChoice RowPictures::choose(const QString& iconCell, const QString& commandCell,
                                  const QString& run) {
    const QString icon = iconCell.trimmed();
    if (!icon.isEmpty()) {
        if (isPageImage(icon) && FileChecks::fileExists(icon))
            return {PictureChoice::Image, icon};
        if (!isPageImage(icon) && namesSomething(icon))
            return {PictureChoice::Shell, icon};
    }
    return commandChoice(commandCell.trimmed(), run);
}

PictureChoice RowPictures::commandChoice(const QString& command, const QString& run) {
    if (run == runStyles().value(HyperlinkRunStyle) || isAddress(command))
        return {PictureChoice::Web, {}};
    if (command.isEmpty())
        return {};
    if (command.endsWith(QLatin1String(".desktop")) && FileChecks::fileExists(command)) {
        const QString name = readDesktopEntry(command).entry.icon.trimmed();
        if (const QString file = m_lookup.find(name); !file.isEmpty())
            return {PictureChoice::Image, file};
        if (!name.isEmpty())
            return {PictureChoice::Themed, name};
    }
    if (namesSomething(command))
        return {PictureChoice::Shell, command};
    // A program named without its folder runs from the search path.
    if (!command.contains(QLatin1Char('/'))) {
        if (const QString found = QStandardPaths::findExecutable(command); !found.isEmpty())
            return {PictureChoice::Shell, found};
    }
    return {};
}

QIcon RowPictures::load(const PictureChoice& choice) {
    const QString key = QString::number(int(choice.kind)) + choice.source;
    if (const QIcon* known = m_icons.object(key))
        return *known;
    QIcon icon;
    switch (choice.kind) {
    case PictureChoice::Image:
        icon = QIcon(choice.source);
        break;
    case PictureChoice::Shell:
        icon = DesktopIcons::icon(choice.source);
        break;
    case PictureChoice::Themed:
        icon = DesktopIcons::namedIcon(choice.source);
        break;
    case PictureChoice::Web:
        icon = DesktopIcons::webIcon();
        break;
    case PictureChoice::Program:
        icon = DesktopIcons::programIcon();
        break;
    }
    m_icons.insert(key, new QIcon(icon));
    return icon;
}

QIcon RowPictures::picture(const ItemList& items, int row) {
    const QString icon = items.cell(row, ColIcon);
    const QString command = items.cell(row, ColCommand);
    const QString run = items.cell(row, ColRun);
    const QString key = icon + QLatin1Char('\n') + command + QLatin1Char('\n') + run;
    PictureChoice* choice = m_choices.object(key);
    if (!choice) {
        choice = new PictureChoice(choose(icon, command, run));
        m_choices.insert(key, choice);
    }
    return load(*choice);
}

} // namespace ulvanta::intake
