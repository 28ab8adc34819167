#include "edits/EditHistory.h"

#include "edits/Document.h"

namespace ulvanta {

// The stack owns its commands and deletes them when it drops the oldest or the
// redoable ones; a command counts its step's bytes on and off the total, so the
// total is right whatever the stack does. Several commands may share one step
// while the stack is rebuilt.
class EditHistory::Command : public QUndoCommand {
public:
    Command(EditHistory& history, EditStepPtr step)
        : QUndoCommand(step->text), m_history(history), m_step(std::move(step)),
          m_bytes(m_step->bytes()) {
        m_history.m_bytes += m_bytes;
    }
    ~Command() override { m_history.m_bytes -= m_bytes; }

    // The stack redoes a command as it is pushed; the step is in the document by then.
    void redo() override {
        if (m_pushed) {
            m_pushed = false;
            return;
        }
        m_step->apply(m_history.m_doc);
        m_history.replayed(m_step->after);
    }
    void undo() override {
        m_step->revert(m_history.m_doc);
        m_history.replayed(m_step->before);
    }

    const EditStepPtr& step() const { return m_step; }
    qint64 bytes() const { return m_bytes; }

private:
    EditHistory& m_history;
    EditStepPtr m_step;
    qint64 m_bytes;
    bool m_pushed = true;
};

EditHistory::EditHistory(Document& doc) : m_doc(doc) {
    m_stack.setUndoLimit(DefaultMaxSteps);
}

EditHistory::~EditHistory() = default;

void EditHistory::push(EditStepPtr step) {
    step->apply(m_doc);
    record(std::move(step));
}

void EditHistory::pushDone(EditStepPtr step) {
    record(std::move(step));
}

void EditHistory::record(EditStepPtr step) {
    m_doc.setModified(true);
    if (step->changesNothing())
        return;
    m_stack.push(new Command(*this, std::move(step)));
    trimToBytes();
}

void EditHistory::clear() {
    m_stack.clear();
}

void EditHistory::setLimits(int maxSteps, qint64 maxBytes) {
    m_stack.clear();
    m_stack.setUndoLimit(maxSteps);
    m_maxBytes = maxBytes;
}

void EditHistory::replayed(const EditPlace& place) {
    m_doc.setModified(true);
    emit m_doc.editReplayed(place);
    m_doc.requestActionUpdate();
}

// Runs right after a push, when nothing is left to redo. QUndoStack can only drop
// its oldest commands by count, so over the byte limit the stack is rebuilt from
// the newest steps that fit, their changes already in the document.
void EditHistory::trimToBytes() {
    if (m_bytes <= m_maxBytes)
        return;
    std::vector<EditStepPtr> kept;
    qint64 total = 0;
    for (int i = m_stack.count() - 1; i >= 0; --i) {
        const auto* c = static_cast<const Command*>(m_stack.command(i));
        if (total + c->bytes() > m_maxBytes)
            break;
        total += c->bytes();
        kept.push_back(c->step());
    }
    m_stack.clear();
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        m_stack.push(new Command(*this, *it));
}

} // namespace ulvanta
