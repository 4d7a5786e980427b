#include "ui/run/ExactMethodRun.h"

#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <new>
#include <thread>
#include <utility>

#include "i18n/texts/CommandLineSafetyTexts.h"

namespace marlo {

namespace {

// The time shown as progress grows at this pace.
constexpr int kTickMilliseconds = 250;

// Solver threads that have not ended yet. Trivially destructible, so that it outlives any
// thread still winding down while the program ends.
std::atomic<int> workingSolvers{0};

}  // namespace

WorkingSolver::WorkingSolver() {
    ++workingSolvers;
}

WorkingSolver::~WorkingSolver() {
    --workingSolvers;
}

ExactSolve fewestRodsSolve(FewestRodsSolver solver, const JobParameters& parameters,
                           const MethodChoice& choice) {
    return [solver = std::move(solver), parameters, cutting = cuttingParameters(parameters),
            choice](const PieceList& pieces, const std::atomic<bool>& stop,
                    const std::function<void(const PlanResult&)>& better) {
        FewestRodsOptions options{exactRunControls(choice, stop), {}};
        options.progress = [&better, &parameters](const FewestRodsResult& found) {
            better(fewestRodsPlanResult(found, parameters));
        };
        return fewestRodsPlanResult(solver(pieces, cutting, options), parameters);
    };
}

ExactSolve stockSolve(const JobParameters& parameters, const StockList& stock,
                      const MethodChoice& choice) {
    return [parameters, stock, choice](const PieceList& pieces, const std::atomic<bool>& stop,
                                       const std::function<void(const PlanResult&)>& better) {
        StockPlanOptions options{exactRunControls(choice, stop), {}};
        options.progress = [&better, &parameters](const StockPlanResult& found) {
            better(stockPlanResult(found, parameters));
        };
        return stockPlanResult(planFromStock(pieces, parameters, stock, options), parameters);
    };
}

// What the solver's thread shares with the window: the thread holds it until it ends.
struct ExactMethodRun::Mailbox {
    std::atomic<bool> stop{false};
    std::mutex mutex;
    // The run to wake when something has come; cleared (under the mutex) before the run goes,
    // so the thread never posts to a deleted object.
    ExactMethodRun* owner = nullptr;   // guarded by mutex
    std::optional<PlanResult> latest;  // guarded by mutex
    bool fresh = false;                // latest not collected yet; guarded by mutex
    bool done = false;                 // latest is the final result; guarded by mutex
};

ExactMethodRun::ExactMethodRun(ExactSolve solve, std::unique_ptr<PieceList> pieces,
                               std::chrono::seconds timeLimit, QObject* parent)
    : QObject(parent),
      solve_(std::move(solve)),
      pieces_(std::move(pieces)),
      timeLimit_(timeLimit),
      mailbox_(std::make_shared<Mailbox>()) {
    mailbox_->owner = this;
    ticks_.setInterval(kTickMilliseconds);
    connect(&ticks_, &QTimer::timeout, this, &ExactMethodRun::collect);
}

ExactMethodRun::~ExactMethodRun() {
    stop();
}

void ExactMethodRun::start() {
    clock_.start();
    ticks_.start();
    ++workingSolvers;
    std::thread([mailbox = mailbox_, solve = solve_, pieces = std::move(pieces_)] {
        const auto deliver = [&mailbox](const PlanResult& result, bool last) {
            const std::lock_guard lock(mailbox->mutex);
            mailbox->latest = result;
            mailbox->fresh = true;
            mailbox->done = last;
            if (ExactMethodRun* owner = mailbox->owner)
                QMetaObject::invokeMethod(owner, &ExactMethodRun::collect, Qt::QueuedConnection);
        };
        // A solver that runs out of memory ends the run with the best plan it had delivered,
        // or without a plan and says so; the program goes on.
        std::optional<PlanResult> best;
        PlanResult result;
        try {
            result = solve(*pieces, mailbox->stop, [&](const PlanResult& better) {
                best = better;
                deliver(better, false);
            });
        } catch (const std::bad_alloc&) {
            if (best) {
                result = std::move(*best);
            } else {
                result.plan.status = RunStatus::Aborted;
                result.plan.abortMessage = safety_text::kOutOfMemory;
            }
        }
        deliver(result, true);
        --workingSolvers;
    }).detach();
}

// Takes what the solver has left since the last look, on the window's thread.
void ExactMethodRun::collect() {
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

void ExactMethodRun::stop() {
    stopped_ = true;
    mailbox_->stop = true;
    ticks_.stop();
    const std::lock_guard lock(mailbox_->mutex);
    mailbox_->owner = nullptr;
}

double ExactMethodRun::elapsedPercent() const {
    const double limit = 1000.0 * static_cast<double>(timeLimit_.count());
    return std::min(100.0, 100.0 * static_cast<double>(clock_.elapsed()) / limit);
}

bool ExactMethodRun::waitForSolvers(std::chrono::milliseconds limit) {
    const auto due = std::chrono::steady_clock::now() + limit;
    while (workingSolvers.load() > 0) {
        if (std::chrono::steady_clock::now() >= due) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace marlo
