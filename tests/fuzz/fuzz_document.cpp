#include "FuzzInput.h"
#include "components/UlvError.h"
#include "document/Document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzFile(data, size);
    ulvanta::Document doc;
    try {
        doc.OpenFile(path, false);
    } catch (const ulvanta::UlvError&) {
    }
    return 0;
}
