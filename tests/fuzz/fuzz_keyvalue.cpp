#include "FuzzInput.h"
#include "components/KeyFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ulvanta::KeyFile keys;
    keys.ParseKeys(fuzzText(data, size));
    // The page builder's icon list, looked up as the builder looks it up.
    const QString list = QStringLiteral("Icons"), prefix = QStringLiteral("EXE");
    keys.FindListEntry(list, prefix, QStringLiteral("A"), true);
    keys.FindListEntry(list, prefix, QStringLiteral("a"), false);
    keys.SetListEntry(list, prefix, QStringLiteral("B"));
    keys.toText();
    return 0;
}
