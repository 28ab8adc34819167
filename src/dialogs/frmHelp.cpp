#include "dialogs/frmHelp.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ulvanta {

namespace {
const QString kHelpTitle = QStringLiteral("Ulvanta Editor Help");
}

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(kHelpTitle);
    setModal(false);
    // A help window of its own, with minimise and maximise, beside the editor.
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    const auto button = [this](const QString& text, QStyle::StandardPixmap icon, const char* name) {
        auto* b = new QToolButton;
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return b;
    };
    cmdContents = button(QStringLiteral("&Contents"), QStyle::SP_DirHomeIcon, "cmdContents");
    cmdBack = button(QStringLiteral("&Back"), QStyle::SP_ArrowBack, "cmdBack");
    cmdForward = button(QStringLiteral("&Forward"), QStyle::SP_ArrowForward, "cmdForward");
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);

    txtHelp = new QTextBrowser;
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    // Links to the web or to mail leave the help window for the desktop's programs.
    txtHelp->setOpenExternalLinks(true);

    connect(cmdContents, &QToolButton::clicked, this, &frmHelp::showContents);
    connect(cmdBack, &QToolButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(cmdForward, &QToolButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(txtHelp, &QTextBrowser::backwardAvailable, cmdBack, &QWidget::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, cmdForward, &QWidget::setEnabled);
    connect(txtHelp, &QTextBrowser::sourceChanged, this, [this] {
        const QString page = txtHelp->documentTitle();
        setWindowTitle(page.isEmpty() ? kHelpTitle : page + QStringLiteral(" - ") + kHelpTitle);
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(cmdContents);
    bar->addWidget(cmdBack);
    bar->addWidget(cmdForward);
    bar->addStretch(1);

    auto* top = new QVBoxLayout(this);
    top->addLayout(bar);
    top->addWidget(txtHelp, 1);
    resize(720, 560);
}

void frmHelp::showPage(const QString& path) {
    if (m_contents.isEmpty())
        m_contents = path;
    txtHelp->setSource(QUrl::fromLocalFile(path));
}

void frmHelp::showContents() {
    if (!m_contents.isEmpty())
        txtHelp->setSource(QUrl::fromLocalFile(m_contents));
}

} // namespace ulvanta
