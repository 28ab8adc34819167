#pragma once

#include <QElapsedTimer>

// Wall-clock milliseconds one call of f takes.
template <typename F> double timeMs(F f) {
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}
