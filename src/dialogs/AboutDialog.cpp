#include "dialogs/AboutDialog.h"

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

QPixmap AboutDialog::programPicture(int size) {
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

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));

    m_pictureLabel = new QLabel;
    m_pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    m_pictureLabel->setPixmap(programPicture(64));
    m_pictureLabel->setAlignment(Qt::AlignTop);
    m_titleLabel = new QLabel;
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    QFont title = m_titleLabel->font();
    title.setFamilies({QStringLiteral("Verdana")}); // falls back where Verdana is not installed
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    m_titleLabel->setFont(title);
    m_versionLabel = new QLabel;
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    m_summaryLabel = new QLabel;
    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_summaryLabel->setWordWrap(true);
    m_companyLabel = new QLabel;
    m_companyLabel->setObjectName(QStringLiteral("companyLabel"));
    m_okButton = new QPushButton(tr("OK"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    // In the order the about box has always filled itself.
    setWindowTitle(tr("About %1").arg(ProgramInfo::title()));
    m_summaryLabel->setText(ProgramInfo::description());
    m_versionLabel->setText(tr("Version %1").arg(ProgramInfo::version()));
    m_titleLabel->setText(ProgramInfo::title());
    m_companyLabel->setText(ProgramInfo::company());

    auto* line = new QFrame;
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* text = new QVBoxLayout;
    text->addWidget(m_titleLabel);
    text->addWidget(m_versionLabel);
    text->addSpacing(8);
    text->addWidget(m_summaryLabel);
    text->addStretch(1);

    auto* head = new QHBoxLayout;
    head->addWidget(m_pictureLabel);
    head->addSpacing(12);
    head->addLayout(text, 1);

    auto* foot = new QHBoxLayout;
    foot->addWidget(m_companyLabel, 1);
    foot->addWidget(m_okButton);

    auto* top = new QVBoxLayout(this);
    top->addLayout(head);
    top->addWidget(line);
    top->addLayout(foot);
    setMinimumWidth(380);
}

} // namespace ulvanta
