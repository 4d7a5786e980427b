#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// One run of a production job on a thread of its own: every material planned with the exact
// method (planProductionJob), which cannot yield to the window. The thread tells the run of each
// material it has planned and of the job's plan when it ends; the run takes them on the window's
// thread. Stop asks every material's run to end with its best plan so far: the job's plan still
// comes, made of those plans. Abandoning (or deleting) the run lets its thread wind down alone,
// keeping what it shares with the run alive until it ends; nothing of it is signalled any more.
class ProductionJobRun : public QObject {
    Q_OBJECT

  public:
    // `options` without its stop and its callback: the run sets both.
    ProductionJobRun(ProductionJob job, ProductionRunOptions options, QObject* parent);
    ~ProductionJobRun() override;

    void start();
    // Asks every material to end with its best plan so far; finished() still comes.
    void stop();
    // Nothing of the run is signalled any more.
    void abandon();
    bool stopRequested() const;
    // The materials planned so far, of how many.
    int materialsPlanned() const { return planned_; }
    int materialCount() const { return materialCount_; }
    // How far each material has come, in the plan's order, as of the last progressed().
    const std::vector<MaterialProgress>& progress() const { return progress_; }
    // The job's plan once finished() has come.
    const std::optional<ProductionPlan>& plan() const { return plan_; }

  signals:
    void progressed();
    void finished();

  private:
    struct Mailbox;

    void collect();

    ProductionJob job_;
    ProductionRunOptions options_;
    std::shared_ptr<Mailbox> mailbox_;
    int materialCount_ = 0;
    int planned_ = 0;
    std::vector<MaterialProgress> progress_;
    std::optional<ProductionPlan> plan_;
    bool abandoned_ = false;
};

}  // namespace marlo
