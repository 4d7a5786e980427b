// Plans generated frame jobs whose pieces are mitred +45° at both ends (frames dimensioned
// outside, so a piece's length is its longest face) three ways, each on one thread within the
// time limit:
//   (a) no shared cuts, as a workshop cuts them without mitre planning: every piece square at its
//       length, every cut as wide as a 45° cut takes along the rod (the cut thickness / cos 45°,
//       rounded up: 6 mm for 4 mm);
//   (b) the mitred job, neighbours sharing a cut where their cut lines coincide, none turned over;
//   (c) the same with pieces turned over where that lets them share.
// Classes of 10, 20, 40 and 80 frames, on rods of 6000 mm and on a stock list of 5000, 6000 and
// 6500 mm priced by length (the plan then is the cheapest, so the stock's metres count). Per class:
// the mean rods of each plan and the mean metres of stock of (a) and (c), what (c) saves against
// (a), and for (c) the share proven fewest (cheapest), its median and longest time (wall clock)
// and the share proven within 10 s.
//
//   build/bench/frames_benchmark [jobs per class, default 4] [seconds per plan, default 10]
//
// The defaults take at most about 12 minutes on two cores. The full table:
// build/bench/frames_benchmark 10 10 (at most about 30 minutes).

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <string>

#include "BenchmarkSupport.h"
#include "optimiser/StockTotals.h"
#include "production/ProductionPlanning.h"

namespace marlo {
namespace {

using bench::uniform;

const std::string kMaterial = "Frame profile";
constexpr double kMitre = 45.0;  // degrees at both ends of every piece
constexpr double kProvenWithin = 10.0;

// `frames` frames of 400 to 2000 by 400 to 2000 mm, each two parts of 2 pieces (marks F1-W for the
// width, F1-H for the height, …; the frame is the order); one profile 50 to 120 mm high, a cut of
// 4 mm, a trim of 0 or 5 mm, rods of 6000 mm.
ProductionJob frameJob(std::mt19937& random, int frames) {
    ProductionJob job;
    job.header.customer = "Benchmark";
    JobMaterial material;
    material.name = kMaterial;
    material.cutThickness = 4;
    material.trim = static_cast<int16_t>(5 * uniform(random, 0, 1));
    material.rodLength = 6000;
    material.profileHeight = static_cast<int16_t>(uniform(random, 50, 120));
    job.materials.push_back(material);
    for (int f = 1; f <= frames; ++f) {
        const std::string frame = "F" + std::to_string(f);
        for (const char* side : {"-W", "-H"}) {
            Part part;
            part.mark = frame + side;
            part.material = kMaterial;
            part.length = uniform(random, 400, 2000);
            part.pieces = 2;
            part.order = frame;
            part.startAngle = kMitre;
            part.endAngle = kMitre;
            job.parts.push_back({part, {}});
        }
    }
    return job;
}

// Plan (a): the pieces square at their length (their longest face), the cut widened to what a
// mitre cut takes along the rod.
ProductionJob withoutSharedCuts(ProductionJob job) {
    for (PartRow& row : job.parts) {
        row.part.startAngle = 0.0;
        row.part.endAngle = 0.0;
    }
    const double alongRod = std::cos(kMitre * std::numbers::pi / 180.0);
    for (JobMaterial& material : job.materials) {
        material.cutThickness = static_cast<int16_t>(std::ceil(*material.cutThickness / alongRod));
        material.profileHeight.reset();
        material.mayTurn.reset();
    }
    return job;
}

enum class Turning { Forbidden, Allowed };

// Plans (b) and (c): the mitred job, its pieces turned over or not.
ProductionJob withSharedCuts(ProductionJob job, Turning turning) {
    for (JobMaterial& material : job.materials) material.mayTurn = turning == Turning::Allowed;
    return job;
}

struct StockVariant {
    const char* name;
    std::vector<int16_t> lengths;  // empty: the material's rods of 6000 mm
};

ProductionRunOptions runOptions(const StockVariant& variant, const MethodChoice& choice) {
    ProductionRunOptions options{JobParameters{}, choice, {}, nullptr, {}, {}, {}};
    if (variant.lengths.empty()) return options;
    StockList& stock = options.stock[kMaterial];
    stock.material = kMaterial;
    for (const int16_t length : variant.lengths) {
        StockItem item;  // unlimited, priced by its length at the list's price per metre
        item.length = length;
        stock.items.push_back(item);
    }
    return options;
}

struct Outcome {
    int rods = 0;
    double metres = 0.0;  // of stock the rods take
    bool proven = false;
};

// The material's plan, or nothing when it does not hold every piece of the job.
std::optional<Outcome> outcomeOf(const ProductionPlan& plan) {
    if (!plan.complete() || plan.materials.size() != 1) return std::nullopt;
    const PlanResult& result = plan.materials.front().result;
    Outcome outcome{result.plan.summary.rodCount, 0.0, result.optimal};
    const int64_t millimetres =
        result.fromStock()
            ? stockTotals(patternsOf(result.plan.patterns), result.plan.stock).material
            : int64_t{outcome.rods} * result.parameters.rodLength;
    outcome.metres = millimetres / 1000.0;
    return outcome;
}

// The sums of a class over its jobs.
struct ClassTotals {
    int jobs = 0;
    int failed = 0;  // jobs with a plan that is not complete, left out of the sums
    double rods[3] = {};
    double metres[3] = {};
    int proven = 0;
    int provenWithin = 0;
    bench::RunTimes turnedTimes;

    void add(const Outcome (&outcomes)[3], double turnedSeconds) {
        ++jobs;
        for (int p = 0; p < 3; ++p) {
            rods[p] += outcomes[p].rods;
            metres[p] += outcomes[p].metres;
        }
        proven += outcomes[2].proven ? 1 : 0;
        provenWithin += outcomes[2].proven && turnedSeconds <= kProvenWithin ? 1 : 0;
    }
};

void printRow(int frames, const ClassTotals& totals) {
    if (totals.jobs == 0) {
        std::printf("| %2d | no job planned completely (%d failed) |\n", frames, totals.failed);
        return;
    }
    const double n = totals.jobs;
    const double saved = (totals.rods[0] - totals.rods[2]) / n;
    const double savedMetres = (totals.metres[0] - totals.metres[2]) / n;
    std::printf(
        "| %2d | %2d | %6.1f | %6.1f | %6.1f | %5.1f (%4.1f %%) | %7.1f | %7.1f | %4.1f %% | %5.1f "
        "%% | %6.2f s | %6.2f s | %5.1f %% |",
        frames, totals.jobs, totals.rods[0] / n, totals.rods[1] / n, totals.rods[2] / n, saved,
        100.0 * saved / (totals.rods[0] / n), totals.metres[0] / n, totals.metres[2] / n,
        100.0 * savedMetres / (totals.metres[0] / n), 100.0 * totals.proven / n,
        totals.turnedTimes.median(), totals.turnedTimes.longest(), 100.0 * totals.provenWithin / n);
    if (totals.failed > 0) std::printf(" %d failed", totals.failed);
    std::printf("\n");
    std::fflush(stdout);
}

void runClass(int frames, int count, const StockVariant& variant, const MethodChoice& choice) {
    const ProductionRunOptions options = runOptions(variant, choice);
    ClassTotals totals;
    bench::forEachInstance<ProductionJob>(
        count, [frames](std::mt19937& random) { return frameJob(random, frames); },
        [&](int i, const ProductionJob& job) {
            const ProductionJob plans[3] = {withoutSharedCuts(job),
                                            withSharedCuts(job, Turning::Forbidden),
                                            withSharedCuts(job, Turning::Allowed)};
            Outcome outcomes[3];
            for (int p = 0; p < 3; ++p) {
                const auto plan = [&] { return planProductionJob(plans[p], options); };
                const std::optional<Outcome> outcome =
                    outcomeOf(p == 2 ? totals.turnedTimes.time(plan) : plan());
                if (!outcome) {
                    std::fprintf(stderr, "%d frames, %s, job %d: plan (%c) is not complete\n",
                                 frames, variant.name, i + 1, 'a' + p);
                    ++totals.failed;
                    return;
                }
                outcomes[p] = *outcome;
            }
            totals.add(outcomes, totals.turnedTimes.last());
        });
    printRow(frames, totals);
}

}  // namespace
}  // namespace marlo

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 4;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    if (count < 1 || seconds < 1 || seconds > 3600) {
        std::fprintf(stderr, "usage: frames_benchmark [jobs per class] [seconds per plan]\n");
        return 2;
    }
    marlo::MethodChoice choice;
    choice.method = marlo::OptimisationMethod::FewestRods;
    choice.timeLimitSeconds = static_cast<int16_t>(seconds);
    choice.threads = 1;
    const marlo::StockVariant variants[] = {
        {"rods of 6000 mm", {}}, {"stock of 5000, 6000 and 6500 mm", {5000, 6000, 6500}}};
    for (const marlo::StockVariant& variant : variants) {
        std::printf("\n%s, %d s per plan\n\n", variant.name, choice.timeLimitSeconds);
        std::printf(
            "| Frames | Jobs | Rods (a) | Rods (b) | Rods (c) | (c) saves rods | Stock m (a) | "
            "Stock m (c) | (c) saves m | (c) proven | (c) median | (c) longest | (c) proven "
            "within 10 s |\n");
        std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
        for (const int frames : {10, 20, 40, 80}) marlo::runClass(frames, count, variant, choice);
    }
    return 0;
}
