#include "ui/FewestRodsRun.h"

#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <utility>

namespace marlo {

namespace {

// The time shown as progress grows at this pace.
constexpr int kTickMilliseconds = 250;

// Solver threads that have not ended yet. Trivially destructible, so that it outlives any
// thread still winding down while the program ends.
std::atomic<int> workingSolvers{0};

}  // namespace

// What the solver's thread shares with the window: the thread holds it until it ends.
struct FewestRodsRun::Mailbox {
    std::atomic<bool> stop{false};
    std::mutex mutex;
    // The run to wake when something has come; cleared (under the mutex) before the run goes,
    // so the thread never posts to a deleted object.
    FewestRodsRun* owner = nullptr;          // guarded by mutex
    std::optional<FewestRodsResult> latest;  // guarded by mutex
    bool fresh = false;                      // latest not collected yet; guarded by mutex
    bool done = false;                       // latest is the final result; guarded by mutex
};

FewestRodsRun::FewestRodsRun(FewestRodsSolver solver, std::unique_ptr<PieceList> pieces,
                             const JobParameters& parameters, const MethodChoice& choice,
                             QObject* parent)
    : QObject(parent),
      solver_(std::move(solver)),
      pieces_(std::move(pieces)),
      parameters_(parameters),
      choice_(choice),
      mailbox_(std::make_shared<Mailbox>()) {
    mailbox_->owner = this;
    ticks_.setInterval(kTickMilliseconds);
    connect(&ticks_, &QTimer::timeout, this, &FewestRodsRun::collect);
}

FewestRodsRun::~FewestRodsRun() {
    stop();
}

void FewestRodsRun::start() {
    clock_.start();
    ticks_.start();
    ++workingSolvers;
    std::thread([mailbox = mailbox_, solver = solver_, pieces = std::move(pieces_),
                 parameters = parameters_, choice = choice_] {
        const auto deliver = [&mailbox](const FewestRodsResult& result, bool last) {
            const std::lock_guard lock(mailbox->mutex);
            mailbox->latest = result;
            mailbox->fresh = true;
            mailbox->done = last;
            if (FewestRodsRun* owner = mailbox->owner)
                QMetaObject::invokeMethod(owner, &FewestRodsRun::collect, Qt::QueuedConnection);
        };
        FewestRodsOptions options;
        options.timeLimit = std::chrono::seconds(choice.timeLimitSeconds);
        options.stop = &mailbox->stop;
        options.progress = [&deliver](const FewestRodsResult& better) { deliver(better, false); };
        deliver(solver(*pieces, parameters, options), true);
        --workingSolvers;
    }).detach();
}

// Takes what the solver has left since the last look, on the window's thread.
void FewestRodsRun::collect() {
    if (stopped_) return;
    bool done = false;
    {
        const std::lock_guard lock(mailbox_->mutex);
        if (mailbox_->fresh) {
            best_ = std::move(mailbox_->latest);
            mailbox_->latest.reset();
            mailbox_->fresh = false;
        }
        done = mailbox_->done;
    }
    if (done) {
        ticks_.stop();
        stopped_ = true;
        emit finished();
    } else {
        emit progressed();
    }
}

void FewestRodsRun::stop() {
    stopped_ = true;
    mailbox_->stop = true;
    ticks_.stop();
    const std::lock_guard lock(mailbox_->mutex);
    mailbox_->owner = nullptr;
}

double FewestRodsRun::elapsedPercent() const {
    const double limit = 1000.0 * choice_.timeLimitSeconds;
    return std::min(100.0, 100.0 * static_cast<double>(clock_.elapsed()) / limit);
}

bool FewestRodsRun::waitForSolvers(std::chrono::milliseconds limit) {
    const auto due = std::chrono::steady_clock::now() + limit;
    while (workingSolvers.load() > 0) {
        if (std::chrono::steady_clock::now() >= due) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace marlo
