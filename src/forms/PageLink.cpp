#include "forms/PageLink.h"

#include "components/EntryContainer.h"
#include "components/Error.h"
#include "components/HtmlText.h"
#include "components/KeyValueFile.h"

#include <QFileInfo>

namespace ulvanta::PageLink {

namespace {
const QString kOpenTag = QStringLiteral("<title>");
const QString kCloseTag = QStringLiteral("</title>");
const QString kSettingsMarker = QStringLiteral("<!-- Ulvanta info:\r\n");
const QString kSettingsEnd = QStringLiteral("\r\n-->");
} // namespace

QString launcherPath(const QString& appPath) {
    return appPath + QStringLiteral("Ulvanta2.exe");
}

QString readPage(const QString& path) {
    try {
        return EntryContainer::readText(path);
    } catch (const Error&) {
        return {};
    }
}

QString description(const QString& pagePath, const QString& content) {
    const qsizetype a = content.indexOf(kOpenTag, 0, Qt::CaseInsensitive);
    if (a < 0) {
        const QString name = QFileInfo(pagePath).fileName();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        return dot < 0 ? name : name.left(dot);
    }
    const qsizetype b = content.indexOf(kCloseTag, 0, Qt::CaseInsensitive);
    const qsizetype start = a + kOpenTag.size();
    if (b < start)
        return {}; // no closing tag after the opening one
    QString title = content.mid(start, b - start);
    title.replace(QLatin1String("\r\n"), QLatin1String(" "));
    return HtmlText::decode(title.trimmed());
}

QString settingsText(const QString& content) {
    const qsizetype at = content.indexOf(kSettingsMarker);
    if (at < 0)
        return {};
    QString rest = content.mid(at);
    rest.remove(kSettingsMarker);
    const qsizetype end = rest.indexOf(kSettingsEnd);
    // Keep the CR of the closing line break: the last setting then ends like the others.
    return end < 0 ? QString() : rest.left(end + 1);
}

IconEntry::Fields link(const QString& pagePath, const QString& content, bool newWindow,
                       const QString& appPath, KeyValueFile& keys) {
    IconEntry::Fields f;
    f.run = IconEntry::runStyles().first();
    f.command = pagePath;
    f.description = description(pagePath, content);
    if (newWindow) {
        f.parameters = pagePath;
        f.command = launcherPath(appPath);
    } else {
        f.run = IconEntry::runStyles().at(IconEntry::HyperlinkStyle);
    }
    keys.parse(settingsText(content));
    const QString icon = keys.value(QStringLiteral("Icon"));
    f.icon = icon == KeyValueFile::notFound() ? launcherPath(appPath) : HtmlText::decode(icon);
    return f;
}

} // namespace ulvanta::PageLink
