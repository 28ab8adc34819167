#include "FuzzInput.h"
#include "intake/BookmarkFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ulvanta::intake;
    isBookmarkFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    bookmarkRows(fuzzText(data, size)).notes.text(QStringLiteral("\n"));
    return 0;
}
