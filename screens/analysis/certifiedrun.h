// SPDX-License-Identifier: GPL-3.0-or-later
// One certified analysis at a time, off the interface thread. The result
// comes back on the interface thread as a signal; a cancelled or replaced
// run never reports. Destroying the runner cancels and waits, so the work
// never outlives the screen that asked for it.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "certified.h"

// What a run found, and each finding's digits when they were asked for
// (empty for all but roots, and for a root whose digits could not be told).
struct CertifiedAnswer {
    core::Certified result;
    std::vector<std::string> digits;
};

class CertifiedRun : public QObject {
    Q_OBJECT

public:
    explicit CertifiedRun(QObject* parent = nullptr) : QObject(parent) {}
    ~CertifiedRun() override;

    // Starts the analysis, cancelling one still under way; with digits > 0
    // each root is also given to that many significant digits.
    void start(const core::Formula& f, core::Range range, int digits = 0);
    void cancel();
    bool running() const { return busy; }
    // Blocks until the work under way has ended and its result, if any, has
    // been reported: for tests and for a deterministic random-action run.
    void wait();

signals:
    void finished(const CertifiedAnswer& answer);

private:
    void stopWorker();
    void deliver(unsigned long generation, const CertifiedAnswer& answer);

    std::thread worker;
    std::shared_ptr<std::atomic<bool>> cancelFlag;
    unsigned long generation = 0;
    bool busy = false;
};
