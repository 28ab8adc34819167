#include "components/Error.h"
#include <QCoreApplication>

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
        return QCoreApplication::translate("Error", "Overflow");
    case OutOfMemory:
        return QCoreApplication::translate("Error", "Out of memory");
    case TypeMismatch:
        return QCoreApplication::translate("Error", "Type mismatch");
    case BadFileName:
        return QCoreApplication::translate("Error", "Bad file name or number");
    case FileNotFound:
        return QCoreApplication::translate("Error", "File not found");
    case DiskFull:
        return QCoreApplication::translate("Error", "Disk full");
    case PermissionDenied:
        return QCoreApplication::translate("Error", "Permission denied");
    case PathFileAccess:
        return QCoreApplication::translate("Error", "Path/File access error");
    case PathNotFound:
        return QCoreApplication::translate("Error", "Path not found");
    case InvalidFileFormat:
        return QCoreApplication::translate("Error", "Invalid file format");
    }
    return QCoreApplication::translate("Error", "Application-defined or object-defined error");
}

namespace ErrorMessages {

namespace {
// The sentence (with its verb) as the user reads it.
QString attempting(const char* sentence, const QString& path, const Error& e) {
    return QCoreApplication::translate("ErrorMessages", sentence).arg(path, e.describe());
}
} // namespace

QString openError(const QString& path, const Error& e) {
    return attempting(
        QT_TRANSLATE_NOOP("ErrorMessages",
                          "An error occurred when attempting to open the file '%1' - %2"),
        path, e);
}
QString saveError(const QString& path, const Error& e) {
    return attempting(
        QT_TRANSLATE_NOOP("ErrorMessages",
                          "An error occurred when attempting to save the file '%1' - %2"),
        path, e);
}
QString importError(const QString& path, const Error& e) {
    return attempting(
        QT_TRANSLATE_NOOP("ErrorMessages",
                          "An error occurred when attempting to import the file '%1' - %2"),
        path, e);
}
QString buildError(const QString& path, const Error& e) {
    return QCoreApplication::translate(
               "ErrorMessages",
               "An error occurred when attempting to build the HTML file '%1' - %2")
        .arg(path, e.describe());
}
QString runError(const QString& command, const Error& e) {
    return QCoreApplication::translate("ErrorMessages",
                                       "An error occurred when running the command - '%1' - %2")
        .arg(command, e.describe());
}

} // namespace ErrorMessages
} // namespace ulvanta
