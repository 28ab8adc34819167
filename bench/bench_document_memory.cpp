// The memory a loaded 100,000-row document holds: resident memory after opening
// it, above the idle state of the same process, beside the file's size.
#include "ChildRun.h"
#include "LargeDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>

namespace {

// Resident memory now, in bytes.
double residentBytes() {
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    const int read = std::fscanf(f, "%ld %ld", &pages, &resident);
    std::fclose(f);
    return read == 2 ? double(resident) * double(sysconf(_SC_PAGESIZE)) : 0;
}

// Opens the document in a fresh process and prints the resident memory it adds.
int measureLoad(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ulvanta::Document doc;
    doc.resetProperties();
    const double idle = residentBytes();
    QElapsedTimer t;
    t.start();
    doc.load(QString::fromLocal8Bit(argv[2]));
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    std::printf("%.0f %.3f %d\n", residentBytes() - idle, seconds, doc.items().count());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--load") == 0)
        return measureLoad(argc, argv);

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString doc = dir.filePath(QStringLiteral("large.pmf"));
    saveLargeDocument(doc, 100000);
    const double fileBytes = double(QFileInfo(doc).size());
    const std::string out = dir.filePath(QStringLiteral("load.txt")).toStdString();

    printLoad();
    std::vector<double> held, seconds;
    for (int run = 0; run < 5; ++run) {
        if (!runChild({QCoreApplication::applicationFilePath().toStdString(), "--load",
                       doc.toStdString()},
                      out)
                 .ok)
            return 1;
        double bytes = 0, s = 0;
        int rows = 0;
        FILE* f = std::fopen(out.c_str(), "r");
        const bool read = f && std::fscanf(f, "%lf %lf %d", &bytes, &s, &rows) == 3;
        if (f)
            std::fclose(f);
        if (!read || rows != 100000)
            return 1;
        held.push_back(bytes), seconds.push_back(s);
    }
    const double h = median(held);
    std::printf("document file (floor): %.1f MiB; held after opening: %.1f MiB = %.2fx the "
                "file; open: %.3f s (medians of 5)\n",
                fileBytes / 1048576, h / 1048576, h / fileBytes, median(seconds));
    return 0;
}
