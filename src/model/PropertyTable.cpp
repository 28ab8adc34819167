#include "model/PropertyTable.h"

#include <QHash>

namespace ulvanta::PropertyTable {

namespace {
constexpr std::array<PropertyDef, Count> kTable{{
    {Setting::BackgroundColour, "P_BACK_C", "Background colour", ""},
    {Setting::BackgroundPicture, "P_BACK_P", "Background picture", ""},
    {Setting::Closable, "P_CLOSE", "Closable", "True"},
    {Setting::Columns, "P_COLUMN", "Columns", "5"},
    {Setting::ExtraCommands, "P_EC", "Extra commands", "True"},
    {Setting::Font, "P_FONT", "Font", ""},
    {Setting::FontBold, "P_FONT_B", "Font bold", "False"},
    {Setting::FontItalic, "P_FONT_I", "Font italic", "False"},
    {Setting::FontSize, "P_FONT_Z", "Font size", ""},
    {Setting::FontStrikethrough, "P_FONT_S", "Font strikethrough", "False"},
    {Setting::FontUnderline, "P_FONT_U", "Font underline", "False"},
    {Setting::FooterHtml, "P_FOOTER", "Footer HTML", ""},
    {Setting::HeaderHtml, "P_HEADER", "Header HTML", ""},
    {Setting::Height, "P_HEIGHT", "Height", "412"},
    {Setting::Icon, "P_ICON", "Icon", ""},
    {Setting::IconSize, "P_ICON_Z", "Icon size", "32"},
    {Setting::ShowExitCommand, "P_SHOW_E", "Show exit command", "False"},
    {Setting::ShowEditCommand, "P_SHOW_D", "Show edit command", "False"},
    {Setting::ShowMaximiseCommand, "P_SHOW_X", "Show maximise command", "False"},
    {Setting::ShowMinimiseCommand, "P_SHOW_N", "Show minimise command", "False"},
    {Setting::ShowOpenCommand, "P_SHOW_O", "Show open command", "False"},
    {Setting::StartMaximised, "P_MAX", "Start maximised", "False"},
    {Setting::TableBorder, "P_TABL_B", "Table border", "False"},
    {Setting::TextColour, "P_TEXT_C", "Text colour", ""},
    {Setting::Title, "P_TITLE", "Title", ""},
    {Setting::Width, "P_WIDTH", "Width", "492"},
    {Setting::LinkColour, "P_LINK_C", "Link colour", ""},
    {Setting::LinkVisitedColour, "P_LINK_V", "Link visited colour", ""},
    {Setting::LinkActiveColour, "P_LINK_A", "Link active colour", ""},
    {Setting::LinkHoverColour, "P_LINK_H", "Link hover colour", ""},
    {Setting::StyleSheet, "P_CSS", "Style sheet", ""},
    {Setting::MinimiseOnUse, "P_MIN", "Minimise on use", "False"},
    {Setting::IconsAbove, "P_ICON_A", "Icons above", "True"},
    {Setting::TableColour, "P_TABL_C", "Table colour", ""},
    {Setting::HtmlFile, "P_HTMFLE", "(HTML File)", ""},
    {Setting::ShowRefreshCommand, "P_SHOW_R", "Show refresh command", "False"},
}};

template <typename Field> QHash<QString, int> buildIndex(Field field) {
    QHash<QString, int> h;
    for (int i = 0; i < Count; ++i)
        h.insert(QString::fromLatin1(field(kTable[size_t(i)])), i + 1);
    return h;
}
// The table lists every setting in the enum's order.
constexpr bool inEnumOrder() {
    for (int i = 0; i < Count; ++i) {
        if (int(kTable[size_t(i)].setting) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder());
} // namespace

const PropertyDef& at(int number) {
    return kTable.at(size_t(number - 1));
}

int numberOf(const QString& displayName) {
    static const auto idx = buildIndex([](const PropertyDef& d) { return d.displayName; });
    return idx.value(displayName, 0);
}

std::optional<Setting> settingNamed(const QString& displayName) {
    const int number = numberOf(displayName);
    return number == 0 ? std::nullopt : std::optional<Setting>(settingOf(number));
}

QString displayName(Setting setting) {
    return displayName(numberOf(setting));
}

QString displayName(int number) {
    return number < 1 || number > Count ? QString() : QString::fromLatin1(at(number).displayName);
}

QString key(int number) {
    return number < 1 || number > Count ? QString() : QString::fromLatin1(at(number).key);
}

QString defaultValue(int number) {
    return number < 1 || number > Count ? QString() : QString::fromLatin1(at(number).defaultValue);
}

} // namespace ulvanta::PropertyTable
