#include "FuzzInput.h"
#include "components/Error.h"
#include "edits/Document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzFile(data, size);
    ulvanta::Document doc;
    try {
        doc.load(path);
    } catch (const ulvanta::Error&) {
    }
    return 0;
}
