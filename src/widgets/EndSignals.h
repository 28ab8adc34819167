#pragma once

#include <QObject>

class QSocketNotifier;

namespace ulvanta {

// Turns SIGTERM, SIGINT and SIGHUP into a signal of the event loop, so the program
// ends through its normal clean path. The handler only writes the number to a
// pipe. Only one may exist at a time.
class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

    // Puts the handlers back wherever something replaced them (the browser engine
    // installs its own when it starts) and unblocks the signals in this thread.
    static void reinstall();

signals:
    void endRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace ulvanta
