// Runs ulvanta-build on a 100,000-row document with every field filled, printing the page and
// building it into a file, beside the floor: reading the document file and copying a page of
// the same size, as `cat` does. Times and peak memory are medians.
#include "ChildRun.h"
#include "LargeDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <unistd.h>

namespace {

// The floor, what `cat DOC > /dev/null; cat PAGE > OUT` does: the document read
// through a small buffer, then the page copied through it. With `durable`, the
// copy is also flushed to disk, as a build does before its page replaces the old.
int copyFloor(const char* document, const char* page, const char* out, bool durable) {
    std::vector<char> buffer(128 * 1024);
    const auto copy = [&](const char* from, FILE* to) {
        FILE* f = std::fopen(from, "rb");
        if (!f)
            return false;
        bool ok = true;
        for (size_t n; ok && (n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0;)
            ok = !to || std::fwrite(buffer.data(), 1, n, to) == n;
        std::fclose(f);
        return ok;
    };
    FILE* o = std::fopen(out, "wb");
    if (!o)
        return 1;
    const bool ok = copy(document, nullptr) && copy(page, o) && std::fflush(o) == 0 &&
                    (!durable || fdatasync(fileno(o)) == 0);
    return std::fclose(o) == 0 && ok ? 0 : 1;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 5 && std::strcmp(argv[1], "--floor") == 0)
        return copyFloor(argv[2], argv[3], argv[4], false);
    if (argc == 5 && std::strcmp(argv[1], "--durable-floor") == 0)
        return copyFloor(argv[2], argv[3], argv[4], true);
    if (argc == 3 && std::strcmp(argv[1], "--make") == 0) {
        QCoreApplication app(argc, argv);
        saveLargeDocument(QString::fromLocal8Bit(argv[2]), 100000, true);
        return 0;
    }

    // A child's peak memory counts its parent's until it starts its program, so
    // this process stays small: the document is made by a child too.
    QTemporaryDir dir;
    const std::string doc = dir.filePath(QStringLiteral("large.pmf")).toStdString();
    const std::string printed = dir.filePath(QStringLiteral("printed.htm")).toStdString();
    const std::string built = dir.filePath(QStringLiteral("built.htm")).toStdString();
    const std::string copied = dir.filePath(QStringLiteral("copied.htm")).toStdString();
    const std::string builder = ULVANTA_BUILD_PROGRAM;
    const std::string self =
        QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath().toStdString();
    if (!runChild({self, "--make", doc}).ok)
        return 1;

    printLoad();
    std::vector<double> tFloor, mFloor, tPrint, mPrint, tBuild, mBuild, tDurable, mDurable;
    for (int run = 0; run < 7; ++run) {
        const ChildRun p = runChild({builder, doc}, printed);
        const ChildRun b = runChild({builder, doc, built});
        const ChildRun f = runChild({self, "--floor", doc, printed, copied});
        const ChildRun d = runChild({self, "--durable-floor", doc, printed, copied});
        if (!p.ok || !b.ok || !f.ok || !d.ok) {
            std::fprintf(stderr, "a run failed\n");
            return 1;
        }
        tPrint.push_back(p.seconds), mPrint.push_back(p.peakMiB);
        tBuild.push_back(b.seconds), mBuild.push_back(b.peakMiB);
        tFloor.push_back(f.seconds), mFloor.push_back(f.peakMiB);
        tDurable.push_back(d.seconds), mDurable.push_back(d.peakMiB);
    }
    const QByteArray page = contents(QString::fromStdString(printed));
    const bool same = !page.isEmpty() && page == contents(QString::fromStdString(built));
    std::printf("document: %lld bytes, page: %lld bytes (printed and built pages %s)\n",
                static_cast<long long>(QFileInfo(QString::fromStdString(doc)).size()),
                static_cast<long long>(page.size()), same ? "identical" : "DIFFER");
    const double floorT = median(tFloor), floorM = median(mFloor);
    std::printf("%-28s %8s %10s\n", "median of 7", "time (s)", "peak (MiB)");
    std::printf("%-28s %8.3f %10.1f\n", "floor: cat DOC, cat PAGE", floorT, floorM);
    std::printf("%-28s %8.3f %10.1f   %.1fx the floor's time\n", "ulvanta-build DOC",
                median(tPrint), median(mPrint), median(tPrint) / floorT);
    std::printf("%-28s %8.3f %10.1f   %.1fx the floor's time\n", "ulvanta-build DOC OUT",
                median(tBuild), median(mBuild), median(tBuild) / floorT);
    // A build flushes its page to disk before it takes the old one's place.
    const double durableT = median(tDurable);
    std::printf("%-28s %8.3f %10.1f\n", "floor flushed to disk", durableT, median(mDurable));
    std::printf("%-28s %8s %10s   %.1fx the flushed floor's time\n", "ulvanta-build DOC OUT", "",
                "", median(tBuild) / durableT);
    printLoad();
    return same ? 0 : 1;
}
