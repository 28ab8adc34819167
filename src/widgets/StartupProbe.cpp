#include "widgets/StartupProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace ulvanta {

namespace {

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Ends once this paint is done.
            QTimer::singleShot(0, qApp, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("painted %.6f\n", double(now.tv_sec) + double(now.tv_nsec) / 1e9);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

void installStartupProbe() {
    if (qEnvironmentVariableIsEmpty("ULVANTA_STARTUP_PROBE"))
        return;
    qApp->installEventFilter(new FirstPaint(qApp));
}

} // namespace ulvanta
