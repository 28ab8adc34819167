// Main window: list commands: add, edit, delete, copy, move.
#include "app/frmPME.h"

#include "dialogs/frmAdd.h"
#include "dialogs/frmSection.h"
#include "document/ListCommands.h"

namespace ulvanta {

void frmPME::setupEditCommands() {
    const auto list = [this] { return ListCommands(m_doc, prompter(), lvItems->selectionModel()); };

    command(mnuEditAdd, [this] {
        m_doc.requestTab(0);
        EIcon = false;
        frmAdd dialog(*this);
        dialog.exec();
    });
    command(mnuEditAddSection, [this] {
        m_doc.requestTab(0);
        EIcon = false;
        frmSection dialog(*this);
        dialog.exec();
    });
    command(mnuEditEdit, [this, list] {
        m_doc.requestTab(0);
        EIcon = true;
        switch (list().editorFor(currentRow())) {
        case ListCommands::Editor::Section: {
            frmSection dialog(*this);
            dialog.exec();
            break;
        }
        case ListCommands::Editor::Icon: {
            frmAdd dialog(*this);
            dialog.exec();
            break;
        }
        case ListCommands::Editor::None:
            break;
        }
    });
    command(mnuEditDelete, [list] { list().Delete(); });
    command(mnuEditCopy, [list] { list().CopyAndPaste(); });
    command(mnuEditMoveUp, [list] { list().MoveUp(); });
    command(mnuEditMoveDown, [list] { list().MoveDown(); });
}

} // namespace ulvanta
