// ulvanta-build: prints or builds the launcher page of an Ulvanta file, with the
// same generator the editor uses.
//
//   ulvanta-build DOC.pmf           prints the page as the editor's HTML tab shows it
//   ulvanta-build DOC.pmf OUT.htm   builds OUT.htm (and its icon folder) as Build does
//   ulvanta-build --check DOC.pmf   lists what the page relies on that is missing

#include "cli/OnlineCheck.h"
#include "components/CommandLine.h"
#include "components/Error.h"
#include "components/ProgramInfo.h"
#include "components/Translations.h"
#include "edits/Document.h"
#include "edits/StoredRows.h"
#include "generator/BuildController.h"
#include "generator/PageCheck.h"
#include "generator/PageWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>

using namespace ulvanta;

namespace {

void printErr(const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

QString usage() {
    return QCoreApplication::translate(
        "BuildProgram",
        "Usage: ulvanta-build DOC.pmf [OUT.htm]\n"
        "       ulvanta-build --check [--online] DOC.pmf\n"
        "  DOC.pmf          print the page of the Ulvanta file\n"
        "  DOC.pmf OUT.htm  build the page into OUT.htm and its icon folder\n"
        "  --check          check the programs, folders and files the page relies on;\n"
        "                   one line per problem, exit status 1 when there are any\n"
        "  --online         with --check, also request every http and https address\n"
        "  --help           show this help\n"
        "  --version        show the version\n");
}

void print(FILE* to, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

// Only the builder's own messages reach standard error, not the library's notes
// (a missing runtime folder, an empty file name, ...).
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        printErr(text);
}

// What the command line asks for: the documents' and pages' own bytes (the
// application has taken out its options), as file names rather than text. Read
// without a word said, so that it can be read before the application starts.
struct Request {
    enum Answer { Run, Help, Version, UnknownOption, Usage };
    QList<QByteArray> args;
    bool check = false;
    bool online = false;
    Answer answer = Run;
    QByteArray unknown; // the unknown option
};

Request readArguments(int argc, char* argv[]) {
    Request r;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            return {{}, false, false, Request::Help, {}};
        } else if (options && arg == "--version") {
            return {{}, false, false, Request::Version, {}};
        } else if (options && arg == "--check") {
            r.check = true;
        } else if (options && arg == "--online") {
            r.online = true;
        } else if (options && arg.size() > 1 && arg.startsWith('-')) {
            return {{}, false, false, Request::UnknownOption, arg};
        } else {
            r.args.append(arg);
        }
    }
    const qsizetype most = r.check ? 1 : 2;
    if (r.args.size() < 1 || r.args.size() > most || (r.online && !r.check))
        r.answer = Request::Usage;
    return r;
}

// Answers a command line that asks for no page; its exit status, or -1 for one
// that does.
int answer(const Request& request) {
    switch (request.answer) {
    case Request::Run:
        return -1;
    case Request::Help:
        print(stdout, usage());
        return 0;
    case Request::Version:
        std::printf("ulvanta-build %s\n", qPrintable(ProgramInfo::version()));
        return 0;
    case Request::UnknownOption:
        printErr(QCoreApplication::translate("BuildProgram", "ulvanta-build: unknown option '%1'")
                     .arg(QString::fromLocal8Bit(request.unknown)));
        break;
    case Request::Usage:
        break;
    }
    print(stderr, usage());
    return 2;
}

// Whether the command line asks for pictures, which need the GUI library: a build
// extracts icons and a check reads them. Printing a page does without its start-up.
bool needsPictures(int argc, char* argv[]) {
    const Request r = readArguments(argc, argv);
    return r.check || r.args.size() != 1;
}

// Loads the document, whole or, with `rows`, its settings alone with its rows left
// as stored; false after saying why it could not be opened.
bool loadDocument(Document& doc, const QByteArray& arg, StoredRows* rows = nullptr) {
    QString docPath = QFile::decodeName(arg);
    doc.setNextNewNumber(1);
    doc.resetProperties();
    try {
        docPath = CommandLine::fileName(arg);
        if (rows)
            doc.loadPage(docPath, *rows);
        else
            doc.load(docPath);
    } catch (const Error& e) {
        printErr(ErrorMessages::openError(docPath, e));
        return false;
    }
    // Only read here: no need to keep the file from other programs.
    doc.fileLock().release();
    return true;
}

int printPage(const Document& doc, const PageRows& rows) {
    // The page goes out as it is made, straight to the descriptor: a large one
    // never sits in memory whole, and a failed write is known at once.
    QFile out;
    if (!out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        printErr(QCoreApplication::translate("BuildProgram", "The page could not be written - %1")
                     .arg(Error(Error::DiskFull).describe()));
        return 1;
    }
    try {
        PageWriter(doc, rows).write(out);
    } catch (const Error& e) {
        // Nothing is written before the numbers are known to be good, so only a
        // failed write can end here after the first byte.
        printErr(
            (e.number() == Error::DiskFull
                 ? QCoreApplication::translate("BuildProgram", "The page could not be written - %1")
                 : QCoreApplication::translate("BuildProgram",
                                               "The page could not be generated - %1"))
                .arg(e.describe()));
        return 1;
    }
    return 0;
}

int buildPage(const Document& doc, const PageRows& rows, const QByteArray& arg) {
    // Like the file dialog's answer, the page's path is absolute: the page refers
    // to its icon folder by it.
    QString out = QFile::decodeName(arg);
    try {
        out = QFileInfo(CommandLine::fileName(arg)).absoluteFilePath();
        BuiltPage::build(doc, rows, out);
    } catch (const Error& e) {
        printErr(ErrorMessages::buildError(out, e));
        return 1;
    }
    return 0;
}

// One line per problem, in the form editors and build logs point at: the
// document, the row, the column. Returns the exit status.
int checkPage(const Document& doc, const QByteArray& arg, bool online) {
    std::vector<PageProblem> problems = PageCheck::check(doc);
    if (online) {
        std::vector<PageProblem> more = checkWebAddresses(PageCheck::webAddresses(doc));
        problems.insert(problems.end(), more.begin(), more.end());
        // Rows in order, the page's settings after them.
        std::stable_sort(problems.begin(), problems.end(), [](const auto& a, const auto& b) {
            return (a.row == 0 ? INT_MAX : a.row) < (b.row == 0 ? INT_MAX : b.row);
        });
    }
    const QString name = QFile::decodeName(arg);
    QByteArray text;
    for (const PageProblem& p : problems) {
        const QString where = p.row > 0 ? name + QLatin1Char(':') + QString::number(p.row) : name;
        text += (where + QStringLiteral(": ") + p.column + QStringLiteral(": ") + p.message +
                 QLatin1Char('\n'))
                    .toLocal8Bit();
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return problems.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietQt);
    std::unique_ptr<QCoreApplication> app;
    if (needsPictures(argc, argv)) {
        // Icons come from the GUI library; without a display it draws offscreen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    installTranslations();
    QCoreApplication::setApplicationName(QStringLiteral("ulvanta-build"));
    QCoreApplication::setApplicationVersion(ProgramInfo::version());

    const Request request = readArguments(argc, argv);
    if (const int status = answer(request); status >= 0)
        return status;
    Document doc;
    if (request.check) {
        if (!loadDocument(doc, request.args[0]))
            return 2;
        return checkPage(doc, request.args[0], request.online);
    }
    // The page is written from the file's rows as they are stored: a large
    // document is never held as text.
    StoredRows rows;
    if (!loadDocument(doc, request.args[0], &rows))
        return 1;
    return request.args.size() == 1 ? printPage(doc, rows) : buildPage(doc, rows, request.args[1]);
}
