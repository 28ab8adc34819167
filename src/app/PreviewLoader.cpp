#include "app/PreviewLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace ulvanta {

PreviewBrowser* loadPreviewBrowser(const QString& programFolder, QWidget* parent,
                                   const PreviewBrowser::Hooks& hooks, QString& why) {
    const QDir bin(programFolder);
    const QString name = QStringLiteral("ulvanta-preview.so");
    QString path = bin.filePath(name);
    if (!QFileInfo::exists(path))
        path = QDir::cleanPath(bin.filePath(QStringLiteral(ULVANTA_PREVIEW_FROM_BIN "/") + name));
    // The library stays loaded when this object goes: the browser lives on.
    QLibrary module(path);
    const auto create =
        reinterpret_cast<CreatePreviewBrowser>(module.resolve(kCreatePreviewBrowser));
    if (!create) {
        why = QCoreApplication::translate("PreviewLoader",
                                          "The preview cannot be shown: its module did not load "
                                          "(%1).")
                  .arg(module.errorString());
        return nullptr;
    }
    return create(parent, hooks);
}

} // namespace ulvanta
