#pragma once

#include <QString>
#include <QStringList>

namespace ulvanta::launcher {

// Splits an icon's parameters into program arguments the way a POSIX shell splits
// words, without running one: blanks separate words; '...' keeps everything
// literally; "..." keeps blanks, and a backslash in it escapes only " and \;
// outside quotes a backslash keeps the next character literally. Quoted and plain
// pieces that touch form one word, and "" or '' is an empty word. Nothing is
// expanded: no variables, no wildcards, no "~".
// Throws Error (5) when a quote is left open.
QStringList splitArguments(const QString& parameters);

} // namespace ulvanta::launcher
