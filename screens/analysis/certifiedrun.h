// One certified analysis at a time, off the interface thread. The result
// comes back on the interface thread as a signal; a cancelled or replaced
// run never reports. Destroying the runner cancels and waits, so the work
// never outlives the screen that asked for it.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

#include "certified.h"

class CertifiedRun : public QObject {
    Q_OBJECT

public:
    explicit CertifiedRun(QObject* parent = nullptr) : QObject(parent) {}
    ~CertifiedRun() override;

    // Starts the analysis, cancelling one still under way.
    void start(const core::Formula& f, core::Range range);
    void cancel();
    bool running() const { return busy; }
    // Blocks until the work under way has ended and its result, if any, has
    // been reported: for tests and for a deterministic random-action run.
    void wait();

signals:
    void finished(const core::Certified& result);

private:
    void stopWorker();
    void deliver(unsigned long generation, const core::Certified& result);

    std::thread worker;
    std::shared_ptr<std::atomic<bool>> cancelFlag;
    unsigned long generation = 0;
    bool busy = false;
};
