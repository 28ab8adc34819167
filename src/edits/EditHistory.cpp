#include "edits/EditHistory.h"

#include "edits/Document.h"

#include <QCoreApplication>
#include <utility>

namespace ulvanta {

EditHistory::EditHistory(Document& doc) : m_doc(doc) {
    m_stack.setUndoLimit(DefaultMaxSteps);
    QObject::connect(&m_stack, &QUndoStack::indexChanged, &m_stack,
                     [this](int index) { indexMoved(index); });
    QObject::connect(&m_stack, &QUndoStack::cleanChanged, &m_stack, [this](bool clean) {
        if (!m_quiet)
            emit m_doc.modifiedChanged(!clean);
    });
}

// The stack empties itself as it goes, telling nobody.
EditHistory::~EditHistory() {
    m_quiet = true;
}

// Runs a change that may move the stack's index and clean state through states
// in between; the flag is reported once, from where it ends.
template <typename Change> void EditHistory::quietly(Change change) {
    const bool was = isModified();
    m_quiet = true;
    change();
    m_quiet = false;
    if (isModified() != was)
        emit m_doc.modifiedChanged(!was);
}

void EditHistory::push(EditStepPtr step) {
    // Not handed to the stack, which would drop the steps that could be redone.
    if (step->isObsolete()) {
        markModified();
        return;
    }
    quietly([&] {
        m_stack.push(step.release());
        trimToBytes();
    });
}

void EditHistory::clear() {
    quietly([&] {
        const bool modified = isModified();
        m_stack.clear();
        if (modified)
            m_stack.resetClean();
    });
}

void EditHistory::setLimits(int maxSteps, qint64 maxBytes) {
    clear();
    m_stack.setUndoLimit(maxSteps);
    m_maxBytes = maxBytes;
}

qint64 EditHistory::storedBytes() const {
    qint64 n = 0;
    for (int i = 0; i < m_stack.count(); ++i)
        n += stepAt(i)->bytes();
    return n;
}

// An undo or redo (the Edit menu's actions call the stack directly) moves the
// index by one: down to the step undone, or up past the step redone.
void EditHistory::indexMoved(int index) {
    const int from = std::exchange(m_index, index);
    if (m_quiet || index == from || std::max(index, from) > m_stack.count())
        return;
    emit m_doc.editReplayed(index < from ? stepAt(index)->before() : stepAt(index - 1)->after());
    m_doc.requestActionUpdate();
}

// Runs right after a push, when nothing is left to redo. QUndoStack drops its
// oldest commands only by count, so over the byte cap the stack is refilled with
// the newest steps that fit, their changes already in the document, and the clean
// index is set where it was if that step is still there.
void EditHistory::trimToBytes() {
    const int count = m_stack.count();
    int first = count;
    for (qint64 kept = 0; first > 0 && kept + stepAt(first - 1)->bytes() <= m_maxBytes; --first)
        kept += stepAt(first - 1)->bytes();
    if (first == 0)
        return;
    if (first == count)
        emit m_doc.stepTooLarge(QCoreApplication::translate("ulvanta::EditHistory",
                                                            "This change is too large to undo"));
    const int clean = m_stack.cleanIndex();
    std::vector<EditStepPtr> kept;
    kept.reserve(size_t(count - first));
    // The stack hands its commands out read-only, and deletes these right after.
    for (int i = first; i < count; ++i)
        kept.push_back(const_cast<EditStep*>(stepAt(i))->takeOver());
    m_stack.clear();
    if (clean != first)
        m_stack.resetClean();
    for (size_t i = 0; i < kept.size(); ++i) {
        m_stack.push(kept[i].release());
        if (first + int(i) + 1 == clean)
            m_stack.setClean();
    }
}

} // namespace ulvanta
