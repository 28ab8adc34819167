#pragma once

#include <QIcon>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

namespace ulvanta {

class Document;
class ProblemList;

// Keeps a problem list current while it is wanted: a change of the document starts
// a new check once the edits pause, on a thread of its own over a copy of the rows,
// so that a large page never holds up the window. A result comes in only when no
// later change has been made meanwhile.
class PageWatch : public QObject {
    Q_OBJECT
public:
    // The item list marks the cells at fault with marker.
    PageWatch(Document& doc, ProblemList& problems, const QIcon& marker, QObject* parent = nullptr);
    ~PageWatch() override;

    // Switched on, checks at once and after every change; switched off, the marks
    // leave the list.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // The pause after the last change before a check starts.
    void setDelay(int ms) { m_delay.setInterval(ms); }

signals:
    // A check's result is in the problem list.
    void checked();

private:
    void changed();
    void rowsChanged();
    void start();
    void finished();

    Document& m_doc;
    ProblemList& m_problems;
    QTimer m_delay;
    QThreadPool m_pool;
    quint64 m_generation = 0;
    bool m_active = false;
    bool m_running = false;
    bool m_pending = false; // a change came in while a check ran
};

} // namespace ulvanta
