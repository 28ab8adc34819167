// Stands in for a program an icon starts: writes how it was started (arguments,
// working folder, display, standard streams) as JSON to the file named by
// LAUNCHER_RECORD, so a test can check exactly what the launcher passed.

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

int main(int argc, char* argv[]) {
    QJsonArray args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const auto stream = [](const char* fd) { return QFileInfo(fd).symLinkTarget(); };
    const QJsonObject record{{"arguments", args},
                             {"folder", QDir::currentPath()},
                             {"display", qEnvironmentVariableIsSet("DISPLAY")},
                             {"stdin", stream("/proc/self/fd/0")},
                             {"stdout", stream("/proc/self/fd/1")}};
    // Written whole and renamed into place, so the test never reads half a record.
    QSaveFile out(qEnvironmentVariable("LAUNCHER_RECORD"));
    if (!out.open(QIODevice::WriteOnly))
        return 2;
    out.write(QJsonDocument(record).toJson());
    return out.commit() ? 0 : 3;
}
