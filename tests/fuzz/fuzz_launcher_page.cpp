#include "FuzzInput.h"
#include "launcher/LoadedPage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString html = fuzzText(data, size);
    ulvanta::launcher::readPageTitle(html);
    ulvanta::launcher::readPageSettings(html);
    return 0;
}
