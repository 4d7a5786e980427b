#include "ui/FewestRodsRun.h"

#include <QMetaObject>
#include <algorithm>

namespace marlo {

namespace {

constexpr int kTickMilliseconds = 250;

}  // namespace

FewestRodsRun::FewestRodsRun(std::unique_ptr<PieceList> pieces, const JobParameters& parameters,
                             const MethodChoice& choice, QObject* parent)
    : QObject(parent), pieces_(std::move(pieces)), parameters_(parameters), choice_(choice) {
    ticks_.setInterval(kTickMilliseconds);
    connect(&ticks_, &QTimer::timeout, this, &FewestRodsRun::progressed);
}

FewestRodsRun::~FewestRodsRun() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

void FewestRodsRun::start() {
    clock_.start();
    ticks_.start();
    threadRunning_ = true;
    thread_ = std::thread([this] {
        FewestRodsOptions options;
        options.timeLimit = std::chrono::seconds(choice_.timeLimitSeconds);
        options.stop = &stop_;
        options.progress = [this](const FewestRodsResult& better) { post(better, false); };
        post(solveFewestRods(*pieces_, parameters_, options), true);
    });
}

// Hands a result from the solver's thread to the window's thread.
void FewestRodsRun::post(FewestRodsResult result, bool last) {
    QMetaObject::invokeMethod(
        this,
        [this, result = std::move(result), last]() mutable {
            if (last) {
                ticks_.stop();
                threadRunning_ = false;
                if (thread_.joinable()) thread_.join();
            }
            if (!stopped_) {
                best_ = std::move(result);
                if (last)
                    emit finished();
                else
                    emit progressed();
            }
            if (last) emit ended();
        },
        Qt::QueuedConnection);
}

void FewestRodsRun::stop() {
    stopped_ = true;
    stop_ = true;
    ticks_.stop();
}

double FewestRodsRun::elapsedPercent() const {
    const double limit = 1000.0 * choice_.timeLimitSeconds;
    return std::min(100.0, 100.0 * static_cast<double>(clock_.elapsed()) / limit);
}

}  // namespace marlo
