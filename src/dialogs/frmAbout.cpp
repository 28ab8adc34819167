#include "dialogs/frmAbout.h"

#include "components/ProgramInfo.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace ulvanta {

QPixmap frmAbout::programPicture(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath frame;
    frame.addRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.16, s * 0.16);
    p.fillPath(frame, QColor(0x2f, 0x5d, 0x8a));
    const QColor tiles[] = {QColor(0xf2, 0xb1, 0x34), QColor(0x7c, 0xc1, 0x5a),
                            QColor(0xe8, 0x6a, 0x5c), QColor(0xf4, 0xf4, 0xf4)};
    const qreal cell = s * 0.30;
    const qreal gap = s * 0.10;
    const qreal origin = (s - 2 * cell - gap) / 2;
    for (int i = 0; i < 4; ++i) {
        const QRectF r(origin + (i % 2) * (cell + gap), origin + (i / 2) * (cell + gap), cell,
                       cell);
        QPainterPath tile;
        tile.addRoundedRect(r, s * 0.05, s * 0.05);
        p.fillPath(tile, tiles[i]);
    }
    return pm;
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));

    picIcon = new QLabel;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(programPicture(64));
    picIcon->setAlignment(Qt::AlignTop);
    lblTitle = new QLabel;
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont title = lblTitle->font();
    title.setFamilies({QStringLiteral("Verdana")}); // falls back where Verdana is not installed
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    lblTitle->setFont(title);
    lblVersion = new QLabel;
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription = new QLabel;
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblCompany = new QLabel;
    lblCompany->setObjectName(QStringLiteral("lblCompany"));
    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // In the order the about box has always filled itself.
    setWindowTitle(QStringLiteral("About ") + ProgramInfo::title());
    lblDescription->setText(ProgramInfo::description());
    lblVersion->setText(QStringLiteral("Version ") + ProgramInfo::version());
    lblTitle->setText(ProgramInfo::title());
    lblCompany->setText(ProgramInfo::company());

    auto* line = new QFrame;
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(8);
    text->addWidget(lblDescription);
    text->addStretch(1);

    auto* head = new QHBoxLayout;
    head->addWidget(picIcon);
    head->addSpacing(12);
    head->addLayout(text, 1);

    auto* foot = new QHBoxLayout;
    foot->addWidget(lblCompany, 1);
    foot->addWidget(cmdOK);

    auto* top = new QVBoxLayout(this);
    top->addLayout(head);
    top->addWidget(line);
    top->addLayout(foot);
    setMinimumWidth(380);
}

} // namespace ulvanta
