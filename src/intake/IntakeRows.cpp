#include "intake/IntakeRows.h"

#include "model/SectionRow.h"

#include <QCoreApplication>
#include <QStringList>

namespace ulvanta::intake {

namespace {
ItemRow iconRow(const QString& description, const QString& command, const QString& icon,
                const QString& run, const QString& comments) {
    ItemRow r;
    r[ColDescription] = iconDescription(description);
    r[ColCommand] = command;
    r[ColIcon] = icon;
    r[ColRun] = run;
    r[ColComments] = comments;
    return r;
}
} // namespace

ItemRow programRow(const QString& description, const QString& command, const QString& parameters,
                   const QString& startIn, const QString& icon, const QString& comments) {
    ItemRow r = iconRow(description, command, icon, runStyles().first(), comments);
    r[ColParameters] = parameters;
    r[ColStartIn] = startIn;
    return r;
}

ItemRow hyperlinkRow(const QString& description, const QString& address, const QString& icon,
                     const QString& comments) {
    return iconRow(description, address, icon, runStyles()[HyperlinkRunStyle], comments);
}

ItemRow sectionRow(const QString& name) {
    ItemRow r;
    r[ColDescription] =
        SectionRow::marker() + SectionRow::escapeName(name) + SectionRow::defaultTail();
    return r;
}

bool startsProgram(QStringView address) {
    qsizetype i = 0;
    while (i < address.size() && address[i].isSpace())
        ++i;
    const QStringView a = address.mid(i);
    for (const char* scheme : {"pm:", "pmc:", "javascript:", "data:"})
        if (a.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    return false;
}

QString iconDescription(const QString& description) {
    if (!SectionRow::isSection(description))
        return description;
    QString d = description;
    d.insert(SectionRow::marker().size() - 1, QLatin1Char(' '));
    return d;
}

bool IntakeNotes::refuses(QStringView address) {
    const bool refused = startsProgram(address);
    programLinks += refused;
    return refused;
}

QString IntakeNotes::description(const QString& text) {
    QString d = iconDescription(text);
    sectionTitles += d.size() != text.size();
    return d;
}

QString IntakeNotes::text(const QString& separator) const {
    QStringList lines;
    // The plural forms, English ones too, come from the translation.
    if (programLinks > 0)
        lines << QCoreApplication::translate("ulvanta::intake::IntakeNotes",
                                             "%n link(s) skipped: it would start a program",
                                             nullptr, programLinks);
    if (sectionTitles > 0)
        lines << QCoreApplication::translate(
            "ulvanta::intake::IntakeNotes",
            "%n title(s) changed so that it does not read as a section", nullptr, sectionTitles);
    return lines.join(separator);
}

} // namespace ulvanta::intake
