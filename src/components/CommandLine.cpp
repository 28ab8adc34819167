#include "components/CommandLine.h"

#include "components/UlvError.h"

#include <QFile>

namespace ulvanta {

QString CommandLine::fileName(const QByteArray& argument) {
    const QString name = QFile::decodeName(argument);
    if (QFile::encodeName(name) != argument)
        throw UlvError(QStringLiteral("Bad file name or number (the name is not valid in the "
                                      "system's file name encoding)"),
                       UlvError::BadFileName);
    return name;
}

} // namespace ulvanta
