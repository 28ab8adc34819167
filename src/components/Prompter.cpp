#include "components/Prompter.h"

#include <QFileInfo>
#include <QStringList>

namespace ulvanta {

QStringList filterToNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& desc = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // The description usually carries its patterns already: "Icon (*.ico)".
        if (desc.contains(QLatin1Char('(')))
            out << desc.left(desc.indexOf(QLatin1Char('('))).trimmed() + QStringLiteral(" (") +
                       patterns + QLatin1Char(')');
        else
            out << desc + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

QString withDefaultSuffix(const QString& path, const QString& suffix) {
    if (suffix.isEmpty() || path.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

} // namespace ulvanta
