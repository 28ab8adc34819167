#include "launcher/IconLink.h"

#include <QStringList>

namespace ulvanta::launcher {

namespace {

QString afterScheme(const QUrl& url) {
    const QString full = url.toString(QUrl::FullyEncoded);
    const qsizetype colon = full.indexOf(QLatin1Char(':'));
    return colon < 0 ? full : full.mid(colon + 1);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes %XX escapes (UTF-8) and leaves a "%" that does not start one as it
// stands, as in "100%".
QString percentDecode(const QString& text) {
    const QByteArray in = text.toUtf8();
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '%' && i + 2 < in.size() && hexValue(in[i + 1]) >= 0 &&
            hexValue(in[i + 2]) >= 0) {
            out += char(hexValue(in[i + 1]) * 16 + hexValue(in[i + 2]));
            i += 2;
        } else {
            out += in[i];
        }
    }
    return QString::fromUtf8(out);
}

QString decodeField(QString field, bool doubleEncoded) {
    field = percentDecode(field);
    if (doubleEncoded)
        field = percentDecode(field);
    // The browser has already decoded the page's entities: only the comma that
    // the page writes as "&comma;" inside a field is left to turn back.
    return field.replace(QLatin1String("&comma;"), QLatin1String(","));
}

} // namespace

LinkKind linkKind(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("pm"))
        return LinkKind::Icon;
    if (scheme == QLatin1String("pmc"))
        return LinkKind::WindowAction;
    return LinkKind::Ordinary;
}

IconLink parseIconLink(const QUrl& url) {
    const QString text = afterScheme(url);
    // The browser writes non-ASCII characters as %XX escapes but leaves a lone "%"
    // (as in "100%") alone; QUrl then escapes every "%" once more. An escaped
    // percent sign thus marks a link whose fields must be decoded twice.
    const bool doubleEncoded = text.contains(QLatin1String("%25"));
    const QStringList parts = text.split(QLatin1Char(','));
    IconLink link;
    link.command = decodeField(parts.value(0), doubleEncoded);
    link.parameters = decodeField(parts.value(1), doubleEncoded);
    link.startIn = decodeField(parts.value(2), doubleEncoded);
    if (parts.size() > 3)
        link.runWord = decodeField(parts.mid(3).join(QLatin1Char(',')), doubleEncoded);
    return link;
}

WindowAction parseWindowAction(const QUrl& url) {
    QString name = percentDecode(afterScheme(url)).trimmed().toLower();
    while (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    if (name == QLatin1String("open"))
        return WindowAction::Open;
    if (name == QLatin1String("exit"))
        return WindowAction::Exit;
    if (name == QLatin1String("min"))
        return WindowAction::Minimise;
    if (name == QLatin1String("max"))
        return WindowAction::Maximise;
    if (name == QLatin1String("edit"))
        return WindowAction::Edit;
    if (name == QLatin1String("refresh"))
        return WindowAction::Refresh;
    return WindowAction::Unknown;
}

bool linksMayAct(const QUrl& shownUrl, bool isMainFrame) {
    if (!isMainFrame || !shownUrl.isValid() || !shownUrl.isLocalFile())
        return false;
    // "file://server/..." names a file on another machine.
    const QString host = shownUrl.host();
    return host.isEmpty() || host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}

} // namespace ulvanta::launcher
