#pragma once

#include "model/ItemList.h"

#include <QString>

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

} // namespace ulvanta::intake
