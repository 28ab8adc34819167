#include "launcher/LoadedPage.h"

#include "components/Error.h"
#include "components/HtmlText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>
#include <cmath>

namespace ulvanta::launcher {

namespace {

const QLatin1String InfoMarker("<!-- Ulvanta info:");

// A whole number of pixels from a setting, or the fallback for anything that is not
// a positive number. Fractions round half to even like the editor's numbers.
int pixels(const QString& value, int fallback) {
    const QString text = value.trimmed();
    bool ok = false;
    double d = QLocale::system().toDouble(text, &ok);
    if (!ok)
        d = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(d))
        return fallback;
    d = std::nearbyint(d);
    if (d < 1 || d > 100000)
        return fallback;
    return int(d);
}

QString resolved(const QString& folder, const QString& path) {
    if (path.isEmpty() || QFileInfo(path).isAbsolute())
        return path;
    return QDir::cleanPath(QDir(folder).absoluteFilePath(path));
}

Error openFailure(const QString& path, const QFile& file) {
    const QFileInfo fi(path);
    if (fi.isDir())
        return Error(Error::PathFileAccess);
    if (!fi.exists())
        return QFileInfo(fi.absolutePath()).isDir() ? Error(Error::FileNotFound)
                                                    : Error(Error::PathNotFound);
    if (file.error() == QFileDevice::PermissionsError || !fi.isReadable())
        return Error(Error::PermissionDenied);
    return Error(Error::PathFileAccess);
}

} // namespace

std::optional<PageSettings> readPageSettings(const QString& html) {
    const qsizetype start = html.lastIndexOf(InfoMarker);
    if (start < 0)
        return std::nullopt;
    const qsizetype from = start + InfoMarker.size();
    qsizetype end = html.indexOf(QLatin1String("-->"), from);
    if (end < 0)
        end = html.size();
    const QStringList lines = html.mid(from, end - from).split(QLatin1Char('\n'));

    PageSettings s;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = HtmlText::decode(line.mid(eq + 1));
        const QString flag = value.trimmed();
        if (key == QLatin1String("closable"))
            s.closable = flag != QLatin1String("False");
        else if (key == QLatin1String("extra commands"))
            s.extraCommands = flag != QLatin1String("False");
        else if (key == QLatin1String("height"))
            s.height = pixels(value, PageSettings::DefaultHeight);
        else if (key == QLatin1String("width"))
            s.width = pixels(value, PageSettings::DefaultWidth);
        else if (key == QLatin1String("icon"))
            s.icon = value;
        else if (key == QLatin1String("minimise on use"))
            s.minimiseOnUse = flag == QLatin1String("True");
        else if (key == QLatin1String("start maximised"))
            s.startMaximised = flag == QLatin1String("True");
        else if (key == QLatin1String("source file"))
            s.sourceFile = value;
    }
    return s;
}

QString readPageTitle(const QString& html) {
    // One pass over the page, however it is made: a start tag "<title>" or
    // "<title attributes>", then the text up to the first "</title>" after it
    // (blanks allowed before its ">").
    const auto tag = QLatin1String("<title");
    const auto endTag = QLatin1String("</title");
    qsizetype textStart = -1;
    for (qsizetype at = html.indexOf(tag, 0, Qt::CaseInsensitive); at >= 0;
         at = html.indexOf(tag, at + 1, Qt::CaseInsensitive)) {
        const qsizetype next = at + tag.size();
        if (next >= html.size())
            return QString();
        if (html[next] == QLatin1Char('>')) {
            textStart = next + 1;
            break;
        }
        if (html[next].isSpace()) {
            const qsizetype close = html.indexOf(QLatin1Char('>'), next);
            if (close < 0)
                return QString(); // no later start tag can end either
            textStart = close + 1;
            break;
        }
    }
    if (textStart < 0)
        return QString();
    for (qsizetype at = html.indexOf(endTag, textStart, Qt::CaseInsensitive); at >= 0;
         at = html.indexOf(endTag, at + 1, Qt::CaseInsensitive)) {
        qsizetype i = at + endTag.size();
        while (i < html.size() && html[i].isSpace())
            ++i;
        if (i < html.size() && html[i] == QLatin1Char('>'))
            return HtmlText::decode(html.mid(textStart, at - textStart)).simplified();
    }
    return QString();
}

LoadedPage loadPage(const QString& path) {
    if (path.isEmpty())
        throw Error(Error::BadFileName);
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw openFailure(path, file);

    constexpr qint64 WholeLimit = 32 * 1024 * 1024;
    constexpr qint64 Piece = 1024 * 1024;
    QByteArray bytes;
    const qint64 size = file.size();
    if (size <= WholeLimit) {
        bytes = file.readAll();
    } else {
        bytes = file.read(Piece);
        if (file.seek(size - Piece))
            bytes += '\n' + file.read(Piece);
    }
    if (file.error() != QFileDevice::NoError)
        throw Error(Error::PathFileAccess);

    const QString html = QString::fromUtf8(bytes);
    const QFileInfo fi(path);
    LoadedPage page;
    page.path = fi.absoluteFilePath();
    page.title = readPageTitle(html);
    page.settings = readPageSettings(html);
    if (page.settings) {
        page.settings->icon = resolved(fi.absolutePath(), page.settings->icon);
        page.settings->sourceFile = resolved(fi.absolutePath(), page.settings->sourceFile);
    }
    return page;
}

QString pagePathFromArguments(const QStringList& arguments) {
    QString path = arguments.join(QLatin1Char(' '));
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(path);
        if (url.isLocalFile())
            path = url.toLocalFile();
    }
    return path;
}

} // namespace ulvanta::launcher
