#include "FuzzInput.h"
#include "components/EntryContainer.h"
#include "components/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzFile(data, size);
    try {
        ulvanta::EntryContainer pack;
        pack.load(path);
        for (quint32 i = 1; i <= pack.entryCount(); ++i)
            pack.readEntry(path, pack.entryPosition(i), pack.entryLength(i));
    } catch (const ulvanta::Error&) {
    }
    return 0;
}
