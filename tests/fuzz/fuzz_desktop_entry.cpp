#include "FuzzInput.h"
#include "intake/DesktopEntry.h"
#include "intake/IconLookup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ulvanta::intake;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DesktopEntryReading r =
        parseDesktopEntry(bytes, QLocale(QLocale::German, QLocale::Austria));
    if (r.ok()) {
        // No theme folders: the look-up itself is not what is read from outside.
        IconLookup icons({{}, {}, {}});
        desktopEntryRow(r.entry, icons);
    }
    joinArguments(splitExec(r.entry.exec));
    return 0;
}
