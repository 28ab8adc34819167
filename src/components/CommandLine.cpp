#include "components/CommandLine.h"

#include "components/Error.h"
#include "components/ProgramInfo.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace ulvanta {

QString CommandLine::fileName(const QByteArray& argument) {
    const QString name = QFile::decodeName(argument);
    if (QFile::encodeName(name) != argument)
        throw Error(QCoreApplication::translate("CommandLine",
                                                "Bad file name or number (the name is not valid "
                                                "in the system's file name encoding)"),
                    Error::BadFileName);
    return name;
}

QByteArray CommandLine::documentArgument(const QList<QByteArray>& arguments) {
    const QByteArray line = arguments.join(' ');
    if (arguments.size() < 2 || QFileInfo::exists(QFile::decodeName(line)))
        return line;
    for (const QByteArray& argument : arguments) {
        if (QFileInfo(QFile::decodeName(argument)).isFile())
            return argument;
    }
    return line;
}

QString CommandLine::editorAnswer(const QList<QByteArray>& arguments) {
    const QByteArray first = arguments.value(0);
    if (first == "--version")
        return QStringLiteral("ulvanta-editor %1\n").arg(ProgramInfo::version());
    if (first == "--help" || first == "-h")
        return QCoreApplication::translate(
            "CommandLine", "Usage: ulvanta-editor [DOC.pmf]\n"
                           "  DOC.pmf    open the Ulvanta file (the whole line is its path)\n"
                           "  --help     show this help\n"
                           "  --version  show the version\n");
    return {};
}

} // namespace ulvanta
