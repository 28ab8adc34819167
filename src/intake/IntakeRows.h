#pragma once

#include "model/ItemList.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace ulvanta::intake {

// An icon row that starts a program or opens a file: run style "Normal Window",
// as a fresh icon dialog gives it.
ItemRow programRow(const QString& description, const QString& command,
                   const QString& parameters = {}, const QString& startIn = {},
                   const QString& icon = {}, const QString& comments = {});
// An icon row that opens a web address (run style "Hyperlink").
ItemRow hyperlinkRow(const QString& description, const QString& address, const QString& icon = {},
                     const QString& comments = {});
// A section row with the default options.
ItemRow sectionRow(const QString& name);

// True for an address that the launcher would treat as a program to start (pm:,
// pmc:) or that runs code of its own (javascript:, data:), in any case and after
// leading blanks. Nothing brought in from outside may carry one.
bool startsProgram(QStringView address);

// The description changed just enough (a space before the marker's colon) that
// an icon row holding it does not read as a section row.
QString iconDescription(const QString& description);

// What an import or a drop left out or changed, for its result.
struct IntakeNotes {
    int programLinks = 0;  // refused: startsProgram
    int sectionTitles = 0; // changed by iconDescription

    // True, and counted, when the address is refused.
    bool refuses(QStringView address);
    // iconDescription, counted when it changes the text.
    QString description(const QString& text);
    // One line per kind of note, joined by separator; empty when nothing to say.
    QString text(const QString& separator) const;
};

// The rows something read from outside becomes, and what it left out or changed.
struct IntakeResult {
    std::vector<ItemRow> rows;
    IntakeNotes notes;
};

} // namespace ulvanta::intake
