#include "dialogs/HelpWindow.h"

#include "components/PaletteContrast.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ulvanta {

namespace {

// The pages' style sheet, followed by colours of the palette where its own would
// lose their contrast (a dark palette).
class HelpText : public QTextBrowser {
public:
    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::StyleSheetResource)
            resource = resource.toByteArray() + PaletteContrast::helpStyleSheet(palette()).toUtf8();
        return resource;
    }
};
} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Ulvanta Editor Help"));
    setModal(false);
    // A help window of its own, with minimise and maximise, beside the editor.
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    const auto button = [this](const QString& text, QStyle::StandardPixmap icon, const char* name) {
        auto* b = new QToolButton;
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setIcon(PaletteContrast::legibleIcon(style()->standardIcon(icon), palette()));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return b;
    };
    m_contentsButton = button(tr("&Contents"), QStyle::SP_DirHomeIcon, "contentsButton");
    m_backButton = button(tr("&Back"), QStyle::SP_ArrowBack, "backButton");
    m_forwardButton = button(tr("&Forward"), QStyle::SP_ArrowForward, "forwardButton");
    m_backButton->setEnabled(false);
    m_forwardButton->setEnabled(false);

    m_helpText = new HelpText;
    m_helpText->setObjectName(QStringLiteral("helpText"));
    m_helpText->setAccessibleName(tr("Help page"));
    // Links to the web or to mail leave the help window for the desktop's programs.
    m_helpText->setOpenExternalLinks(true);

    connect(m_contentsButton, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(m_backButton, &QToolButton::clicked, m_helpText, &QTextBrowser::backward);
    connect(m_forwardButton, &QToolButton::clicked, m_helpText, &QTextBrowser::forward);
    connect(m_helpText, &QTextBrowser::backwardAvailable, m_backButton, &QWidget::setEnabled);
    connect(m_helpText, &QTextBrowser::forwardAvailable, m_forwardButton, &QWidget::setEnabled);
    connect(m_helpText, &QTextBrowser::sourceChanged, this, [this] {
        const QString page = m_helpText->documentTitle();
        // The contents page is itself called the help: its name is not said twice.
        const QString helpTitle = tr("Ulvanta Editor Help");
        setWindowTitle(page.isEmpty() || page == helpTitle
                           ? helpTitle
                           : tr("%1 - %2", "page title, help title").arg(page, helpTitle));
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_contentsButton);
    bar->addWidget(m_backButton);
    bar->addWidget(m_forwardButton);
    bar->addStretch(1);

    auto* top = new QVBoxLayout(this);
    top->addLayout(bar);
    // The pages are written in English only; a reader of another language is told so
    // in theirs (the note's English text is never shown).
    const char* const note = QT_TR_NOOP("The help pages are available in English only.");
    if (tr(note) != QLatin1String(note)) {
        auto* noteLabel = new QLabel(tr(note));
        noteLabel->setObjectName(QStringLiteral("languageNote"));
        noteLabel->setWordWrap(true);
        top->addWidget(noteLabel);
    }
    top->addWidget(m_helpText, 1);
    resize(720, 560);
}

void HelpWindow::showPage(const QString& path) {
    if (m_contents.isEmpty())
        m_contents = path;
    m_helpText->setSource(QUrl::fromLocalFile(path));
}

void HelpWindow::showContents() {
    if (!m_contents.isEmpty())
        m_helpText->setSource(QUrl::fromLocalFile(m_contents));
}

} // namespace ulvanta
