#pragma once

#include <QString>
#include <array>

namespace ulvanta {

// The 36 fixed page properties, in the order document files list them.
struct PropertyDef {
    const char* key;         // P_... (at most 8 characters; the entry name in files)
    const char* displayName; // how every command addresses the property
    const char* defaultValue;
};

namespace PropertyTable {
constexpr int Count = 36;
// Property number 1..36 -> definition. The default of "Title" is computed by the
// document from the next untitled number; here it is empty.
const PropertyDef& at(int number);
// 1..36, or 0 when no property has that display name (case-sensitive).
int numberOf(const QString& displayName);
// 1..36, or 0 for a key the table does not hold.
int numberOfKey(const QString& key);
// Property number 1..36 -> its display name, key and default; empty otherwise.
QString displayName(int number);
QString key(int number);
QString defaultValue(int number);
} // namespace PropertyTable

} // namespace ulvanta
