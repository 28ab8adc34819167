#include "FuzzInput.h"
#include "intake/DroppedItems.h"

#include <QMimeData>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A dropped .desktop file would read the icon themes; there are none to read.
    qputenv("XDG_DATA_HOME", "/nonexistent");
    qputenv("XDG_DATA_DIRS", "/nonexistent");
    return 0;
}

// The first byte picks the format a drag offers; the rest is its data.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const char* const formats[] = {"text/x-moz-url", "_NETSCAPE_URL", "text/uri-list",
                                          "text/plain"};
    QMimeData mime;
    mime.setData(QString::fromLatin1(formats[data[0] % 4]),
                 QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    ulvanta::intake::rowsFromDrop(mime, QLocale::c());
    return 0;
}
