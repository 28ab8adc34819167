#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace ulvanta {

namespace CommandLine {

// A command-line argument as a file name, decoded with the local 8-bit file name
// encoding. Throws Error (Bad file name or number) when the bytes do not come
// back unchanged from that encoding: the name would then open another file.
QString fileName(const QByteArray& argument);

// The document the editor's arguments name. The whole line is one path, spaces
// and all; a file manager opening several files passes each as an argument, and
// then the first one that exists is taken.
QByteArray documentArgument(const QList<QByteArray>& arguments);

// What the editor prints instead of opening a window: its usage for --help (or
// -h), its version for --version, each only as the first argument so that the
// rest of a line stays a path. Null when the arguments name a document.
QString editorAnswer(const QList<QByteArray>& arguments);

} // namespace CommandLine
} // namespace ulvanta
