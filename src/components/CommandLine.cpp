#include "components/CommandLine.h"

#include "components/Error.h"

#include <QFile>
#include <QFileInfo>

namespace ulvanta {

QString CommandLine::fileName(const QByteArray& argument) {
    const QString name = QFile::decodeName(argument);
    if (QFile::encodeName(name) != argument)
        throw Error(QStringLiteral("Bad file name or number (the name is not valid in the "
                                   "system's file name encoding)"),
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

} // namespace ulvanta
