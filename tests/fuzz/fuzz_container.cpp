#include "FuzzInput.h"
#include "components/PackFile.h"
#include "components/UlvError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzFile(data, size);
    try {
        ulvanta::PackFile pack;
        pack.LoadPack(path);
        for (quint32 i = 1; i <= pack.entryCount(); ++i)
            pack.ReadEntry(path, pack.GetEntry(1, i).toUInt(), pack.GetEntry(2, i).toUInt());
    } catch (const ulvanta::UlvError&) {
    }
    return 0;
}
