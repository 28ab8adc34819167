// Main window: property editing.
#include "app/frmPME.h"

#include "dialogs/FontDialog.h"
#include "dialogs/frmPCol.h"
#include "dialogs/frmPFile.h"
#include "dialogs/frmPMTB.h"
#include "document/PropertyCommands.h"
#include "document/PropertyDialogs.h"

#include <QAction>
#include <QKeyEvent>
#include <QTabWidget>

namespace ulvanta {

namespace {
// Opens the property dialogs over the main window.
class WindowEditorHost : public PropertyEditorHost {
public:
    explicit WindowEditorHost(frmPME& window) : m_w(window) {}

    void PCol(int row, qint32 defCol) override {
        frmPCol dlg(m_w.doc(), row, defCol, &m_w);
        dlg.exec();
    }

    void PFile(int row, const PropertyEditor& editor) override {
        frmPFile dlg(m_w.doc(), row, PropertyDialogs::fileRequest(editor),
                     PropertyDialogs::fileLabel(m_w.doc().props().name(row), editor.htmlFile),
                     m_w.prompter(), &m_w);
        dlg.exec();
    }

    void editMultiLine(int row) override {
        frmPMTB dlg(m_w.doc(), row, &m_w);
        dlg.exec();
    }

    std::optional<FontChoice> chooseFont(const FontChoice& initial) override {
        // One font dialog for the life of the window: it remembers what it showed.
        auto* dlg = m_w.findChild<FontDialog*>(QStringLiteral("cdFont"));
        if (!dlg)
            dlg = new FontDialog(&m_w);
        dlg->load(initial);
        if (dlg->exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg->choice();
    }

private:
    frmPME& m_w;
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

void frmPME::setupPropertyCommands() {
    // The selected row of the property list, or -1.
    const auto selectedRow = [this] {
        const QModelIndex i = lvProp->selectionModel()->currentIndex();
        return i.isValid() && lvProp->selectionModel()->isRowSelected(i.row()) ? i.row() : -1;
    };
    const auto activateRow = [this](int row) {
        if (row < 0)
            return;
        mnuEditProperty->setEnabled(true);
        WindowEditorHost host(*this);
        PropertyCommands(m_doc, *m_prompter, m_fileCommands).activate(row, host);
    };

    connect(lvProp, &QTreeView::clicked, this,
            [activateRow](const QModelIndex& index) { activateRow(index.row()); });
    lvProp->installEventFilter(new PropertyKeys(
        lvProp,
        [this, selectedRow] {
            PropertyCommands(m_doc, *m_prompter, m_fileCommands).deleteKey(selectedRow());
        },
        [activateRow, selectedRow] { activateRow(selectedRow()); }));

    command(mnuEditProperty, [this, activateRow, selectedRow] {
        tabMain->setCurrentIndex(1);
        activateRow(selectedRow());
    });
    command(mnuEditReset, [this] { PropertyCommands(m_doc, *m_prompter, m_fileCommands).reset(); });

    // Edit property waits for a row to be picked after every refill of the list.
    mnuEditProperty->setEnabled(false);
    connect(&m_doc, &Document::propertiesRefilled, mnuEditProperty,
            [this] { mnuEditProperty->setEnabled(false); });
}

} // namespace ulvanta
