#include "platform/core/HiResTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>

namespace platform {

namespace {

const QElapsedTimer& counter() {
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}

} // namespace

double HiResTimer::ElapsedSeconds() {
    const double seconds = static_cast<double>(counter().nsecsElapsed()) / 1e9;
    return std::round(seconds * 10000.0) / 10000.0;
}

void HiResTimer::Delay(double ms) {
    QElapsedTimer timer;
    timer.start();
    const qint64 limitNs = static_cast<qint64>(std::floor(ms * 1e6));
    if (ms >= 0) {
        // The program takes no message for the length of the pause, as a busy
        // wait would; sleeping through all but the last stretch spares the CPU.
        for (;;) {
            const qint64 left = limitNs - timer.nsecsElapsed();
            if (left < 0)
                break;
            if (left > 2'000'000)
                QThread::usleep(static_cast<unsigned long>((left - 1'000'000) / 1000));
            else
                QThread::yieldCurrentThread();
        }
    }
    QCoreApplication::processEvents();
}

} // namespace platform
