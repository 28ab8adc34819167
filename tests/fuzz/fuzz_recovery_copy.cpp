#include "FuzzInput.h"
#include "file/RecoveryStore.h"

#include <QTemporaryDir>

// A copy left by an editor that is gone: its .info is the bytes up to the first NUL,
// its document the bytes after it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    static ulvanta::RecoveryStore store(folder.path());
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = bytes.indexOf('\0');
    for (const auto& [suffix, content] :
         {std::pair{".info", bytes.left(nul < 0 ? bytes.size() : nul)},
          std::pair{".pmf", nul < 0 ? QByteArray() : bytes.mid(nul + 1)}}) {
        QFile f(folder.filePath(QStringLiteral("orphan") + QLatin1String(suffix)));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(content) != content.size())
            abort();
    }
    for (const ulvanta::RecoveryCopy& copy : store.claimOrphans())
        store.discard(copy.id);
    return 0;
}
