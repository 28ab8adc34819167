#include "model/PropertyTable.h"

#include <QHash>

namespace ulvanta::PropertyTable {

namespace {
constexpr std::array<PropertyDef, Count> kTable{{
    {"P_BACK_C", "Background colour", ""},
    {"P_BACK_P", "Background picture", ""},
    {"P_CLOSE", "Closable", "True"},
    {"P_COLUMN", "Columns", "5"},
    {"P_EC", "Extra commands", "True"},
    {"P_FONT", "Font", ""},
    {"P_FONT_B", "Font bold", "False"},
    {"P_FONT_I", "Font italic", "False"},
    {"P_FONT_Z", "Font size", ""},
    {"P_FONT_S", "Font strikethrough", "False"},
    {"P_FONT_U", "Font underline", "False"},
    {"P_FOOTER", "Footer HTML", ""},
    {"P_HEADER", "Header HTML", ""},
    {"P_HEIGHT", "Height", "412"},
    {"P_ICON", "Icon", ""},
    {"P_ICON_Z", "Icon size", "32"},
    {"P_SHOW_E", "Show exit command", "False"},
    {"P_SHOW_D", "Show edit command", "False"},
    {"P_SHOW_X", "Show maximise command", "False"},
    {"P_SHOW_N", "Show minimise command", "False"},
    {"P_SHOW_O", "Show open command", "False"},
    {"P_MAX", "Start maximised", "False"},
    {"P_TABL_B", "Table border", "False"},
    {"P_TEXT_C", "Text colour", ""},
    {"P_TITLE", "Title", ""},
    {"P_WIDTH", "Width", "492"},
    {"P_LINK_C", "Link colour", ""},
    {"P_LINK_V", "Link visited colour", ""},
    {"P_LINK_A", "Link active colour", ""},
    {"P_LINK_H", "Link hover colour", ""},
    {"P_CSS", "Style sheet", ""},
    {"P_MIN", "Minimise on use", "False"},
    {"P_ICON_A", "Icons above", "True"},
    {"P_TABL_C", "Table colour", ""},
    {"P_HTMFLE", "(HTML File)", ""},
    {"P_SHOW_R", "Show refresh command", "False"},
}};

template <typename Field> QHash<QString, int> buildIndex(Field field) {
    QHash<QString, int> h;
    for (int i = 0; i < Count; ++i)
        h.insert(QString::fromLatin1(field(kTable[size_t(i)])), i + 1);
    return h;
}
} // namespace

const PropertyDef& at(int number) {
    return kTable.at(size_t(number - 1));
}

int numberOf(const QString& displayName) {
    static const auto idx = buildIndex([](const PropertyDef& d) { return d.displayName; });
    return idx.value(displayName, 0);
}

int numberOfKey(const QString& key) {
    static const auto idx = buildIndex([](const PropertyDef& d) { return d.key; });
    return idx.value(key, 0);
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
