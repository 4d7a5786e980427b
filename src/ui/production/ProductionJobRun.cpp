#include "ui/production/ProductionJobRun.h"

#include <QMetaObject>
#include <algorithm>
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
    ProductionJobRun* owner = nullptr;       // guarded by mutex
    std::vector<MaterialProgress> progress;  // guarded by mutex
    std::optional<ProductionPlan> plan;      // the job's plan once made; guarded by mutex
    // A wake-up is on its way: further news waits for it rather than posting another.
    bool woken = false;  // guarded by mutex

    void wake() {
        if (owner == nullptr || woken) return;
        woken = true;
        QMetaObject::invokeMethod(owner, &ProductionJobRun::collect, Qt::QueuedConnection);
    }
};

ProductionJobRun::ProductionJobRun(ProductionJob job, ProductionRunOptions options, QObject* parent)
    : QObject(parent),
      job_(std::move(job)),
      options_(std::move(options)),
      mailbox_(std::make_shared<Mailbox>()),
      materialCount_(static_cast<int>(materialsOfParts(job_).size())),
      progress_(static_cast<size_t>(materialCount_)) {
    mailbox_->owner = this;
    mailbox_->progress = progress_;
}

ProductionJobRun::~ProductionJobRun() {
    abandon();
}

void ProductionJobRun::start() {
    ProductionRunOptions options = options_;
    options.stop = &mailbox_->stop;
    options.materialProgress = [mailbox = mailbox_.get()](size_t material,
                                                          const MaterialProgress& progress) {
        const std::lock_guard lock(mailbox->mutex);
        if (material < mailbox->progress.size()) mailbox->progress[material] = progress;
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
        mailbox_->woken = false;
        progress_ = mailbox_->progress;
        plan = std::move(mailbox_->plan);
        mailbox_->plan.reset();
    }
    planned_ = static_cast<int>(
        std::count_if(progress_.begin(), progress_.end(), [](const MaterialProgress& p) {
            return p.stage == MaterialProgress::Stage::Planned ||
                   p.stage == MaterialProgress::Stage::NoPlan;
        }));
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
