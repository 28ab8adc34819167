#include "app/PropertyActions.h"

#include "commands/PropertyController.h"
#include "dialogs/ColourSettingDialog.h"
#include "dialogs/FileSettingDialog.h"
#include "dialogs/FontDialog.h"
#include "dialogs/HtmlTextDialog.h"
#include "edits/Document.h"
#include "forms/PropertyDialogs.h"

#include <QAction>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTreeView>
#include <functional>

namespace ulvanta {

namespace {
constexpr int kPropertiesTab = 1;

// Opens the property dialogs over the main window.
class WindowEditorHost : public PropertyEditorHost {
public:
    WindowEditorHost(Document& doc, Prompter& prompter, QWidget* window)
        : m_doc(doc), m_prompter(prompter), m_window(window) {}

    void editColour(int row, qint32 defaultColour) override {
        ColourSettingDialog dlg(m_doc, row, defaultColour, m_window);
        dlg.exec();
    }

    void editFile(int row, const PropertyEditor& editor) override {
        FileSettingDialog dlg(m_doc, row, PropertyDialogs::fileRequest(editor),
                              PropertyDialogs::fileLabel(m_doc.props().name(row), editor.htmlFile),
                              m_prompter, m_window);
        dlg.exec();
    }

    bool editMultiLine(int row) override {
        HtmlTextDialog dlg(m_doc, row, m_window);
        return dlg.exec() == QDialog::Accepted;
    }

    std::optional<FontChoice> chooseFont(const FontChoice& initial) override {
        // One font dialog for the life of the window: it remembers what it showed.
        auto* dlg = m_window->findChild<FontDialog*>(QStringLiteral("FontDialog"));
        if (!dlg)
            dlg = new FontDialog(m_window);
        dlg->load(initial);
        if (dlg->exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg->choice();
    }

private:
    Document& m_doc;
    Prompter& m_prompter;
    QWidget* m_window;
};

// Key presses on the property list: Delete (any shift state) and Enter.
class PropertyKeys : public QObject {
public:
    PropertyKeys(QObject* parent, std::function<void()> onDelete, std::function<void()> onEnter)
        : QObject(parent), m_delete(std::move(onDelete)), m_enter(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Delete) {
                m_delete();
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_enter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_delete;
    std::function<void()> m_enter;
};
} // namespace

PropertyActions::PropertyActions(Document& doc, Prompter& prompter, FileController& files,
                                 QTreeView* list, QTabWidget* tabs, QAction* editAction,
                                 QWidget* window)
    : QObject(window), m_doc(doc), m_prompter(prompter), m_files(files), m_list(list), m_tabs(tabs),
      m_editAction(editAction), m_window(window) {
    connect(m_list, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { activateRow(index.row()); });
    m_list->installEventFilter(new PropertyKeys(
        m_list, [this] { deleteKey(); }, [this] { activateRow(selectedRow()); }));
    // Edit property is there whenever a row is current to edit.
    const auto update = [this] { m_editAction->setEnabled(selectedRow() >= 0); };
    update();
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, update);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, update);
    connect(m_list->model(), &QAbstractItemModel::modelReset, this, update);
    connect(&m_doc, &Document::propertiesRefilled, this, update);
}

int PropertyActions::selectedRow() const {
    const QModelIndex i = m_list->selectionModel()->currentIndex();
    return i.isValid() && m_list->selectionModel()->isRowSelected(i.row()) ? i.row() : -1;
}

void PropertyActions::activateRow(int row) {
    if (row < 0)
        return;
    WindowEditorHost host(m_doc, m_prompter, m_window);
    PropertyController(m_doc, m_prompter, m_files).activate(row, host);
}

void PropertyActions::deleteKey() {
    PropertyController(m_doc, m_prompter, m_files).deleteKey(selectedRow());
}

void PropertyActions::editProperty() {
    m_tabs->setCurrentIndex(kPropertiesTab);
    activateRow(selectedRow());
}

void PropertyActions::resetProperties() {
    m_tabs->setCurrentIndex(kPropertiesTab);
    PropertyController(m_doc, m_prompter, m_files).reset(m_list->currentIndex().row());
}

} // namespace ulvanta
