#include "generator/RunController.h"

#include "components/Error.h"
#include "components/Prompter.h"
#include "edits/Document.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace ulvanta {

LaunchLine launchLine(const QString& programFolder, const Document& doc) {
    LaunchLine l;
    const QString page = doc.setting(Setting::HtmlFile);
    l.program = programFolder + QStringLiteral("ulvanta2.exe");
    if (!page.isEmpty())
        l.arguments << page;
    l.commandLine = l.program + QLatin1Char(' ') + page;
    return l;
}

RunController::RunController(const Document& doc, Prompter& prompter, QString programFolder,
                             Starter starter)
    : m_doc(doc), m_prompter(prompter), m_programFolder(std::move(programFolder)),
      m_start(std::move(starter)) {
    if (!m_start) {
        m_start = [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        };
    }
}

bool RunController::run() {
    const LaunchLine l = launchLine(m_programFolder, m_doc);
    if (m_start(l.program, l.arguments))
        return true;
    const QFileInfo fi(l.program);
    const Error e(!fi.exists()         ? Error::FileNotFound
                  : !fi.isExecutable() ? Error::PermissionDenied
                                       : Error::PathFileAccess);
    m_prompter.message(ErrorMessages::runError(l.commandLine, e),
                       QCoreApplication::translate("RunController", "Run Error"),
                       PromptIcon::Critical);
    return false;
}

} // namespace ulvanta
