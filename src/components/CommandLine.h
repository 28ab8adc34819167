#pragma once

#include <QByteArray>
#include <QString>

namespace ulvanta {

namespace CommandLine {

// A command-line argument as a file name, decoded with the local 8-bit file name
// encoding. Throws Error (Bad file name or number) when the bytes do not come
// back unchanged from that encoding: the name would then open another file.
QString fileName(const QByteArray& argument);

} // namespace CommandLine
} // namespace ulvanta
