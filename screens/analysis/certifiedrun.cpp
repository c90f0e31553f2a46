#include "certifiedrun.h"

#include <QCoreApplication>
#include <QMetaObject>

CertifiedRun::~CertifiedRun() { stopWorker(); }

void CertifiedRun::stopWorker() {
    if (cancelFlag) cancelFlag->store(true);
    if (worker.joinable()) worker.join();
    busy = false;
}

void CertifiedRun::start(const core::Formula& f, core::Range range) {
    stopWorker();
    cancelFlag = std::make_shared<std::atomic<bool>>(false);
    const unsigned long ticket = ++generation;
    busy = true;
    // The worker holds its own copies: nothing of the screen is touched
    // off the interface thread. The runner joins before it goes, so the
    // queued report always finds it alive.
    worker = std::thread([this, f, range, ticket, flag = cancelFlag] {
        const core::Certified result = core::certify(f, range, core::certifiedBudget, flag.get());
        core::releaseThreadCaches();
        if (flag->load()) return;
        QMetaObject::invokeMethod(this, [this, ticket, result] { deliver(ticket, result); }, Qt::QueuedConnection);
    });
}

void CertifiedRun::deliver(unsigned long ticket, const core::Certified& result) {
    if (ticket != generation) return;  // a later run replaced this one
    if (worker.joinable()) worker.join();
    busy = false;
    emit finished(result);
}

void CertifiedRun::cancel() {
    ++generation;
    stopWorker();
}

void CertifiedRun::wait() {
    if (worker.joinable()) worker.join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
