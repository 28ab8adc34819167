// Generates the page of a large document (100,000 rows in 1,000 sections) and
// compares the time with writing the same number of bytes to a file.

#include "LargeDocument.h"
#include "components/KeyValueFile.h"
#include "edits/Document.h"
#include "generator/PageWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace ulvanta;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    constexpr int kRows = 100000;
    constexpr int kSections = 1000;

    Document doc;
    doc.resetProperties();
    doc.setSetting(Setting::ShowEditCommand, QStringLiteral("True"));
    doc.items().appendItems(largeRows(kRows, kSections));

    QElapsedTimer t;
    t.start();
    const QString page = PageWriter(doc).page();
    const qint64 genNs = t.nsecsElapsed();

    const QByteArray bytes = page.toLocal8Bit();
    QTemporaryDir dir;
    t.restart();
    {
        QFile f(dir.filePath(QStringLiteral("page.htm")));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write the comparison file\n");
            return 1;
        }
    }
    const qint64 writeNs = t.nsecsElapsed();

    std::printf("rows: %d in %d sections\n", doc.items().count(), kSections);
    std::printf("page: %lld bytes\n", static_cast<long long>(bytes.size()));
    std::printf("generate: %.3f s\n", double(genNs) / 1e9);
    std::printf("write same bytes: %.3f s\n", double(writeNs) / 1e9);
    std::printf("ratio generate/write: %.2f\n", double(genNs) / double(writeNs));
    return 0;
}
