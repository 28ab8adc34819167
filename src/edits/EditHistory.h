#pragma once

#include "edits/EditStep.h"

#include <QUndoStack>

namespace ulvanta {

class Document;

// The document's undo history: one QUndoStack whose commands are thin wrappers
// around shared steps. Holds at most maxSteps steps and maxBytes of step data,
// dropping the oldest; a step larger than maxBytes by itself is not kept. Doing, undoing and
// redoing a step marks the document changed; undo and redo also tell the window which tab
// to show and where to put the selection (Document::editReplayed).
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

    // Does the step and records it; steps that could be redone are dropped. Either
    // way the document counts as changed, even when the step changes nothing and
    // is not recorded.
    void push(EditStepPtr step);
    // Records a step whose change is already in the document.
    void pushDone(EditStepPtr step);
    // Forgets every step (New, Open).
    void clear();

    // Changes the limits; forgets every step.
    void setLimits(int maxSteps, qint64 maxBytes);
    // The bytes held by the recorded steps.
    qint64 storedBytes() const { return m_bytes; }

private:
    class Command;
    void record(EditStepPtr step);
    void replayed(const EditPlace& place);
    void trimToBytes();

    Document& m_doc;
    qint64 m_maxBytes = DefaultMaxBytes;
    qint64 m_bytes = 0;
    QUndoStack m_stack; // last: its commands count their bytes off m_bytes as they go
};

} // namespace ulvanta
