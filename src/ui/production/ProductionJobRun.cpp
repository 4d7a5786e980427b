#include "ui/production/ProductionJobRun.h"

#include <QMetaObject>
#include <atomic>
#include <mutex>
#include <thread>
#include <utility>

#include "ui/run/ExactMethodRun.h"

namespace marlo {

// What the planning thread shares with the window: the thread holds it until it ends.
struct ProductionJobRun::Mailbox {
    std::atomic<bool> stop{false};
    std::mutex mutex;
    // The run to wake when something has come; cleared (under the mutex) before the run goes,
    // so the thread never posts to a deleted object.
    ProductionJobRun* owner = nullptr;   // guarded by mutex
    int planned = 0;                     // guarded by mutex
    std::optional<ProductionPlan> plan;  // the job's plan once made; guarded by mutex

    void wake() {
        if (owner != nullptr)
            QMetaObject::invokeMethod(owner, &ProductionJobRun::collect, Qt::QueuedConnection);
    }
};

ProductionJobRun::ProductionJobRun(ProductionJob job, ProductionRunOptions options, QObject* parent)
    : QObject(parent),
      job_(std::move(job)),
      options_(std::move(options)),
      mailbox_(std::make_shared<Mailbox>()),
      materialCount_(static_cast<int>(materialsOfParts(job_).size())) {
    mailbox_->owner = this;
}

ProductionJobRun::~ProductionJobRun() {
    abandon();
}

void ProductionJobRun::start() {
    ProductionRunOptions options = options_;
    options.stop = &mailbox_->stop;
    options.materialPlanned = [mailbox = mailbox_.get()](const MaterialPlan&) {
        const std::lock_guard lock(mailbox->mutex);
        ++mailbox->planned;
        mailbox->wake();
    };
    // The program's end waits a moment for the thread, as for an exact run's.
    auto working = std::make_shared<WorkingSolver>();
    std::thread([mailbox = mailbox_, job = job_, options = std::move(options),
                 working = std::move(working)] {
        ProductionPlan plan = planProductionJob(job, options);
        const std::lock_guard lock(mailbox->mutex);
        mailbox->plan = std::move(plan);
        mailbox->wake();
    }).detach();
}

void ProductionJobRun::collect() {
    if (abandoned_) return;
    std::optional<ProductionPlan> plan;
    {
        const std::lock_guard lock(mailbox_->mutex);
        planned_ = mailbox_->planned;
        plan = std::move(mailbox_->plan);
        mailbox_->plan.reset();
    }
    if (!plan) {
        emit progressed();
        return;
    }
    plan_ = std::move(plan);
    abandoned_ = true;
    emit finished();
}

void ProductionJobRun::stop() {
    mailbox_->stop = true;
}

bool ProductionJobRun::stopRequested() const {
    return mailbox_->stop.load();
}

void ProductionJobRun::abandon() {
    abandoned_ = true;
    mailbox_->stop = true;
    const std::lock_guard lock(mailbox_->mutex);
    mailbox_->owner = nullptr;
}

}  // namespace marlo
