#pragma once
// Time for waiting loops. The real clock lets queued window messages run while it
// waits; tests install a simulated clock so that a long wait costs no real time.

#include <QtGlobal>
#include <functional>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary fixed start.
    virtual qint64 nowMs() const = 0;
    // Waits about ms milliseconds while letting queued window messages run.
    virtual void pumpWait(int ms) = 0;
};

class RealClock : public Clock {
public:
    qint64 nowMs() const override;
    void pumpWait(int ms) override;
};

// Advances only when waited on. An optional hook runs at every wait, after the
// time has moved, so that a test can make things happen "meanwhile".
class SimulatedClock : public Clock {
public:
    qint64 nowMs() const override { return m_now; }
    void pumpWait(int ms) override;
    void advance(int ms) { m_now += ms; }
    void setOnWait(std::function<void(qint64 nowMs)> hook) { m_onWait = std::move(hook); }

private:
    qint64 m_now = 0;
    std::function<void(qint64)> m_onWait;
};

Clock& appClock();
// Installs a clock (nullptr restores the real one). The caller keeps ownership.
void setClock(Clock* c);

// Lets queued window messages run for about ms milliseconds.
inline void PumpWait(int ms) {
    appClock().pumpWait(ms);
}
