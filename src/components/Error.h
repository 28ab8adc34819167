#pragma once

#include <QString>
#include <exception>

namespace ulvanta {

// The program's one error type: a description and a classic error number, the
// two things every error message shows ("... - Type mismatch, 13").
class Error : public std::exception {
public:
    // Classic numbers, used where they fit.
    enum Number : int {
        Overflow = 6,
        OutOfMemory = 7,
        TypeMismatch = 13,
        BadFileName = 52,
        FileNotFound = 53,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccess = 75,
        PathNotFound = 76,
        InvalidFileFormat = 321,
    };

    Error(QString description, int number);
    // An error with the classic description of the number.
    explicit Error(Number number);

    const QString& description() const { return m_description; }
    int number() const { return m_number; }
    const char* what() const noexcept override { return m_what.constData(); }

    // "description, number", the tail of every error message.
    QString describe() const;

    static QString classicDescription(int number);

private:
    QString m_description;
    int m_number;
    QByteArray m_what;
};

// The wording of the failure messages, shared by the editor and the command-line builder.
namespace ErrorMessages {
// "An error occurred when attempting to <verb> the file '<path>' - <description>, <number>"
QString openError(const QString& path, const Error& e);
QString saveError(const QString& path, const Error& e);
QString importError(const QString& path, const Error& e);
QString buildError(const QString& path, const Error& e);
// "An error occurred when running the command - '<command>' - <description>, <number>"
QString runError(const QString& command, const Error& e);
} // namespace ErrorMessages

} // namespace ulvanta
