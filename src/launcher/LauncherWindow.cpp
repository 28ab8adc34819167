#include "launcher/LauncherWindow.h"

#include "components/DesktopIcons.h"
#include "components/Error.h"
#include "launcher/IconLink.h"
#include "launcher/IconStart.h"
#include "launcher/KeyFinder.h"
#include "launcher/LauncherPage.h"
#include "launcher/LauncherPrompter.h"
#include "widgets/BrowserWatch.h"
#include "widgets/EndSignals.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace ulvanta::launcher {

namespace {

QString pageFilter() {
    return QCoreApplication::translate(
        "LauncherWindow", "HTML Document (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*");
}

QIcon iconFor(const QString& path) {
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        if (QImageReader(path).canRead()) {
            const QIcon icon(path);
            if (!icon.availableSizes().isEmpty())
                return icon;
        }
        return QIcon(QPixmap::fromImage(DesktopIcons::largeIcon(path)));
    }
    return QIcon(
        QPixmap::fromImage(DesktopIcons::largeIcon(QCoreApplication::applicationFilePath())));
}

} // namespace

LauncherWindow::LauncherWindow(Prompter* prompter, const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_prompter(prompter),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : programFolder) {
    if (!m_prompter) {
        m_ownPrompter = std::make_unique<LauncherPrompter>(this);
        m_prompter = m_ownPrompter.get();
    }
    m_profile = createLauncherProfile(this);
    m_page = new LauncherPage(m_profile, this);
    m_view = new QWebEngineView(this);
    m_view->setPage(m_page);
    auto* findBar = new QLabel(this);
    findBar->setAccessibleName(tr("Find"));
    findBar->setContentsMargins(6, 3, 6, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(findBar);
    layout->addWidget(m_view);
    m_keys = new KeyFinder(m_page, m_view, findBar,
                           {[this] { return m_settings.closable; }, [this] { exitLauncher(); }});
    connect(m_page, &QWebEnginePage::loadStarted, m_keys, &KeyFinder::reset);
    m_page->setReportReader([this](const QString& message) { return m_keys->takeReport(message); });

    m_menu = new QMenu(this);
    addWindowAction(tr("&Open..."), &LauncherWindow::openChosenPage);
    m_editAction = addWindowAction(tr("&Edit"), &LauncherWindow::editPage);
    addWindowAction(tr("&Refresh"), &LauncherWindow::refreshPage);
    m_menu->addSeparator();
    addWindowAction(tr("Mi&nimise"), &LauncherWindow::minimiseWindow);
    addWindowAction(tr("Ma&ximise"), &LauncherWindow::toggleMaximised);
    m_menu->addSeparator();
    addWindowAction(tr("E&xit"), &LauncherWindow::exitLauncher);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_view->mapToGlobal(pos)); });

    // Links act after the browser has finished with the click, never inside it.
    connect(m_page, &LauncherPage::iconLinkClicked, this, &LauncherWindow::runIconLink,
            Qt::QueuedConnection);
    connect(m_page, &LauncherPage::windowActionClicked, this, &LauncherWindow::runWindowAction,
            Qt::QueuedConnection);
    connect(m_view, &QWebEngineView::urlChanged, this, &LauncherWindow::urlShown);
    connect(m_view, &QWebEngineView::titleChanged, this, &LauncherWindow::updateTitle);
    watchBrowserPage(
        m_page,
        [this](const QString& text) {
            m_prompter->message(text, tr("Open Error"), PromptIcon::Critical, PromptButtons::Ok,
                                PromptAnswer::Ok);
        },
        &EndSignals::reinstall);

    // Ending the session closes even a window that may not be closed otherwise.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { m_sessionEnding = true; });

    applySettings();
}

LauncherWindow::~LauncherWindow() {
    // The page must go before the profile it was made with.
    delete m_view;
    delete m_page;
}

QAction* LauncherWindow::addWindowAction(const QString& text, void (LauncherWindow::*handler)()) {
    QAction* action = m_menu->addAction(text);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

bool LauncherWindow::openPage(const QString& path) {
    return showPage(path, Reading::Open);
}

bool LauncherWindow::chooseAndOpenPage() {
    FileRequest request;
    request.title = tr("Open a Page");
    request.filter = pageFilter();
    request.fileName = m_pagePath;
    const std::optional<QString> path = m_prompter->chooseFile(request);
    if (!path)
        return false;
    return openPage(*path);
}

bool LauncherWindow::showPage(const QString& path, Reading reading) {
    LoadedPage page;
    try {
        page = loadPage(path);
    } catch (const Error& e) {
        if (reading == Reading::Followed) {
            // The browser shows it all the same; the window keeps its settings.
            m_pagePath = QFileInfo(path).absoluteFilePath();
            m_title.clear();
            updateTitle();
            return false;
        }
        m_prompter->message(ErrorMessages::openError(path, e), tr("Open Error"),
                            PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok);
        return false;
    }
    m_pagePath = page.path;
    m_title = page.title;
    if (page.settings)
        m_settings = *page.settings;
    else if (reading == Reading::Open)
        m_settings = PageSettings();
    applySettings();
    if (reading != Reading::Followed) {
        m_view->load(QUrl::fromLocalFile(page.path));
        m_view->setFocus(); // where the launcher's keys are read
    }
    return true;
}

void LauncherWindow::applySettings() {
    updateTitle();
    setWindowIcon(iconFor(m_settings.icon));

    Qt::WindowFlags flags = Qt::Window;
    if (!m_settings.closable)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;
    if (windowFlags() != flags)
        setWindowFlags(flags); // hides the window; it is shown again below

    m_view->setContextMenuPolicy(m_settings.extraCommands ? Qt::CustomContextMenu
                                                          : Qt::NoContextMenu);
    m_editAction->setEnabled(!m_settings.sourceFile.isEmpty());

    if (m_pagePath.isEmpty())
        return; // nothing to show yet
    QSize size(m_settings.width, m_settings.height);
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size());
    if (isMaximized() || isMinimized())
        showNormal();
    // Also the size the window returns to from a maximised start.
    resize(size);
    if (m_settings.startMaximised)
        showMaximized();
    else
        show();
}

void LauncherWindow::updateTitle() {
    const QUrl shown = m_view->url();
    QString title;
    if (shown.isEmpty() || shown.isLocalFile()) {
        title = m_title;
        if (title.isEmpty() && !m_pagePath.isEmpty())
            title = QFileInfo(m_pagePath).fileName();
    } else {
        title = m_view->title();
    }
    setWindowTitle(title.isEmpty() ? QStringLiteral("Ulvanta") : title);
}

void LauncherWindow::urlShown(const QUrl& url) {
    if (url.isLocalFile()) {
        const QString path = QFileInfo(url.toLocalFile()).absoluteFilePath();
        if (path != m_pagePath) {
            showPage(path, Reading::Followed);
            return;
        }
    }
    updateTitle();
}

void LauncherWindow::runIconLink(const QUrl& url) {
    // The page may have moved on since the click: check again.
    if (!linksMayAct(m_page->url(), true))
        return;
    const IconLink link = parseIconLink(url);
    const QString pageFolder = QFileInfo(m_page->url().toLocalFile()).absolutePath();
    try {
        const StartPlan plan = planIconStart(link, pageFolder);
        if (plan.kind == StartPlan::Kind::Open) {
            if (!QDesktopServices::openUrl(plan.url))
                throw Error(
                    tr("No program is set to open '%1'")
                        .arg(plan.url.isLocalFile() ? plan.url.toLocalFile() : plan.url.toString()),
                    Error::PathFileAccess);
        } else {
            startProgram(plan);
        }
    } catch (const Error& e) {
        QString text = ErrorMessages::runError(commandLineOf(link), e);
        if (e.number() == Error::FileNotFound || e.number() == Error::PathNotFound)
            if (const QString missing = missingPathOf(link, pageFolder); !missing.isEmpty())
                text += QStringLiteral("\n\n") + missingFileAdvice(missing);
        m_prompter->message(text, tr("Run Error"), PromptIcon::Critical, PromptButtons::Ok,
                            PromptAnswer::Ok);
        return;
    }
    if (m_settings.minimiseOnUse)
        showMinimized();
}

void LauncherWindow::runWindowAction(const QUrl& url) {
    if (!linksMayAct(m_page->url(), true))
        return;
    switch (parseWindowAction(url)) {
    case WindowAction::Open:
        openChosenPage();
        break;
    case WindowAction::Exit:
        exitLauncher();
        break;
    case WindowAction::Minimise:
        minimiseWindow();
        break;
    case WindowAction::Maximise:
        toggleMaximised();
        break;
    case WindowAction::Edit:
        editPage();
        break;
    case WindowAction::Refresh:
        refreshPage();
        break;
    case WindowAction::Unknown:
        m_prompter->message(tr("The page asks for the window command '%1', which the launcher "
                               "does not have.")
                                .arg(url.toString()),
                            tr("Run Error"), PromptIcon::Exclamation, PromptButtons::Ok,
                            PromptAnswer::Ok);
        break;
    }
}

void LauncherWindow::openChosenPage() {
    chooseAndOpenPage();
}

void LauncherWindow::exitLauncher() {
    m_exiting = true;
    close();
}

void LauncherWindow::endNow() {
    m_exiting = true;
    close();
    QCoreApplication::exit(0); // also leaves a message box that may be open
}

void LauncherWindow::minimiseWindow() {
    showMinimized();
}

void LauncherWindow::toggleMaximised() {
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void LauncherWindow::editPage() {
    const QString source = m_settings.sourceFile;
    if (source.isEmpty()) {
        m_prompter->message(tr("This page does not name the document it was built from, so "
                               "there is nothing to edit."),
                            tr("Edit"), PromptIcon::Exclamation, PromptButtons::Ok,
                            PromptAnswer::Ok);
        return;
    }
    if (!QFileInfo(source).isFile()) {
        m_prompter->message(ErrorMessages::openError(source, Error(Error::FileNotFound)),
                            tr("Open Error"), PromptIcon::Critical, PromptButtons::Ok,
                            PromptAnswer::Ok);
        return;
    }
    const StartPlan plan = planEditorStart(m_programFolder, source);
    try {
        startProgram(plan);
    } catch (const Error& e) {
        m_prompter->message(ErrorMessages::runError(plan.commandLine, e), tr("Run Error"),
                            PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok);
    }
}

void LauncherWindow::refreshPage() {
    const QUrl shown = m_view->url();
    if (shown.isLocalFile())
        showPage(shown.toLocalFile(), Reading::Refresh);
    else
        m_view->reload();
}

void LauncherWindow::closeEvent(QCloseEvent* event) {
    if (!m_settings.closable && !m_exiting && !m_sessionEnding) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace ulvanta::launcher
