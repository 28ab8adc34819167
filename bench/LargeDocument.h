#pragma once

#include "edits/Document.h"
#include "model/SectionRow.h"

#include <vector>

// A large document: rows in sections of a hundred, icons with a mix of empty
// and filled cells, a few commas and letters above "~".
inline std::vector<ulvanta::ItemRow> largeRows(int count, int sections) {
    using ulvanta::SectionRow::compose;
    const int perSection = count / sections;
    static const char* const styles[] = {"Normal Window", "Maximised Focus", "Hidden", "Hyperlink"};
    std::vector<ulvanta::ItemRow> rows;
    rows.reserve(size_t(count));
    for (int s = 0; s < sections; ++s) {
        rows.push_back({compose(QStringLiteral("Section %1").arg(s), QStringLiteral("4"),
                                QStringLiteral("32"), s % 2 == 0, s % 3 == 0),
                        {},
                        {},
                        {},
                        {},
                        {},
                        {}});
        for (int i = 1; i < perSection; ++i) {
            const int n = s * perSection + i;
            rows.push_back(
                {QStringLiteral("Program %1").arg(n), QStringLiteral("/usr/bin/program%1").arg(n),
                 i % 3 ? QString() : QStringLiteral("--open,file %1").arg(n),
                 i % 5 ? QString() : QStringLiteral("/home/user/work"),
                 i % 2 ? QString() : QStringLiteral("/usr/share/icons/p%1.png").arg(n),
                 QString::fromLatin1(styles[n % 4]),
                 i % 4 ? QString() : QStringLiteral("Runs program %1, caf\u00e9").arg(n)});
        }
    }
    return rows;
}

// Rows with every field filled, near the worst case for the page's size: a
// section every hundred rows, long commands and tips, letters above "~".
inline std::vector<ulvanta::ItemRow> denseRows(int count) {
    using ulvanta::SectionRow::compose;
    static const char* const styles[] = {"Normal Window", "Maximised Focus", "Hidden", "Hyperlink"};
    std::vector<ulvanta::ItemRow> rows;
    rows.reserve(size_t(count));
    for (int n = 0; n < count; ++n) {
        if (n % 100 == 0) {
            rows.push_back({compose(QStringLiteral("Section %1").arg(n / 100), QStringLiteral("4"),
                                    QStringLiteral("32"), n % 200 == 0, n % 300 == 0),
                            {},
                            {},
                            {},
                            {},
                            {},
                            {}});
            continue;
        }
        rows.push_back({QStringLiteral("Program %1 & caf\u00e9").arg(n),
                        QStringLiteral("/usr/local/bin/program-number-%1").arg(n),
                        QStringLiteral("--open \"file %1.txt\" --verbose").arg(n),
                        QStringLiteral("/home/user/work/project-%1").arg(n),
                        QStringLiteral("/usr/share/icons/hicolor/48x48/apps/p%1.png").arg(n),
                        QString::fromLatin1(styles[n % 4]),
                        QStringLiteral("Runs program %1 <with> \u00fcml\u00e4uts").arg(n)});
    }
    return rows;
}

// Saves a document of largeRows (or denseRows) to path.
inline void saveLargeDocument(const QString& path, int count, bool dense = false) {
    ulvanta::Document doc;
    doc.resetProperties();
    doc.setSetting(ulvanta::Setting::ShowEditCommand, QStringLiteral("True"));
    doc.items().appendItems(dense ? denseRows(count) : largeRows(count, count / 100));
    doc.save(path);
    doc.fileLock().release();
}
