#include "components/Error.h"

namespace ulvanta {

Error::Error(QString description, int number)
    : m_description(std::move(description)), m_number(number), m_what(describe().toUtf8()) {}

Error::Error(Number number) : Error(classicDescription(number), number) {}

QString Error::describe() const {
    return m_description + QStringLiteral(", ") + QString::number(m_number);
}

QString Error::classicDescription(int number) {
    switch (number) {
    case Overflow:
        return QStringLiteral("Overflow");
    case OutOfMemory:
        return QStringLiteral("Out of memory");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case BadFileName:
        return QStringLiteral("Bad file name or number");
    case FileNotFound:
        return QStringLiteral("File not found");
    case DiskFull:
        return QStringLiteral("Disk full");
    case PermissionDenied:
        return QStringLiteral("Permission denied");
    case PathFileAccess:
        return QStringLiteral("Path/File access error");
    case PathNotFound:
        return QStringLiteral("Path not found");
    case InvalidFileFormat:
        return QStringLiteral("Invalid file format");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

namespace ErrorMessages {

QString attempting(const QString& verb, const QString& path, const Error& e) {
    return QStringLiteral("An error occurred when attempting to ") + verb +
           QStringLiteral(" the file '") + path + QStringLiteral("' - ") + e.describe();
}

QString openError(const QString& path, const Error& e) {
    return attempting(QStringLiteral("open"), path, e);
}
QString saveError(const QString& path, const Error& e) {
    return attempting(QStringLiteral("save"), path, e);
}
QString importError(const QString& path, const Error& e) {
    return attempting(QStringLiteral("import"), path, e);
}
QString buildError(const QString& path, const Error& e) {
    return QStringLiteral("An error occurred when attempting to build the HTML file '") + path +
           QStringLiteral("' - ") + e.describe();
}
QString runError(const QString& command, const Error& e) {
    return QStringLiteral("An error occurred when running the command - '") + command +
           QStringLiteral("' - ") + e.describe();
}

} // namespace ErrorMessages
} // namespace ulvanta
