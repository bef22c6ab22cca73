#include "common/Clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>

namespace {
Clock* installedClock = nullptr;

const QElapsedTimer& processTimer() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
} // namespace

qint64 RealClock::nowMs() const {
    return processTimer().elapsed();
}

void RealClock::pumpWait(int ms) {
    QDeadlineTimer deadline(qMax(ms, 0));
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!deadline.hasExpired())
            QThread::msleep(qMin<qint64>(2, deadline.remainingTime()));
    } while (!deadline.hasExpired());
}

void SimulatedClock::pumpWait(int ms) {
    m_now += qMax(ms, 0);
    QCoreApplication::processEvents();
    if (m_onWait)
        m_onWait(m_now);
}

Clock& appClock() {
    static RealClock realClock;
    return installedClock ? *installedClock : realClock;
}

void setClock(Clock* c) {
    installedClock = c;
}
