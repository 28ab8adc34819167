#pragma once

#include "edits/EditStep.h"

#include <QUndoStack>

namespace ulvanta {

class Document;

// The document's undo history and its changed flag, both kept by one QUndoStack:
// the document counts as changed unless the stack is at its clean index, so undoing
// or redoing back to the saved state clears the flag (Document::modifiedChanged).
// Undo and redo also tell the window which tab to show and where to put the
// selection (Document::editReplayed).
//
// One addition to QUndoStack: a byte cap. Besides at most maxSteps steps, the
// history holds at most maxBytes of step data, dropping the oldest steps; a step
// larger than maxBytes by itself is not kept, and the window is told so
// (Document::stepTooLarge). A saved state that is dropped with its steps can no
// longer be reached, so the document then stays changed until it is saved.
class EditHistory {
public:
    static constexpr int DefaultMaxSteps = 100;
    static constexpr qint64 DefaultMaxBytes = qint64(64) << 20;

    explicit EditHistory(Document& doc);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // The stack the Edit menu's Undo and Redo actions are made from.
    QUndoStack& stack() { return m_stack; }
    const QUndoStack& stack() const { return m_stack; }

    // Does the step and records it; steps that could be redone are dropped. An
    // obsolete step (one that changes nothing) leaves no step and keeps the steps
    // that could be redone, yet the document counts as changed.
    void push(EditStepPtr step);
    // Forgets every step; the document stays as changed as it was.
    void clear();

    bool isModified() const { return !m_stack.isClean(); }
    // The document as it is now is the saved one (New, Open, Save).
    void markSaved() { m_stack.setClean(); }
    // The document counts as changed with no step leading back to the saved state:
    // a recovered copy, a command that changes nothing yet counts as an edit.
    void markModified() { m_stack.resetClean(); }

    // Changes the limits; forgets every step.
    void setLimits(int maxSteps, qint64 maxBytes);
    // The bytes held by the recorded steps.
    qint64 storedBytes() const;

private:
    const EditStep* stepAt(int index) const {
        return static_cast<const EditStep*>(m_stack.command(index));
    }
    template <typename Change> void quietly(Change change);
    void indexMoved(int index);
    void trimToBytes();

    Document& m_doc;
    qint64 m_maxBytes = DefaultMaxBytes;
    int m_index = 0;      // the stack's index before its latest move
    bool m_quiet = false; // within a push, a clear or a refill: no undo or redo to report
    QUndoStack m_stack;
};

} // namespace ulvanta
