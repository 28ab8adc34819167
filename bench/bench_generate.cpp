// Generates the page of a large document (100,000 rows in 1,000 sections) and
// compares the time with writing the same number of bytes to a file.

#include "components/KeyValueFile.h"
#include "document/Document.h"
#include "document/SectionRow.h"
#include "generator/PageGenerator.h"

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
    constexpr int kPerSection = kRows / kSections;

    Document doc;
    doc.resetProperties();
    doc.setSetting(QStringLiteral("Show edit command"), QStringLiteral("True"));
    static const char* const styles[] = {"Normal Window", "Maximised Focus", "Hidden", "Hyperlink"};
    std::vector<ItemRow> rows;
    rows.reserve(kRows);
    for (int s = 0; s < kSections; ++s) {
        rows.push_back(
            {SectionRow::compose(QStringLiteral("Section %1").arg(s), QStringLiteral("4"),
                                 QStringLiteral("32"), s % 2 == 0, s % 3 == 0),
             {},
             {},
             {},
             {},
             {},
             {}});
        for (int i = 1; i < kPerSection; ++i) {
            const int n = s * kPerSection + i;
            rows.push_back(
                {QStringLiteral("Program %1").arg(n), QStringLiteral("/usr/bin/program%1").arg(n),
                 i % 3 ? QString() : QStringLiteral("--open,file %1").arg(n),
                 i % 5 ? QString() : QStringLiteral("/home/user/work"),
                 i % 2 ? QString() : QStringLiteral("/usr/share/icons/p%1.png").arg(n),
                 QString::fromLatin1(styles[n % 4]),
                 i % 4 ? QString() : QStringLiteral("Runs program %1, caf\u00e9").arg(n)});
        }
    }
    doc.items().appendItems(std::move(rows));

    KeyValueFile keys;
    QElapsedTimer t;
    t.start();
    const QString page = PageGenerator(doc, keys).generatePage(false, QString());
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
