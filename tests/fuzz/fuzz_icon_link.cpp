#include "FuzzInput.h"
#include "components/Error.h"
#include "launcher/IconLink.h"
#include "launcher/ShellWords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ulvanta::launcher;
    const QUrl url(fuzzText(data, size));
    const IconLink link = parseIconLink(url);
    parseWindowAction(url);
    try {
        splitArguments(link.parameters);
    } catch (const ulvanta::Error&) {
    }
    return 0;
}
