#pragma once

#include "components/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ulvanta::test {

// Writes the bytes, making the folder first; a size past them leaves the file
// sparse (large without filling the disk).
inline bool writeFile(const QString& path, const QByteArray& bytes, qint64 size = -1) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() &&
           (size < 0 || f.resize(size));
}

// The file's bytes, empty when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The number of the error f throws, 0 when it throws none.
template <typename F> int errorOf(F f) {
    try {
        f();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

} // namespace ulvanta::test
