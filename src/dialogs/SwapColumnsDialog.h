#pragma once

#include "commands/ColumnSwap.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace ulvanta {

class Document;

// Swap Columns: swaps two columns of every icon row, or moves or copies one onto
// another. Modal; OK runs the operation and closes.
class SwapColumnsDialog : public QDialog {
    Q_OBJECT
public:
    SwapColumnsDialog(Document& doc, QWidget* parent);

    const SwapChoice& choice() const { return m_choice; }

private:
    std::array<QRadioButton*, 3> m_operationButtons{};
    QGroupBox* m_firstColumnBox = nullptr;
    std::array<QRadioButton*, SwapColumnCount> m_firstColumnButtons{};
    QGroupBox* m_secondColumnBox = nullptr;
    std::array<QRadioButton*, SwapColumnCount> m_secondColumnButtons{};
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    // The choice follows every button the user checks.
    void connectChoices();
    void firstChosen(int column);
    void showSecond();
    void run();

    Document& m_doc;
    SwapChoice m_choice;
    QButtonGroup* m_operationGroup = nullptr;
    QButtonGroup* m_firstGroup = nullptr;
    QButtonGroup* m_secondGroup = nullptr;
};

} // namespace ulvanta
