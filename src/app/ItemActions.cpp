#include "app/ItemActions.h"

#include "app/ItemListView.h"
#include "app/MainWindow.h"
#include "commands/ListController.h"
#include "components/Prompter.h"
#include "dialogs/AddApplicationsDialog.h"
#include "dialogs/IconDialog.h"
#include "dialogs/SectionDialog.h"
#include "forms/IconEntry.h"

#include <QTabWidget>

namespace ulvanta {

namespace {
constexpr int kIconsTab = 0;
}

ItemActions::ItemActions(Document& doc, Prompter& prompter, ItemListView* list, QTabWidget* tabs,
                         const QString& programFolder, QWidget* window)
    : QObject(window), m_doc(doc), m_prompter(prompter), m_list(list), m_tabs(tabs),
      m_programFolder(programFolder), m_window(window) {}

int ItemActions::currentRow() const {
    return ListController(m_doc, m_prompter, m_list->selectionModel()).currentRow();
}

void ItemActions::showList() {
    m_tabs->setCurrentIndex(kIconsTab);
}

void ItemActions::addIcon() {
    showList();
    IconDialog(m_doc, m_prompter, DialogMode::Add, currentRow(), m_programFolder, m_window).exec();
    m_list->setFocus();
}

void ItemActions::addSection() {
    showList();
    SectionDialog(m_doc, DialogMode::Add, currentRow(), m_window).exec();
    m_list->setFocus();
}

void ItemActions::addApplications() {
    showList();
    std::vector<intake::Application> apps;
    {
        BusyPointer busy(m_prompter);
        apps = intake::installedApplications();
    }
    AddApplicationsDialog dlg(std::move(apps), m_window);
    if (dlg.exec() == QDialog::Accepted) {
        const int position =
            IconEntry::insertPosition(m_doc.items().count(), currentRow(), dlg.addAtBottom());
        m_doc.insertRows(tr("Add from Applications"), position,
                         intake::applicationRows(dlg.chosen(), dlg.sectionPerCategory()));
    }
    m_list->setFocus();
}

void ItemActions::editCurrent() {
    showList();
    const int row = currentRow();
    switch (ListController(m_doc, m_prompter, m_list->selectionModel()).editorFor(row)) {
    case ListController::Editor::Section:
        SectionDialog(m_doc, DialogMode::Edit, row, m_window).exec();
        break;
    case ListController::Editor::Icon:
        selectOnlyCurrent(m_list->selectionModel());
        IconDialog(m_doc, m_prompter, DialogMode::Edit, row, m_programFolder, m_window).exec();
        break;
    case ListController::Editor::None:
        break;
    }
    m_list->setFocus();
}

void ItemActions::runOnList(void (ListController::*command)()) {
    showList();
    ListController list(m_doc, m_prompter, m_list->selectionModel());
    (list.*command)();
    m_list->setFocus();
}

void ItemActions::removeSelected() {
    runOnList(&ListController::removeSelected);
}

void ItemActions::duplicateSelected() {
    runOnList(&ListController::duplicateSelected);
}

void ItemActions::moveUp() {
    runOnList(&ListController::moveUp);
}

void ItemActions::moveDown() {
    runOnList(&ListController::moveDown);
}

} // namespace ulvanta
