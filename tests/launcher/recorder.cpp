// Stands in for a program an icon starts: writes how it was started (arguments,
// working folder, display, standard streams) as JSON to the file named by
// LAUNCHER_RECORD, so a test can check exactly what the launcher passed.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QString>

int main(int argc, char* argv[]) {
    const QByteArray target = qgetenv("LAUNCHER_RECORD");
    if (target.isEmpty())
        return 2;
    QJsonArray args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    QJsonObject record;
    record.insert(QStringLiteral("program"), QString::fromLocal8Bit(argv[0]));
    record.insert(QStringLiteral("arguments"), args);
    record.insert(QStringLiteral("folder"), QDir::currentPath());
    record.insert(QStringLiteral("display"), qEnvironmentVariableIsSet("DISPLAY"));
    record.insert(QStringLiteral("stdin"),
                  QFileInfo(QStringLiteral("/proc/self/fd/0")).symLinkTarget());
    record.insert(QStringLiteral("stdout"),
                  QFileInfo(QStringLiteral("/proc/self/fd/1")).symLinkTarget());
    // Written whole and renamed into place, so the test never reads half a record.
    QSaveFile out(QFile::decodeName(target));
    if (!out.open(QIODevice::WriteOnly))
        return 3;
    out.write(QJsonDocument(record).toJson());
    return out.commit() ? 0 : 4;
}
