#include "FuzzInput.h"
#include "components/KeyValueFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ulvanta::KeyValueFile keys;
    keys.parse(fuzzText(data, size));
    // The page builder's icon list, looked up as the builder looks it up.
    const QString list = QStringLiteral("Icons"), prefix = QStringLiteral("EXE");
    keys.findListEntry(list, prefix, QStringLiteral("A"), true);
    keys.findListEntry(list, prefix, QStringLiteral("a"), false);
    keys.setListEntry(list, prefix, QStringLiteral("B"));
    keys.toText();
    return 0;
}
