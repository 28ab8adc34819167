#include "model/PropertyTable.h"

#include <QCoreApplication>

#include <QHash>

namespace ulvanta::PropertyTable {

namespace {
constexpr std::array<PropertyDef, Count> kTable{{
    {Setting::BackgroundColour, "P_BACK_C", QT_TRANSLATE_NOOP("PropertyTable", "Background colour"),
     ""},
    {Setting::BackgroundPicture, "P_BACK_P",
     QT_TRANSLATE_NOOP("PropertyTable", "Background picture"), ""},
    {Setting::Closable, "P_CLOSE", QT_TRANSLATE_NOOP("PropertyTable", "Closable"), "True"},
    {Setting::Columns, "P_COLUMN", QT_TRANSLATE_NOOP("PropertyTable", "Columns"), "5"},
    {Setting::ExtraCommands, "P_EC", QT_TRANSLATE_NOOP("PropertyTable", "Extra commands"), "True"},
    {Setting::Font, "P_FONT", QT_TRANSLATE_NOOP("PropertyTable", "Font"), ""},
    {Setting::FontBold, "P_FONT_B", QT_TRANSLATE_NOOP("PropertyTable", "Font bold"), "False"},
    {Setting::FontItalic, "P_FONT_I", QT_TRANSLATE_NOOP("PropertyTable", "Font italic"), "False"},
    {Setting::FontSize, "P_FONT_Z", QT_TRANSLATE_NOOP("PropertyTable", "Font size"), ""},
    {Setting::FontStrikethrough, "P_FONT_S",
     QT_TRANSLATE_NOOP("PropertyTable", "Font strikethrough"), "False"},
    {Setting::FontUnderline, "P_FONT_U", QT_TRANSLATE_NOOP("PropertyTable", "Font underline"),
     "False"},
    {Setting::FooterHtml, "P_FOOTER", QT_TRANSLATE_NOOP("PropertyTable", "Footer HTML"), ""},
    {Setting::HeaderHtml, "P_HEADER", QT_TRANSLATE_NOOP("PropertyTable", "Header HTML"), ""},
    {Setting::Height, "P_HEIGHT", QT_TRANSLATE_NOOP("PropertyTable", "Height"), "412"},
    {Setting::Icon, "P_ICON", QT_TRANSLATE_NOOP("PropertyTable", "Icon"), ""},
    {Setting::IconSize, "P_ICON_Z", QT_TRANSLATE_NOOP("PropertyTable", "Icon size"), "32"},
    {Setting::ShowExitCommand, "P_SHOW_E", QT_TRANSLATE_NOOP("PropertyTable", "Show exit command"),
     "False"},
    {Setting::ShowEditCommand, "P_SHOW_D", QT_TRANSLATE_NOOP("PropertyTable", "Show edit command"),
     "False"},
    {Setting::ShowMaximiseCommand, "P_SHOW_X",
     QT_TRANSLATE_NOOP("PropertyTable", "Show maximise command"), "False"},
    {Setting::ShowMinimiseCommand, "P_SHOW_N",
     QT_TRANSLATE_NOOP("PropertyTable", "Show minimise command"), "False"},
    {Setting::ShowOpenCommand, "P_SHOW_O", QT_TRANSLATE_NOOP("PropertyTable", "Show open command"),
     "False"},
    {Setting::StartMaximised, "P_MAX", QT_TRANSLATE_NOOP("PropertyTable", "Start maximised"),
     "False"},
    {Setting::TableBorder, "P_TABL_B", QT_TRANSLATE_NOOP("PropertyTable", "Table border"), "False"},
    {Setting::TextColour, "P_TEXT_C", QT_TRANSLATE_NOOP("PropertyTable", "Text colour"), ""},
    {Setting::Title, "P_TITLE", QT_TRANSLATE_NOOP("PropertyTable", "Title"), ""},
    {Setting::Width, "P_WIDTH", QT_TRANSLATE_NOOP("PropertyTable", "Width"), "492"},
    {Setting::LinkColour, "P_LINK_C", QT_TRANSLATE_NOOP("PropertyTable", "Link colour"), ""},
    {Setting::LinkVisitedColour, "P_LINK_V",
     QT_TRANSLATE_NOOP("PropertyTable", "Link visited colour"), ""},
    {Setting::LinkActiveColour, "P_LINK_A",
     QT_TRANSLATE_NOOP("PropertyTable", "Link active colour"), ""},
    {Setting::LinkHoverColour, "P_LINK_H", QT_TRANSLATE_NOOP("PropertyTable", "Link hover colour"),
     ""},
    {Setting::StyleSheet, "P_CSS", QT_TRANSLATE_NOOP("PropertyTable", "Style sheet"), ""},
    {Setting::MinimiseOnUse, "P_MIN", QT_TRANSLATE_NOOP("PropertyTable", "Minimise on use"),
     "False"},
    {Setting::IconsAbove, "P_ICON_A", QT_TRANSLATE_NOOP("PropertyTable", "Icons above"), "True"},
    {Setting::TableColour, "P_TABL_C", QT_TRANSLATE_NOOP("PropertyTable", "Table colour"), ""},
    {Setting::HtmlFile, "P_HTMFLE", QT_TRANSLATE_NOOP("PropertyTable", "(HTML File)"), ""},
    {Setting::ShowRefreshCommand, "P_SHOW_R",
     QT_TRANSLATE_NOOP("PropertyTable", "Show refresh command"), "False"},
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
