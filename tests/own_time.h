#pragma once
// Wall time of a piece of code less the time its thread stood ready to run
// while other processes had the processor: a loaded machine stretches wall
// time, not this, so an upper bound on it holds under load. Time spent
// blocked (on a file, a lock, a sound server) still counts. Read from the
// thread's scheduler statistics on Linux; elsewhere it is plain wall time.

#include <QElapsedTimer>
#include <QFile>

class OwnTimer {
public:
    void start()
    {
        waitedAtStart_ = runQueueNs();
        wall_.start();
    }
    qint64 nsecsElapsed() const { return wall_.nsecsElapsed() - (runQueueNs() - waitedAtStart_); }
    qint64 elapsed() const { return nsecsElapsed() / 1'000'000; }

private:
    // The second figure of schedstat: nanoseconds spent waiting on a run queue.
    static qint64 runQueueNs()
    {
        QFile f(QStringLiteral("/proc/thread-self/schedstat"));
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        return f.readAll().split(' ').value(1).toLongLong();
    }

    QElapsedTimer wall_;
    qint64 waitedAtStart_ = 0;
};
