// SPDX-License-Identifier: GPL-3.0-or-later
#include "certifiedrun.h"

#include <QCoreApplication>
#include <QMetaObject>

CertifiedRun::~CertifiedRun() { stopWorker(); }

void CertifiedRun::stopWorker() {
    if (cancelFlag) cancelFlag->store(true);
    if (worker.joinable()) worker.join();
    busy = false;
}

namespace {

CertifiedAnswer answerFor(const core::Formula& f, core::Range range, int digits, const std::atomic<bool>& flag) {
    CertifiedAnswer answer{core::certify(f, range, core::certifiedBudget, &flag), {}};
    if (digits <= 0) return answer;
    for (const core::Finding& g : answer.result.findings) {
        const bool wanted = g.kind == core::Finding::root && !flag.load();
        answer.digits.push_back(wanted ? core::rootDigits(f, g, digits) : std::string());
    }
    return answer;
}

}  // namespace

void CertifiedRun::start(const core::Formula& f, core::Range range, int digits) {
    stopWorker();
    cancelFlag = std::make_shared<std::atomic<bool>>(false);
    const unsigned long ticket = ++generation;
    busy = true;
    // The worker holds its own copies: nothing of the screen is touched
    // off the interface thread. The runner joins before it goes, so the
    // queued report always finds it alive.
    worker = std::thread([this, f, range, digits, ticket, flag = cancelFlag] {
        const CertifiedAnswer answer = answerFor(f, range, digits, *flag);
        core::releaseThreadCaches();
        if (flag->load()) return;
        QMetaObject::invokeMethod(this, [this, ticket, answer] { deliver(ticket, answer); }, Qt::QueuedConnection);
    });
}

void CertifiedRun::deliver(unsigned long ticket, const CertifiedAnswer& answer) {
    if (ticket != generation) return;  // a later run replaced this one
    if (worker.joinable()) worker.join();
    busy = false;
    emit finished(answer);
}

void CertifiedRun::cancel() {
    ++generation;
    stopWorker();
}

void CertifiedRun::wait() {
    if (worker.joinable()) worker.join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
