#include "components/DesktopIcons.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>
#include <QTextStream>

namespace ulvanta::DesktopIcons {

namespace {

enum class Generic { File, Folder, Program, Web };

// A plain picture for when the desktop offers none: a sheet, a folder, a window
// or a globe.
QImage drawGeneric(Generic kind, int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(60, 60, 60), qMax<qreal>(1.0, s / 16)));
    switch (kind) {
    case Generic::File: {
        QPainterPath sheet;
        sheet.moveTo(s * 0.22, s * 0.06);
        sheet.lineTo(s * 0.62, s * 0.06);
        sheet.lineTo(s * 0.80, s * 0.24);
        sheet.lineTo(s * 0.80, s * 0.94);
        sheet.lineTo(s * 0.22, s * 0.94);
        sheet.closeSubpath();
        p.setBrush(QColor(250, 250, 250));
        p.drawPath(sheet);
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(s * 0.32, s * (0.40 + 0.13 * i)),
                       QPointF(s * 0.70, s * (0.40 + 0.13 * i)));
        break;
    }
    case Generic::Folder: {
        p.setBrush(QColor(230, 185, 70));
        QPainterPath folder;
        folder.moveTo(s * 0.06, s * 0.22);
        folder.lineTo(s * 0.38, s * 0.22);
        folder.lineTo(s * 0.46, s * 0.32);
        folder.lineTo(s * 0.94, s * 0.32);
        folder.lineTo(s * 0.94, s * 0.84);
        folder.lineTo(s * 0.06, s * 0.84);
        folder.closeSubpath();
        p.drawPath(folder);
        break;
    }
    case Generic::Program: {
        p.setBrush(QColor(235, 240, 250));
        p.drawRect(QRectF(s * 0.08, s * 0.14, s * 0.84, s * 0.72));
        p.setBrush(QColor(40, 90, 170));
        p.drawRect(QRectF(s * 0.08, s * 0.14, s * 0.84, s * 0.18));
        break;
    }
    case Generic::Web: {
        const QRectF globe(s * 0.08, s * 0.08, s * 0.84, s * 0.84);
        p.setBrush(QColor(200, 225, 250));
        p.drawEllipse(globe);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(globe.adjusted(s * 0.24, 0, -s * 0.24, 0));
        p.drawLine(QPointF(globe.left(), s * 0.5), QPointF(globe.right(), s * 0.5));
        break;
    }
    }
    return img;
}

// A generic picture drawn at the size asked for, in device pixels.
class GenericEngine : public QIconEngine {
public:
    explicit GenericEngine(Generic kind) : m_kind(kind) {}
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(drawGeneric(m_kind, qMax(1, qMin(size.width(), size.height()))));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * scale, mode, state);
        picture.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), picture);
    }
    QIconEngine* clone() const override { return new GenericEngine(m_kind); }

private:
    Generic m_kind;
};

bool canUseIconTheme() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// The Icon= of the .desktop entry whose Exec names this program, looked up once
// per run (the application folders do not change while the program runs).
QString desktopEntryIcon(const QString& programPath) {
    static QHash<QString, QString> byProgram;
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        const QStringList dirs =
            QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
        for (const QString& dir : dirs) {
            QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile f(it.next());
                if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
                    continue;
                QString exec, icon;
                bool inEntry = false;
                QTextStream in(&f);
                while (!in.atEnd()) {
                    const QString line = in.readLine().trimmed();
                    if (line.startsWith(QLatin1Char('[')))
                        inEntry = (line == QLatin1String("[Desktop Entry]"));
                    else if (inEntry && line.startsWith(QLatin1String("Exec=")) && exec.isEmpty())
                        exec = line.mid(5);
                    else if (inEntry && line.startsWith(QLatin1String("Icon=")) && icon.isEmpty())
                        icon = line.mid(5);
                }
                if (exec.isEmpty() || icon.isEmpty())
                    continue;
                QString prog = exec.section(QLatin1Char(' '), 0, 0);
                prog.remove(QLatin1Char('"'));
                byProgram.insert(prog, icon);
                byProgram.insert(QFileInfo(prog).fileName(), icon);
            }
        }
    }
    const QString full = byProgram.value(programPath);
    return full.isEmpty() ? byProgram.value(QFileInfo(programPath).fileName()) : full;
}

QIcon themeIcon(const QString& path) {
    if (!canUseIconTheme())
        return {};
    const QFileInfo fi(path);
    if (fi.isDir())
        return QIcon::fromTheme(QStringLiteral("folder"));
    QIcon icon;
    if (fi.isExecutable()) {
        const QString name = desktopEntryIcon(fi.absoluteFilePath());
        if (!name.isEmpty())
            icon = QFileInfo(name).isAbsolute() ? QIcon(name) : QIcon::fromTheme(name);
    }
    if (icon.isNull()) {
        const QMimeType mime = QMimeDatabase().mimeTypeForFile(fi);
        icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
    }
    return icon;
}

QImage themeIcon(const QString& path, int size) {
    const QIcon icon = themeIcon(path);
    if (icon.isNull())
        return {};
    return icon.pixmap(size, size)
        .toImage()
        .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

Generic genericKind(const QFileInfo& fi) {
    if (fi.isDir())
        return Generic::Folder;
    return fi.isExecutable() ? Generic::Program : Generic::File;
}

QImage shellIcon(const QString& path, int size) {
    QImage img = themeIcon(path, size);
    if (!img.isNull())
        return img;
    return drawGeneric(genericKind(QFileInfo(path)), size);
}

} // namespace

QImage smallIcon(const QString& path) {
    return shellIcon(path, 16);
}
QImage largeIcon(const QString& path) {
    return shellIcon(path, 32);
}

QIcon icon(const QString& path) {
    const QIcon theme = themeIcon(path);
    return theme.isNull() ? QIcon(new GenericEngine(genericKind(QFileInfo(path)))) : theme;
}

QIcon namedIcon(const QString& name) {
    const QIcon theme = canUseIconTheme() ? QIcon::fromTheme(name) : QIcon();
    return theme.isNull() ? programIcon() : theme;
}

QIcon programIcon() {
    return QIcon(new GenericEngine(Generic::Program));
}

QIcon webIcon() {
    if (canUseIconTheme()) {
        const QIcon theme = QIcon::fromTheme(QStringLiteral("text-html"),
                                             QIcon::fromTheme(QStringLiteral("web-browser")));
        if (!theme.isNull())
            return theme;
    }
    return QIcon(new GenericEngine(Generic::Web));
}

} // namespace ulvanta::DesktopIcons
