#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QString>
#include <optional>

namespace ulvanta {

// Colours and icons that stay legible whatever the palette, light or dark.
namespace PaletteContrast {

// The contrast of two colours as accessibility guidelines measure it: from 1
// (none) to 21 (black on white).
double ratio(const QColor& a, const QColor& b);

// An icon legible on the background: on a dark one, an icon whose drawing
// stands out too little from it (a black arrow) is drawn in the text colour.
QImage legibleIcon(const QImage& icon, const QColor& background, const QColor& text);
// The same for every size of an icon shown on the palette's window colour, or on
// its base colour (a list's) with the base's text.
QIcon legibleIcon(const QIcon& icon, const QPalette& palette,
                  QPalette::ColorRole background = QPalette::Window);

// A lighter tone of the text for less important words beside it (a section's
// settings after its name): as far towards the background as text stays legible.
QColor softerText(const QColor& text, const QColor& background);

// The help pages' colours for a palette: none for a light one, which the pages'
// own colours are made for; for a dark one, headings and the backgrounds of code
// and table heads that keep their contrast with the palette's text and base.
struct HelpColours {
    QColor heading;
    QColor code;
    QColor tableHead;
};
std::optional<HelpColours> helpColours(const QPalette& palette);
// Those colours as style rules that follow the pages' own; empty for a light palette.
QString helpStyleSheet(const QPalette& palette);

} // namespace PaletteContrast
} // namespace ulvanta
