// Times what dropping and importing cost: 1,000 dropped files (plain files,
// programs and desktop entries), read alone and dropped into the middle of a list of
// 10,000 rows, an exported bookmarks file of 20,000 links in 400 folders, and reading
// this machine's installed applications, and an icon theme of 10,000 icons read in the
// background.
#include "edits/Document.h"
#include "intake/BookmarkFile.h"
#include "intake/DroppedItems.h"
#include "intake/InstalledApplications.h"
#include "intake/ThemeIconModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
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

// 10,000 icons at three sizes. The window's thread only starts the reading and
// takes the result: the longest wait of its event loop is what a window would freeze.
void iconTheme(QCoreApplication& app, const QTemporaryDir& tmp) {
    QElapsedTimer timer;
    const auto ms = [&] { return double(timer.nsecsElapsed()) / 1e6; };
    const QString theme = tmp.filePath(QStringLiteral("icons/Big"));
    QString folders;
    for (const char* size : {"16", "32", "48"}) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(QLatin1String(size));
        QDir().mkpath(theme + QLatin1Char('/') + dir);
        folders += QStringLiteral("[%1]\nSize=%2\n").arg(dir, QLatin1String(size));
        for (int i = 0; i < 10000; ++i)
            writeFile(QStringLiteral("%1/%2/icon-%3.png").arg(theme, dir).arg(i), "x", false);
    }
    writeFile(theme + QStringLiteral("/index.theme"),
              "[Icon Theme]\nDirectories=16x16/apps,32x32/apps,48x48/apps\n" + folders.toUtf8(),
              false);
    const IconLookup::Places places{{tmp.filePath(QStringLiteral("icons"))}, {}, "Big"};
    timer.start();
    const size_t rows = size_t(ThemeIconIndex::build(places).icons().size());
    const double index = ms();
    ThemeIconModel model;
    QElapsedTimer sinceTick;
    double longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = qMax(longest, double(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.start();
    });
    QObject::connect(&model, &ThemeIconModel::loaded, &app, &QCoreApplication::quit);
    timer.start();
    model.load(places);
    const double started = ms();
    sinceTick.start();
    tick.start();
    app.exec();
    std::printf("icon theme of 10,000 icons at 3 sizes: %zu icons in %.1f ms; in the background "
                "%d icons after %.1f ms, load() took %.2f ms, the event loop waited at most "
                "%.1f ms\n",
                rows, index, model.rowCount(), ms(), started, longest);
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

    iconTheme(app, tmp);
    return 0;
}
