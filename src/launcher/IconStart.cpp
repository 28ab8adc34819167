#include "launcher/IconStart.h"

#include "components/Error.h"
#include "launcher/ShellWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ulvanta::launcher {

namespace {

// "scheme:" with a scheme of two or more characters, so "C:\..." stays a path.
bool isAddress(const QString& command) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(command).hasMatch();
}

// A binary or a script with an interpreter line: what the system can start. Other
// files, even when marked executable (as on many shared drives), are documents.
bool isProgram(const QFileInfo& fi) {
    if (!fi.isFile() || !fi.isExecutable())
        return false;
#ifdef Q_OS_WIN
    return true;
#else
    QFile f(fi.absoluteFilePath());
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(4);
    return head.startsWith("\x7f"
                           "ELF") ||
           head.startsWith("#!");
#endif
}

QString resolveFolder(const QString& base, const QString& path) {
    if (path.isEmpty() || QFileInfo(path).isAbsolute())
        return path;
    return QDir::cleanPath(QDir(base).absoluteFilePath(path));
}

// The file a command names: a relative one in base, a bare name there or else on
// the PATH. A bare name found nowhere is given as base's.
QString programPath(const QString& command, const QString& base, bool* notInPath = nullptr) {
    QString path = command;
    if (command.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        path = QUrl(command).toLocalFile();
    if (QFileInfo(path).isAbsolute())
        return path;
    const QString local = QDir::cleanPath(QDir(base).absoluteFilePath(path));
    if (QFileInfo::exists(local) || path.contains(QLatin1Char('/')))
        return local;
    if (const QString found = QStandardPaths::findExecutable(path); !found.isEmpty())
        return found;
    if (notInPath)
        *notInPath = true;
    return local;
}

// An address the desktop opens, rather than a file.
bool isOpenedAddress(const QString& command, const QString& base) {
    return !command.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) && isAddress(command) &&
           !QFileInfo::exists(QDir(base).absoluteFilePath(command));
}

} // namespace

RunWord runWordFromText(const QString& word) {
    const QString w = word.trimmed().toLower();
    if (w == QLatin1String("maxfocus"))
        return RunWord::MaxFocus;
    if (w == QLatin1String("minfocus"))
        return RunWord::MinFocus;
    if (w == QLatin1String("normalnofocus"))
        return RunWord::NormalNoFocus;
    if (w == QLatin1String("minnofocus"))
        return RunWord::MinNoFocus;
    if (w == QLatin1String("hidden"))
        return RunWord::Hidden;
    return RunWord::Normal;
}

QString commandLineOf(const IconLink& link) {
    return link.parameters.isEmpty() ? link.command
                                     : link.command + QLatin1Char(' ') + link.parameters;
}

StartPlan planIconStart(const IconLink& link, const QString& pageFolder) {
    StartPlan plan;
    plan.runWord = runWordFromText(link.runWord);
    plan.commandLine = commandLineOf(link);
    const QString command = link.command.trimmed();
    if (command.isEmpty())
        throw Error(Error::BadFileName);

    const QString startIn = resolveFolder(pageFolder, link.startIn);
    if (!startIn.isEmpty() && !QFileInfo(startIn).isDir())
        throw Error(QCoreApplication::translate("IconStart", "Path not found ('%1')").arg(startIn),
                    Error::PathNotFound);

    const QString base = startIn.isEmpty() ? pageFolder : startIn;
    if (command.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) ||
        (isAddress(command) && !QFileInfo::exists(QDir(base).absoluteFilePath(command)))) {
        const QUrl url(command);
        if (!url.isLocalFile()) {
            const QString scheme = url.scheme().toLower();
            // Addresses that would run page script or come back to this launcher
            // are never handed on.
            if (!url.isValid() || scheme == QLatin1String("pm") || scheme == QLatin1String("pmc") ||
                scheme == QLatin1String("javascript") || scheme == QLatin1String("data"))
                throw Error(Error::BadFileName);
            plan.kind = StartPlan::Kind::Open;
            plan.url = url;
            return plan;
        }
    }

    const QFileInfo fi(programPath(command, base));
    if (!fi.exists())
        throw Error(QFileInfo(fi.absolutePath()).isDir() ? Error::FileNotFound
                                                         : Error::PathNotFound);
    if (!isProgram(fi)) {
        plan.kind = StartPlan::Kind::Open;
        plan.url = QUrl::fromLocalFile(fi.absoluteFilePath());
        return plan;
    }
    plan.kind = StartPlan::Kind::Program;
    plan.program = fi.absoluteFilePath();
    plan.arguments = splitArguments(link.parameters);
    plan.workingDirectory = startIn;
    return plan;
}

QString missingPathOf(const IconLink& link, const QString& pageFolder) {
    const QString command = link.command.trimmed();
    const QString startIn = resolveFolder(pageFolder, link.startIn);
    if (!startIn.isEmpty() && !QFileInfo(startIn).isDir())
        return startIn;
    const QString base = startIn.isEmpty() ? pageFolder : startIn;
    if (command.isEmpty() || isOpenedAddress(command, base))
        return {};
    bool notInPath = false;
    const QString path = programPath(command, base, &notInPath);
    if (QFileInfo::exists(path))
        return {};
    return notInPath ? QCoreApplication::translate("IconStart", "%1 (not in PATH)").arg(command)
                     : path;
}

QString missingFileAdvice(const QString& missing) {
    return QCoreApplication::translate(
               "IconStart",
               "Missing: %1\n\nTo find every missing program, folder and picture of this page, "
               "open it in the editor and choose File > Check Page (Ctrl+K).")
        .arg(missing);
}

StartPlan planEditorStart(const QString& programFolder, const QString& sourceFile) {
    StartPlan plan;
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("ulvanta-editor.exe");
#else
    const QString name = QStringLiteral("ulvanta-editor");
#endif
    plan.program = QDir(programFolder).absoluteFilePath(name);
    plan.arguments = QStringList{sourceFile};
    plan.commandLine = plan.program + QLatin1Char(' ') + sourceFile;
    return plan;
}

void startProgram(const StartPlan& plan) {
    const QFileInfo fi(plan.program);
    if (!fi.exists())
        throw Error(Error::FileNotFound);
    if (!fi.isExecutable())
        throw Error(Error::PermissionDenied);

    QProcess process;
    process.setProgram(plan.program);
    process.setArguments(plan.arguments);
    if (!plan.workingDirectory.isEmpty())
        process.setWorkingDirectory(plan.workingDirectory);
    if (plan.runWord == RunWord::Hidden) {
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
#ifndef Q_OS_WIN
        // Without a display the program cannot open a window.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(env);
#endif
    }
#ifdef Q_OS_WIN
    WORD show = SW_SHOWNORMAL;
    switch (plan.runWord) {
    case RunWord::MaxFocus:
        show = SW_SHOWMAXIMIZED;
        break;
    case RunWord::MinFocus:
        show = SW_SHOWMINIMIZED;
        break;
    case RunWord::NormalNoFocus:
        show = SW_SHOWNOACTIVATE;
        break;
    case RunWord::MinNoFocus:
        show = SW_SHOWMINNOACTIVE;
        break;
    case RunWord::Hidden:
        show = SW_HIDE;
        break;
    case RunWord::Normal:
        break;
    }
    const bool hidden = plan.runWord == RunWord::Hidden;
    process.setCreateProcessArgumentsModifier([show, hidden](QProcess::CreateProcessArguments* a) {
        a->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        a->startupInfo->wShowWindow = show;
        if (hidden)
            a->flags |= CREATE_NO_WINDOW;
    });
#endif
    if (!process.startDetached())
        throw Error(process.errorString(), Error::PathFileAccess);
}

} // namespace ulvanta::launcher
