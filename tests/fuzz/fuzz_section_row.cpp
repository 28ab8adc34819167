#include "FuzzInput.h"
#include "model/SectionRow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ulvanta::SectionRow;
    const QString row = fuzzText(data, size);
    for (int number = 0; number <= 6; ++number)
        field(row, number);
    name(row);
    unescapeName(row);
    // What escapeName writes, unescapeName reads back.
    if (unescapeName(escapeName(row)) != row)
        abort();
    return 0;
}
