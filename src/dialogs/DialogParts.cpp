#include "dialogs/DialogParts.h"

#include <QLabel>
#include <QPushButton>

namespace ulvanta {

QPushButton* makeButton(const QString& caption, const QString& objectName, ButtonRole role) {
    auto* b = new QPushButton(caption);
    b->setObjectName(objectName);
    if (role == ButtonRole::Default)
        b->setDefault(true);
    else
        b->setAutoDefault(false);
    return b;
}

QLabel* makeSwatch(const QString& objectName) {
    auto* swatch = new QLabel;
    swatch->setObjectName(objectName);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    return swatch;
}

void showSwatch(QLabel* swatch, const QColor& colour) {
    QPalette p = swatch->palette();
    p.setColor(QPalette::Window, colour);
    swatch->setPalette(p);
}

} // namespace ulvanta
