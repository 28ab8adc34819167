#include "FuzzInput.h"
#include "components/Error.h"
#include "edits/Document.h"
#include "edits/StoredRows.h"
#include "generator/PageWriter.h"

#include <cstdlib>

namespace {
// The page, or the number of the error that stops it.
QString pageOf(const ulvanta::Document& doc, const ulvanta::PageRows& rows) {
    try {
        return ulvanta::PageWriter(doc, rows).page();
    } catch (const ulvanta::Error& e) {
        return QString::number(e.number());
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzFile(data, size);
    ulvanta::Document doc;
    doc.resetProperties();
    try {
        doc.load(path);
    } catch (const ulvanta::Error&) {
        return 0;
    }
    doc.fileLock().release();
    // A file that opens has the same page when it is written from its bytes.
    ulvanta::Document settings;
    settings.resetProperties();
    ulvanta::StoredRows rows;
    settings.loadPage(path, rows);
    if (pageOf(doc, ulvanta::ListRows(doc.items())) != pageOf(settings, rows))
        abort();
    return 0;
}
