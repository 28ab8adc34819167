#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <unistd.h>

// The fuzzer's bytes as text, and as a file for the readers that take a path.
inline QString fuzzText(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QString fuzzFile(const uint8_t* data, size_t size) {
    static const QString path =
        QDir::tempPath() + QStringLiteral("/ulvanta-fuzz-%1.pmf").arg(getpid());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        abort();
    return path;
}
