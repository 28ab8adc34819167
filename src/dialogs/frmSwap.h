#pragma once

#include "document/ColumnSwap.h"

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
class frmSwap : public QDialog {
    Q_OBJECT
public:
    frmSwap(Document& doc, QWidget* parent);

    const SwapChoice& choice() const { return m_choice; }

    std::array<QRadioButton*, 3> optSwap{};
    QGroupBox* fraFC = nullptr;
    std::array<QRadioButton*, SwapColumnCount> optFC{};
    QGroupBox* fraSC = nullptr;
    std::array<QRadioButton*, SwapColumnCount> optSC{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
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
