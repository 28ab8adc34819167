// Main window: list commands: add, edit, delete, copy, move.
#include "app/frmPME.h"

#include "dialogs/frmAdd.h"
#include "dialogs/frmSection.h"
#include "document/ListCommands.h"

namespace ulvanta {

void frmPME::setupEditCommands() {
    const auto list = [this] { return ListCommands(m_doc, prompter(), lvItems->selectionModel()); };
    // Every command leaves the keyboard in the list, ready for the next one.
    const auto dialog = [this](auto&& show) {
        m_doc.requestTab(0);
        show();
        lvItems->setFocus();
    };

    command(mnuEditAdd, [this, dialog] {
        dialog([this] {
            EIcon = false;
            frmAdd(*this).exec();
        });
    });
    command(mnuEditAddSection, [this, dialog] {
        dialog([this] {
            EIcon = false;
            frmSection(*this).exec();
        });
    });
    command(mnuEditEdit, [this, dialog, list] {
        dialog([this, list] {
            EIcon = true;
            switch (list().editorFor(currentRow())) {
            case ListCommands::Editor::Section:
                frmSection(*this).exec();
                break;
            case ListCommands::Editor::Icon:
                frmAdd(*this).exec();
                break;
            case ListCommands::Editor::None:
                break;
            }
        });
    });
    command(mnuEditDelete, [this, list] {
        list().Delete();
        lvItems->setFocus();
    });
    command(mnuEditCopy, [this, list] {
        list().CopyAndPaste();
        lvItems->setFocus();
    });
    command(mnuEditMoveUp, [this, list] {
        list().MoveUp();
        lvItems->setFocus();
    });
    command(mnuEditMoveDown, [this, list] {
        list().MoveDown();
        lvItems->setFocus();
    });
}

} // namespace ulvanta
