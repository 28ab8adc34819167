#include "generator/PageCheck.h"

#include "edits/Document.h"
#include "generator/PageWriter.h"
#include "model/ItemList.h"
#include "model/SectionRow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace ulvanta {

namespace {

// The texts are marked where they stand, so that translators find them.
QString say(const char* text) {
    return QCoreApplication::translate("PageCheck", text);
}

// "scheme:" with a scheme of two or more characters, so "C:\..." stays a path.
bool isAddress(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

bool isLauncherScheme(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("pm") || scheme == QLatin1String("pmc");
}

bool mayRun(const QString& path) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(path).constData(), X_OK) == 0;
#else
    return QFileInfo(path).isExecutable();
#endif
}

bool mayWrite(const QString& path) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
#else
    return QFileInfo(path).isWritable();
#endif
}

// Relative paths are read from the page's folder, as the launcher reads them.
QString resolved(const QString& base, const QString& path) {
    if (QFileInfo(path).isAbsolute())
        return QDir::cleanPath(path);
    return QDir::cleanPath(QDir(base).absoluteFilePath(path));
}

class Checker {
public:
    Checker(const PageCheck::Input& page, std::vector<PageProblem>& out)
        : m_page(page), m_out(out) {
        const QString source = page.htmlFile.isEmpty() ? page.filePath : page.htmlFile;
        m_base = source.isEmpty() ? QDir::currentPath() : QFileInfo(source).absolutePath();
    }

    void row(int r) {
        const ItemList::Snapshot& rows = m_page.rows;
        m_row = r + 1;
        const QString startIn = rows.cell(r, ColStartIn).trimmed().toString();
        const QString folder = startIn.isEmpty() ? m_base : resolved(m_base, startIn);
        const QString command = rows.cell(r, ColCommand).trimmed().toString();
        if (rows.cell(r, ColRun) == runStyles().at(HyperlinkRunStyle))
            hyperlink(command);
        else
            program(command, folder);
        if (!startIn.isEmpty() && !QFileInfo(folder).isDir())
            rowProblem(
                ColStartIn,
                say(QT_TRANSLATE_NOOP("PageCheck", "folder does not exist: %1")).arg(folder));
        const QString icon = rows.cell(r, ColIcon).trimmed().toString();
        if (!icon.isEmpty())
            iconFile(icon);
    }

    void settings() {
        m_row = 0;
        const std::pair<Setting, const QString&> pictures[] = {
            {Setting::BackgroundPicture, m_page.backgroundPicture}, {Setting::Icon, m_page.icon}};
        for (const auto& [s, setting] : pictures) {
            const QString value = setting.trimmed();
            if (!value.isEmpty())
                if (const QString wrong = image(resolved(m_base, value)); !wrong.isEmpty())
                    settingProblem(s, wrong);
        }
        const QString page = m_page.htmlFile.trimmed();
        if (page.isEmpty())
            return;
        const QString folder = QFileInfo(resolved(m_base, page)).absolutePath();
        if (!QFileInfo(folder).isDir())
            settingProblem(
                Setting::HtmlFile,
                say(QT_TRANSLATE_NOOP("PageCheck", "folder does not exist: %1")).arg(folder));
        else if (!mayWrite(folder))
            settingProblem(
                Setting::HtmlFile,
                say(QT_TRANSLATE_NOOP("PageCheck", "folder is not writable: %1")).arg(folder));
    }

private:
    void rowProblem(int column, const QString& message) {
        m_out.push_back({m_row, std::nullopt, ItemList::header(column), message});
    }
    void settingProblem(Setting s, const QString& message) {
        m_out.push_back({0, s, PropertyTable::displayName(s), message});
    }

    void hyperlink(const QString& command) {
        const QUrl url(command);
        if (!isAddress(command) || !url.isValid())
            rowProblem(ColCommand,
                       say(QT_TRANSLATE_NOOP("PageCheck", "not an address with a scheme: %1"))
                           .arg(command));
        else if (isLauncherScheme(url))
            rowProblem(
                ColCommand,
                say(QT_TRANSLATE_NOOP("PageCheck", "pm: and pmc: addresses cannot be linked: %1"))
                    .arg(command));
    }

    void program(const QString& command, const QString& folder) {
        if (command.isEmpty()) {
            rowProblem(ColCommand, say(QT_TRANSLATE_NOOP("PageCheck", "no command")));
            return;
        }
        const bool fileUrl = command.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
        if (!fileUrl && isAddress(command) && !QFileInfo::exists(resolved(folder, command))) {
            // The launcher never hands on addresses that would run page script
            // or come back to itself.
            const QUrl url(command);
            const QString scheme = url.scheme().toLower();
            if (!url.isValid() || isLauncherScheme(url) || scheme == QLatin1String("javascript") ||
                scheme == QLatin1String("data"))
                rowProblem(ColCommand,
                           say(QT_TRANSLATE_NOOP("PageCheck",
                                                 "the launcher does not open this address: %1"))
                               .arg(command));
            return;
        }
        const QString path = fileUrl ? QUrl(command).toLocalFile() : command;
        QString full = resolved(folder, path);
        if (!path.contains(QLatin1Char('/')) && !QFileInfo::exists(full)) {
            full = inPath(path);
            if (full.isEmpty()) {
                rowProblem(ColCommand, say(QT_TRANSLATE_NOOP("PageCheck",
                                                             "program not found: %1 (not in PATH)"))
                                           .arg(path));
                return;
            }
        }
        const QFileInfo fi(full);
        if (!fi.exists())
            rowProblem(ColCommand,
                       say(QT_TRANSLATE_NOOP("PageCheck", "file not found: %1")).arg(full));
        else if (fi.isFile())
            if (const QString wrong = remembered(m_programs, full, &Checker::runnable);
                !wrong.isEmpty())
                rowProblem(ColCommand, wrong);
    }

    // Rows often share a program or a picture: each file is looked at once.
    QString remembered(QHash<QString, QString>& known, const QString& path,
                       QString (Checker::*look)(const QString&)) {
        const auto it = known.constFind(path);
        if (it != known.cend())
            return *it;
        return *known.insert(path, (this->*look)(path));
    }

    // A binary or a script is a program and must start; any other file is a
    // document the desktop opens with its program. Empty when it is fine.
    QString runnable(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return say(QT_TRANSLATE_NOOP("PageCheck", "file cannot be read: %1")).arg(path);
        const QByteArray head = f.read(512);
        const bool script = head.startsWith("#!");
        if (!script && !head.startsWith("\x7f"
                                        "ELF"))
            return {};
        if (!mayRun(path))
            return say(QT_TRANSLATE_NOOP("PageCheck", "program cannot be run: %1 (no permission)"))
                .arg(path);
        if (!script)
            return {};
        const qsizetype end = head.indexOf('\n');
        const QStringList words =
            QString::fromLocal8Bit(head.mid(2, end < 0 ? -1 : end - 2)).simplified().split(' ');
        const QString interpreter = words.value(0);
        const QFileInfo ii(interpreter);
        if (interpreter.isEmpty() || !ii.isAbsolute() || !ii.isFile() || !mayRun(interpreter))
            return say(QT_TRANSLATE_NOOP("PageCheck",
                                         "program cannot be run: %1 (interpreter not found: %2)"))
                .arg(path, interpreter);
        // "#!/usr/bin/env NAME" finds its interpreter in PATH.
        const QString named = words.value(1);
        if (ii.fileName() == QLatin1String("env") && !named.isEmpty() &&
            !named.startsWith(QLatin1Char('-')) && inPath(named).isEmpty())
            return say(QT_TRANSLATE_NOOP("PageCheck",
                                         "program cannot be run: %1 (interpreter not found: %2)"))
                .arg(path, named);
        return {};
    }

    void iconFile(const QString& icon) {
        const QString path = resolved(m_base, icon);
        if (PageWriter::isImageExtension(icon)) {
            if (const QString wrong = remembered(m_images, path, &Checker::image); !wrong.isEmpty())
                rowProblem(ColIcon, wrong);
        } else if (!QFileInfo::exists(path)) {
            rowProblem(ColIcon,
                       say(QT_TRANSLATE_NOOP("PageCheck", "file not found: %1")).arg(path));
        }
    }

    // Empty for a picture Qt can show, else what is wrong with it.
    QString image(const QString& path) {
        if (!QFileInfo::exists(path))
            return say(QT_TRANSLATE_NOOP("PageCheck", "file not found: %1")).arg(path);
        QImageReader reader(path);
        return reader.canRead()
                   ? QString()
                   : say(QT_TRANSLATE_NOOP("PageCheck", "not a readable image: %1")).arg(path);
    }

    // PATH is searched once per name, however many rows start the program.
    QString inPath(const QString& name) {
        const auto it = m_found.constFind(name);
        if (it != m_found.cend())
            return *it;
        const QString found = QStandardPaths::findExecutable(name);
        m_found.insert(name, found);
        return found;
    }

    const PageCheck::Input& m_page;
    std::vector<PageProblem>& m_out;
    QString m_base;
    int m_row = 0;
    QHash<QString, QString> m_found;
    QHash<QString, QString> m_programs; // what is wrong with a program, by path
    QHash<QString, QString> m_images;   // what is wrong with a picture, by path
};

} // namespace

namespace PageCheck {

Input inputOf(const Document& doc) {
    Input page;
    page.rows = doc.items().snapshot();
    page.filePath = doc.filePath();
    page.htmlFile = doc.setting(Setting::HtmlFile);
    page.backgroundPicture = doc.setting(Setting::BackgroundPicture);
    page.icon = doc.setting(Setting::Icon);
    return page;
}

std::vector<PageProblem> check(const Input& page) {
    std::vector<PageProblem> problems;
    Checker checker(page, problems);
    for (int r = 0; r < page.rows.count(); ++r)
        if (!SectionRow::isSection(page.rows.cell(r, ColDescription)))
            checker.row(r);
    checker.settings();
    return problems;
}

std::vector<PageProblem> check(const Document& doc) {
    return check(inputOf(doc));
}

std::vector<PageAddress> webAddresses(const Document& doc) {
    std::vector<PageAddress> addresses;
    const ItemList& items = doc.items();
    for (int r = 0; r < items.count(); ++r) {
        if (items.isSection(r))
            continue;
        const QString command = items.cell(r, ColCommand).trimmed();
        const QString scheme = QUrl(command).scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
            addresses.push_back({r + 1, ItemList::header(ColCommand), command});
    }
    return addresses;
}

} // namespace PageCheck
} // namespace ulvanta
