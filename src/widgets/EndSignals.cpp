#include "widgets/EndSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace ulvanta {

namespace {

int pipeEnds[2] = {-1, -1};
const int Handled[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int number) {
    const int saved = errno;
    const char byte = char(number);
    if (pipeEnds[1] >= 0)
        (void)!write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::readPipe);
    reinstall();
}

EndSignals::~EndSignals() {
    for (int number : Handled)
        std::signal(number, SIG_DFL);
    delete m_notifier;
    for (int& end : pipeEnds) {
        if (end >= 0)
            close(end);
        end = -1;
    }
}

void EndSignals::reinstall() {
    if (pipeEnds[1] < 0)
        return;
    sigset_t mask;
    sigemptyset(&mask);
    for (int number : Handled) {
        struct sigaction now {};
        sigaction(number, nullptr, &now);
        if (now.sa_handler != onSignal) {
            struct sigaction ours {};
            ours.sa_handler = onSignal;
            sigemptyset(&ours.sa_mask);
            ours.sa_flags = SA_RESTART;
            sigaction(number, &ours, nullptr);
        }
        sigaddset(&mask, number);
    }
    pthread_sigmask(SIG_UNBLOCK, &mask, nullptr);
}

void EndSignals::readPipe() {
    char byte = 0;
    int last = 0;
    while (read(pipeEnds[0], &byte, 1) == 1)
        last = byte;
    if (last)
        emit endRequested(last);
}

} // namespace ulvanta
