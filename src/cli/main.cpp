// ulvanta-build: prints or builds the launcher page of an Ulvanta file, with the
// same generator the editor uses.
//
//   ulvanta-build DOC.pmf           prints the page as the editor's HTML tab shows it
//   ulvanta-build DOC.pmf OUT.htm   builds OUT.htm (and its icon folder) as Build does

#include "components/Error.h"
#include "components/KeyValueFile.h"
#include "components/ProgramInfo.h"
#include "document/Document.h"
#include "generator/BuildCommand.h"
#include "generator/PageGenerator.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

using namespace ulvanta;

namespace {

void printErr(const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

const char* const kUsage = "Usage: ulvanta-build DOC.pmf [OUT.htm]\n"
                           "  DOC.pmf          print the page of the Ulvanta file\n"
                           "  DOC.pmf OUT.htm  build the page into OUT.htm and its icon folder\n";

} // namespace

int main(int argc, char* argv[]) {
    // Icons come from the GUI library; without a display it draws offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("ulvanta-build"));
    QGuiApplication::setApplicationVersion(ProgramInfo::version());

    QStringList args = QGuiApplication::arguments();
    args.removeFirst();
    if (args.size() == 1 &&
        (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.size() == 1 && args[0] == QLatin1String("--version")) {
        std::printf("ulvanta-build %s\n", qPrintable(ProgramInfo::version()));
        return 0;
    }
    if (args.size() < 1 || args.size() > 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    const QString docPath = args[0];
    Document doc;
    doc.setNextNewNumber(1);
    doc.resetProperties();
    try {
        doc.load(docPath);
    } catch (const Error& e) {
        printErr(ErrorMessages::openError(docPath, e));
        return 1;
    }
    // Only read here: no need to keep the file from other programs.
    doc.fileLock().release();

    KeyValueFile keys;
    if (args.size() == 1) {
        // The page goes out as it is made: a large one never sits in memory whole.
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            printErr(QStringLiteral("The page could not be written - ") +
                     Error(Error::DiskFull).describe());
            return 1;
        }
        try {
            PageGenerator(doc, keys).generatePage(out, false, QString());
        } catch (const Error& e) {
            // Nothing is written before the numbers are known to be good, so only a
            // failed write can end here after the first byte.
            printErr((e.number() == Error::DiskFull
                          ? QStringLiteral("The page could not be written - ")
                          : QStringLiteral("The page could not be generated - ")) +
                     e.describe());
            return 1;
        }
        return 0;
    }

    // Like the file dialog's answer, the page's path is absolute: the page refers
    // to its icon folder by it.
    const QString out = QFileInfo(args[1]).absoluteFilePath();
    try {
        BuiltPage::build(doc, keys, out);
    } catch (const Error& e) {
        printErr(ErrorMessages::buildError(out, e));
        return 1;
    }
    return 0;
}
