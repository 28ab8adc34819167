#include "intake/IntakeRows.h"

#include "model/SectionRow.h"

namespace ulvanta::intake {

namespace {
ItemRow iconRow(const QString& description, const QString& command, const QString& icon,
                const QString& run, const QString& comments) {
    ItemRow r;
    r[ColDescription] = description;
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

} // namespace ulvanta::intake
