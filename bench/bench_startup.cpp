// Start-up of the editor beside the floor: a bare main window with a menu bar,
// a toolbar, tabs and a tree view. Both run offscreen and report when their
// window has first painted; the time counts from the program's start, the
// memory is the peak. Medians of alternating runs.
#include "ChildRun.h"
#include "LargeDocument.h"
#include "widgets/StartupProbe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeView>
#include <cstdlib>
#include <cstring>

namespace {

int bareWindow(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ulvanta::installStartupProbe();
    QMainWindow w;
    for (const char* title : {"&File", "&Edit", "&Help"}) {
        QMenu* menu = w.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 0; i < 8; ++i)
            menu->addAction(QStringLiteral("Command %1").arg(i));
    }
    QToolBar* bar = w.addToolBar(QStringLiteral("Toolbar"));
    for (int i = 0; i < 10; ++i)
        bar->addAction(QStringLiteral("Tool %1").arg(i));
    auto* tabs = new QTabWidget(&w);
    tabs->setTabPosition(QTabWidget::South);
    tabs->addTab(new QTreeView, QStringLiteral("Icons"));
    for (const char* title : {"Properties", "HTML", "Preview"})
        tabs->addTab(new QWidget, QString::fromLatin1(title));
    w.setCentralWidget(tabs);
    w.resize(800, 600);
    w.show();
    return app.exec();
}

struct Figures {
    double seconds = 0;
    double peakMiB = 0;
};

// One run: the time from the start until the window painted, and the peak memory.
bool measure(const std::string& program, const std::vector<std::string>& args,
             const std::string& out, Figures& f) {
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    const ChildRun r = runChild(argv, out);
    double painted = 0;
    FILE* file = std::fopen(out.c_str(), "r");
    const bool read = file && std::fscanf(file, "painted %lf", &painted) == 1;
    if (file)
        std::fclose(file);
    if (!r.ok || !read)
        return false;
    f.seconds = painted - r.started;
    f.peakMiB = r.peakMiB;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--bare") == 0)
        return bareWindow(argc, argv);

    // No application object here: a child's peak memory counts this process's
    // until it starts its program.
    QTemporaryDir home;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("ULVANTA_STARTUP_PROBE", "1", 1);
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit().constData(), 1);
    const std::string out = home.filePath(QStringLiteral("painted.txt")).toStdString();
    const std::string self = QDir(QString::fromLocal8Bit(argv[0])).absolutePath().toStdString();

    // The same start with a large document to show: what its list costs on top.
    const QString large = home.filePath(QStringLiteral("large.pmf"));
    {
        ulvanta::Document doc;
        doc.resetProperties();
        doc.items().appendItems(largeRows(100000, 1000));
        doc.save(large);
    }

    printLoad();
    std::vector<double> bareT, bareM, editorT, editorM, largeT, largeM;
    for (int run = 0; run < 9; ++run) {
        Figures bare, editor, withLarge;
        if (!measure(self, {"--bare"}, out, bare) ||
            !measure(ULVANTA_EDITOR_PROGRAM, {}, out, editor) ||
            !measure(ULVANTA_EDITOR_PROGRAM, {large.toStdString()}, out, withLarge)) {
            std::fprintf(stderr, "a run failed\n");
            return 1;
        }
        bareT.push_back(bare.seconds), bareM.push_back(bare.peakMiB);
        editorT.push_back(editor.seconds), editorM.push_back(editor.peakMiB);
        largeT.push_back(withLarge.seconds), largeM.push_back(withLarge.peakMiB);
    }
    const double t0 = median(bareT), m0 = median(bareM);
    std::printf("%-34s %9s %10s\n", "median of 9, offscreen", "shown (s)", "peak (MiB)");
    std::printf("%-34s %9.3f %10.1f\n", "floor: bare window (menu, tools, tabs, tree)", t0, m0);
    std::printf("%-34s %9.3f %10.1f   %.2fx the time, %.2fx the memory\n", "ulvanta-editor",
                median(editorT), median(editorM), median(editorT) / t0, median(editorM) / m0);
    std::printf("%-34s %9.3f %10.1f\n", "ulvanta-editor, 100000-row document", median(largeT),
                median(largeM));
    printLoad();
    return 0;
}
