#include "generator/RunCommand.h"

#include "components/Prompter.h"
#include "components/UlvError.h"
#include "document/Document.h"

#include <QFileInfo>
#include <QProcess>

namespace ulvanta {

LaunchLine launchLine(const QString& aPath, const Document& doc) {
    LaunchLine l;
    const QString page = doc.ReadProp(QStringLiteral("(HTML File)"), true);
    l.program = aPath + QStringLiteral("ulvanta2.exe");
    if (!page.isEmpty())
        l.arguments << page;
    l.commandLine = l.program + QLatin1Char(' ') + page;
    return l;
}

RunCommand::RunCommand(const Document& doc, Prompter& prompter, QString aPath, Starter starter)
    : m_doc(doc), m_prompter(prompter), m_aPath(std::move(aPath)), m_start(std::move(starter)) {
    if (!m_start) {
        m_start = [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        };
    }
}

bool RunCommand::run() {
    const LaunchLine l = launchLine(m_aPath, m_doc);
    if (m_start(l.program, l.arguments))
        return true;
    const QFileInfo fi(l.program);
    const UlvError e(!fi.exists()         ? UlvError::FileNotFound
                     : !fi.isExecutable() ? UlvError::PermissionDenied
                                          : UlvError::PathFileAccess);
    m_prompter.message(ErrorText::runError(l.commandLine, e), QStringLiteral("Run Error"),
                       PromptIcon::Critical);
    return false;
}

} // namespace ulvanta
