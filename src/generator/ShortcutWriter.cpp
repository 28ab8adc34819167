#include "generator/ShortcutWriter.h"

#include "components/Error.h"
#include "components/FileChecks.h"
#include "components/Prompter.h"
#include "edits/Document.h"
#include "generator/ShortcutPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace ulvanta {

namespace {

const QString kSuffix = QStringLiteral(".desktop");
QString errorTitle() {
    return QCoreApplication::translate("ShortcutWriter", "Create Shortcut to Desktop Error");
}
// Longest file name the file systems here accept, in bytes.
constexpr qsizetype kMaxFileNameBytes = 255;

// A string value of a desktop entry: backslashes and control characters
// escaped, a leading space kept as "\s" (readers would drop it).
QString entryValue(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case ' ':
            out += (i == 0) ? QStringLiteral("\\s") : QStringLiteral(" ");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString shortcutError(const Error& e) {
    return QCoreApplication::translate(
               "ShortcutWriter", "An error occurred when creating a shortcut on the Desktop - %1")
        .arg(e.describe());
}

} // namespace

namespace Shortcut {

QString name(const QString& title) {
    qsizetype b = 0, e = title.size();
    while (b < e && title[b] == QLatin1Char(' '))
        ++b;
    while (e > b && title[e - 1] == QLatin1Char(' '))
        --e;
    QString n = title.mid(b, e - b);
    n.replace(QLatin1Char('\\'), QLatin1Char('_'));
    n.replace(QLatin1Char('/'), QLatin1Char('_'));
    n.replace(QLatin1Char('<'), QLatin1Char('('));
    n.replace(QLatin1Char('>'), QLatin1Char(')'));
    n.replace(QLatin1Char('*'), QLatin1Char('x'));
    n.replace(QLatin1Char('"'), QLatin1String("''"));
    n.replace(QLatin1Char('?'), QLatin1Char('!'));
    n.replace(QLatin1Char(':'), QLatin1Char(';'));
    n.replace(QLatin1Char('|'), QChar(0xA6));
    n.truncate(250);
    // The file name must also fit the file system, suffix included.
    while (!n.isEmpty() && (n + kSuffix).toUtf8().size() > kMaxFileNameBytes)
        n.chop(n.size() >= 2 && n.back().isLowSurrogate() ? 2 : 1);
    return n;
}

QString expandEnvironment(const QString& text) {
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), i);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0) {
            out += QStringView(text).mid(i);
            break;
        }
        out += QStringView(text).mid(i, open - i);
        const QString var = text.mid(open + 1, close - open - 1);
        if (!var.isEmpty() && qEnvironmentVariableIsSet(var.toLocal8Bit().constData())) {
            out += qEnvironmentVariable(var.toLocal8Bit().constData());
            i = close + 1;
        } else {
            // Not a variable: the first "%" stays, the second may open one.
            out += QLatin1Char('%');
            i = open + 1;
        }
    }
    return out;
}

QString execArgument(const QString& argument, bool quote) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (!quote) {
        for (const QChar c : argument) {
            if (reserved.contains(c)) {
                quote = true;
                break;
            }
        }
    }
    QString arg;
    if (quote) {
        arg += QLatin1Char('"');
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                arg += QLatin1Char('\\');
            arg += c;
        }
        arg += QLatin1Char('"');
    } else {
        arg = argument;
    }
    // "%" would start a field code.
    arg.replace(QLatin1Char('%'), QLatin1String("%%"));
    return entryValue(arg);
}

QString desktopEntry(const QString& programFolder, const Document& doc) {
    const QString title = doc.setting(Setting::Title);
    const QString icon = doc.setting(Setting::Icon);
    const QString page = doc.setting(Setting::HtmlFile);
    const QString launcher = expandEnvironment(programFolder + QStringLiteral("ulvanta2.exe"));
    const QString iconLocation = expandEnvironment(
        FileChecks::fileExists(icon) ? icon : programFolder + QStringLiteral("ulvanta2.exe"));

    QString e = QStringLiteral("[Desktop Entry]\n");
    e += QStringLiteral("Version=1.0\n");
    e += QStringLiteral("Type=Application\n");
    e += QStringLiteral("Name=") + entryValue(name(title)) + QLatin1Char('\n');
    e += QStringLiteral("Comment=") + entryValue(title) + QLatin1Char('\n');
    e += QStringLiteral("Exec=") + execArgument(launcher, false) + QLatin1Char(' ') +
         execArgument(page, true) + QLatin1Char('\n');
    e += QStringLiteral("Icon=") + entryValue(iconLocation) + QLatin1Char('\n');
    e += QStringLiteral("Path=\n");
    e += QStringLiteral("Terminal=false\n");
    return e;
}

} // namespace Shortcut

ShortcutWriter::ShortcutWriter(const Document& doc, Prompter& prompter, QString programFolder,
                               QString desktopFolder)
    : m_doc(doc), m_prompter(prompter), m_programFolder(std::move(programFolder)),
      m_desktop(std::move(desktopFolder)) {
    if (m_desktop.isEmpty())
        m_desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString ShortcutWriter::filePath() const {
    return m_desktop + QLatin1Char('/') + Shortcut::name(m_doc.setting(Setting::Title)) + kSuffix;
}

bool ShortcutWriter::run() {
    const QString path = filePath();
    try {
        if (m_desktop.isEmpty() || (!QFileInfo(m_desktop).isDir() && !QDir().mkpath(m_desktop)))
            throw Error(Error::PathNotFound);
        QSaveFile f(path);
        // Unbuffered, so that a full disk fails the write rather than the commit.
        if (QFileInfo(path).isDir() || !f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw Error(QFileInfo(path).isDir() ? Error::PathFileAccess : Error::PermissionDenied);
        const QByteArray bytes = Shortcut::desktopEntry(m_programFolder, m_doc).toUtf8();
        if (f.write(bytes) != bytes.size())
            throw Error(Error::DiskFull);
        if (!f.commit())
            throw Error(Error::PathFileAccess);
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser |
                                        QFile::ExeGroup | QFile::ExeOther);
        Shortcut::markTrusted(path);
    } catch (const Error& e) {
        m_prompter.message(shortcutError(e), errorTitle(), PromptIcon::Critical);
        return false;
    }
    if (m_prompter.offerAction(
            QCoreApplication::translate("ShortcutWriter",
                                        "A shortcut was successfully created on the Desktop"),
            QCoreApplication::translate("ShortcutWriter", "Create Shortcut on Desktop"),
            PromptIcon::Information,
            QCoreApplication::translate("ShortcutWriter", "Add to &Application Menu"))) {
        try {
            Shortcut::addToApplicationMenu(path);
        } catch (const Error& e) {
            m_prompter.message(
                QCoreApplication::translate(
                    "ShortcutWriter",
                    "An error occurred when adding the shortcut to the application menu - %1")
                    .arg(e.describe()),
                errorTitle(), PromptIcon::Critical);
        }
    }
    return true;
}

} // namespace ulvanta
