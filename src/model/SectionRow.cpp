#include "model/SectionRow.h"

#include "components/HtmlText.h"

#include <QCoreApplication>
#include <QStringList>

namespace ulvanta::SectionRow {

QString escapeName(const QString& name) {
    QString s = HtmlText::encode(name);
    s.replace(QLatin1String("{"), QLatin1String("{l_"));
    s.replace(QLatin1String("}"), QLatin1String("{r}"));
    s.replace(QLatin1String("{l_"), QLatin1String("{l}"));
    s.replace(QLatin1String(":"), QLatin1String("{c}"));
    s.replace(QLatin1String(";"), QLatin1String("{s}"));
    return s;
}

QString unescapeName(const QString& escaped) {
    QString s = escaped;
    s.replace(QLatin1String("{c}"), QLatin1String(":"));
    s.replace(QLatin1String("{s}"), QLatin1String(";"));
    s.replace(QLatin1String("{l}"), QLatin1String("{"));
    s.replace(QLatin1String("{r}"), QLatin1String("}"));
    return HtmlText::decode(s);
}

QString compose(const QString& name, const QString& columns, const QString& iconSize,
                bool iconsAbove, bool tableBorder) {
    const auto b = [](bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); };
    return marker() + escapeName(name) + QStringLiteral(";Columns:") + columns +
           QStringLiteral(";Icon size:") + iconSize + QStringLiteral(";Icons above:") +
           b(iconsAbove) + QStringLiteral(";Table border:") + b(tableBorder);
}

QString field(const QString& s, int P) {
    if (P < 1)
        return {};
    // Walk to part P without splitting the whole text.
    qsizetype start = 0;
    for (int part = 1; part < P; ++part) {
        const qsizetype semi = s.indexOf(QLatin1Char(';'), start);
        if (semi < 0)
            return {};
        start = semi + 1;
    }
    qsizetype end = s.indexOf(QLatin1Char(';'), start);
    if (end < 0)
        end = s.size();
    const QStringView part = QStringView(s).mid(start, end - start);
    const qsizetype colon = part.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {};
    QStringView value = part.mid(colon + 1);
    const qsizetype second = value.indexOf(QLatin1Char(':'));
    if (second >= 0)
        value = value.left(second);
    return P == 1 ? unescapeName(value.toString()) : value.toString();
}

QString settingsInWords(const QString& rowText) {
    const auto say = [](const char* text) {
        return QCoreApplication::translate("SectionRow", text);
    };
    QStringList words;
    if (const QString n = columns(rowText); !n.isEmpty())
        words << (n == QLatin1String("1")
                      ? say(QT_TRANSLATE_NOOP("SectionRow", "1 column"))
                      : say(QT_TRANSLATE_NOOP("SectionRow", "%1 columns")).arg(n));
    if (const QString size = iconSize(rowText); !size.isEmpty())
        words << say(QT_TRANSLATE_NOOP("SectionRow", "%1 px icons")).arg(size);
    // Icons stand above only for exactly "True"; empty follows the page.
    if (const QString above = iconsAbove(rowText); !above.isEmpty())
        words << (above == QLatin1String("True")
                      ? say(QT_TRANSLATE_NOOP("SectionRow", "icons above"))
                      : say(QT_TRANSLATE_NOOP("SectionRow", "icons beside")));
    // A border is drawn only for exactly "True", whatever the page says.
    words << (tableBorder(rowText) == QLatin1String("True")
                  ? say(QT_TRANSLATE_NOOP("SectionRow", "border"))
                  : say(QT_TRANSLATE_NOOP("SectionRow", "no border")));
    return words.join(QStringLiteral(" \u00b7 "));
}

QString heading(const QString& rowText) {
    return name(rowText) + QStringLiteral(" \u2014 ") + settingsInWords(rowText);
}

} // namespace ulvanta::SectionRow
