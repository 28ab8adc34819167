#include "components/CommandLine.h"

#include "components/Error.h"

#include <QFile>

namespace ulvanta {

QString CommandLine::fileName(const QByteArray& argument) {
    const QString name = QFile::decodeName(argument);
    if (QFile::encodeName(name) != argument)
        throw Error(QStringLiteral("Bad file name or number (the name is not valid in the "
                                   "system's file name encoding)"),
                    Error::BadFileName);
    return name;
}

} // namespace ulvanta
