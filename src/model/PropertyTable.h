#pragma once

#include <QString>
#include <array>
#include <optional>

namespace ulvanta {

// The 36 fixed page settings, in the order document files list them. Code names
// a setting by its key; the names in PropertyTable are for showing and storing.
enum class Setting : int {
    BackgroundColour,
    BackgroundPicture,
    Closable,
    Columns,
    ExtraCommands,
    Font,
    FontBold,
    FontItalic,
    FontSize,
    FontStrikethrough,
    FontUnderline,
    FooterHtml,
    HeaderHtml,
    Height,
    Icon,
    IconSize,
    ShowExitCommand,
    ShowEditCommand,
    ShowMaximiseCommand,
    ShowMinimiseCommand,
    ShowOpenCommand,
    StartMaximised,
    TableBorder,
    TextColour,
    Title,
    Width,
    LinkColour,
    LinkVisitedColour,
    LinkActiveColour,
    LinkHoverColour,
    StyleSheet,
    MinimiseOnUse,
    IconsAbove,
    TableColour,
    HtmlFile,
    ShowRefreshCommand,
};

struct PropertyDef {
    Setting setting;
    const char* key;         // P_... (at most 8 characters; the entry name in files)
    const char* displayName; // the name the property list shows
    const char* defaultValue;
};

namespace PropertyTable {
constexpr int Count = 36;
// Property number 1..36 -> definition. The default of "Title" is computed by the
// document from the next untitled number; here it is empty.
const PropertyDef& at(int number);
// 1..36, or 0 when no property has that display name (case-sensitive).
int numberOf(const QString& displayName);
// The setting of a property number 1..36, and back.
inline Setting settingOf(int number) {
    return Setting(number - 1);
}
inline int numberOf(Setting setting) {
    return int(setting) + 1;
}
// The setting a display name stands for, as the property list shows it.
std::optional<Setting> settingNamed(const QString& displayName);
QString displayName(Setting setting);
// Property number 1..36 -> its display name, key and default; empty otherwise.
QString displayName(int number);
QString key(int number);
QString defaultValue(int number);
} // namespace PropertyTable

} // namespace ulvanta
