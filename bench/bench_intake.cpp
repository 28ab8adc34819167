// Times what dropping and importing cost: 1,000 dropped files (plain files,
// programs and desktop entries), read alone and dropped into the middle of a list of
// 10,000 rows, an exported bookmarks file of 20,000 links in 400 folders, and reading
// this machine's installed applications.
#include "edits/Document.h"
#include "intake/BookmarkFile.h"
#include "intake/DroppedItems.h"
#include "intake/InstalledApplications.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <cstdio>

using namespace ulvanta::intake;

namespace {

void writeFile(const QString& path, const QByteArray& bytes, bool executable) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(bytes);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    QElapsedTimer timer;
    const auto ms = [&] { return double(timer.nsecsElapsed()) / 1e6; };

    QList<QUrl> urls;
    for (int i = 0; i < 1000; ++i) {
        const bool entry = i % 100 == 0, program = i % 10 == 1;
        const QString path = tmp.filePath(QStringLiteral("file-%1.%2")
                                              .arg(i)
                                              .arg(entry     ? QStringLiteral("desktop")
                                                   : program ? QStringLiteral("sh")
                                                             : QStringLiteral("txt")));
        writeFile(path,
                  entry ? QByteArrayLiteral("[Desktop Entry]\nType=Application\nName=App\n"
                                            "Exec=app %U\nIcon=app\n")
                        : QByteArrayLiteral("x"),
                  program);
        urls << QUrl::fromLocalFile(path);
    }
    QMimeData data;
    data.setUrls(urls);
    size_t rows = 0;
    timer.start();
    rows = rowsFromDrop(data).rows.size();
    const double drop = ms();
    std::printf("drop of 1,000 files: %zu rows in %.1f ms\n", rows, drop);

    ulvanta::Document doc;
    doc.items().appendItems(std::vector<ulvanta::ItemRow>(10000, ulvanta::ItemRow{"Icon", "x"}));
    timer.start();
    doc.items().dropMimeData(&data, Qt::CopyAction, 5000, 0, {});
    const double dropped = ms();
    std::printf("the same dropped into 10,000 rows: %d rows in %.1f ms\n", doc.items().count(),
                dropped);

    QString page = QStringLiteral("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n");
    for (int f = 0; f < 400; ++f) {
        page +=
            QStringLiteral("<DT><H3 ADD_DATE=\"1\">Folder %1 &amp; more</H3>\n<DL><p>\n").arg(f);
        for (int l = 0; l < 50; ++l)
            page += QStringLiteral("<DT><A HREF=\"https://example.org/%1/%2?a=1&amp;b=2\" "
                                   "ADD_DATE=\"1\" ICON=\"data:image/png;base64,%3\">Link "
                                   "&#39;%2&#39;</A>\n")
                        .arg(f)
                        .arg(l)
                        .arg(QString(200, QLatin1Char('A')));
        page += QStringLiteral("</DL><p>\n");
    }
    page += QStringLiteral("</DL>\n");
    timer.start();
    rows = bookmarkRows(page).rows.size();
    const double marks = ms();
    std::printf("bookmarks (%lld KB): %zu rows in %.1f ms\n", qlonglong(page.size() / 1024), rows,
                marks);

    timer.start();
    rows = installedApplications().size();
    const double apps = ms();
    std::printf("installed applications: %zu in %.1f ms\n", rows, apps);
    return 0;
}
