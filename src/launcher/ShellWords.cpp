#include "launcher/ShellWords.h"
#include <QCoreApplication>

#include "components/Error.h"

namespace ulvanta::launcher {

namespace {
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}
} // namespace

QStringList splitArguments(const QString& parameters) {
    QStringList words;
    QString word;
    bool inWord = false; // a word has started, even if it is still empty ("")
    const qsizetype n = parameters.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = parameters[i];
        if (isBlank(c)) {
            if (inWord) {
                words << word;
                word.clear();
                inWord = false;
            }
            continue;
        }
        inWord = true;
        if (c == QLatin1Char('\'')) {
            const qsizetype close = parameters.indexOf(QLatin1Char('\''), i + 1);
            if (close < 0)
                throw Error(QCoreApplication::translate(
                                "ShellWords", "Invalid procedure call or argument (a single "
                                              "quote is not closed in the parameters)"),
                            5);
            word += QStringView(parameters).mid(i + 1, close - i - 1);
            i = close;
        } else if (c == QLatin1Char('"')) {
            qsizetype j = i + 1;
            for (; j < n && parameters[j] != QLatin1Char('"'); ++j) {
                if (parameters[j] == QLatin1Char('\\') && j + 1 < n &&
                    (parameters[j + 1] == QLatin1Char('"') ||
                     parameters[j + 1] == QLatin1Char('\\')))
                    ++j;
                word += parameters[j];
            }
            if (j >= n)
                throw Error(QCoreApplication::translate(
                                "ShellWords", "Invalid procedure call or argument (a double "
                                              "quote is not closed in the parameters)"),
                            5);
            i = j;
        } else if (c == QLatin1Char('\\') && i + 1 < n) {
            word += parameters[++i];
        } else {
            word += c;
        }
    }
    if (inWord)
        words << word;
    return words;
}

} // namespace ulvanta::launcher
