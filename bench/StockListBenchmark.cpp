// Plans generated workshop jobs from stock lists of several lengths and offcuts at the lowest
// price, and the classic variable-sized classes (bins of several capacities, each costing its
// capacity), and compares with a plain arc-flow model over all stock lengths solved by CBC alone.
// Prints per class: instances proven cheapest within the time limit, median and longest time,
// the same for the plain model, and whether the two found the same price where both proved it.
//
//   build/bench/stock_list_benchmark [instances per class, default 20] [seconds, default 10]
//                                    [--no-plain] [--verbose] [--class=PART OF A CLASS NAME]

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchmarkSupport.h"
#include "optimiser/fewest/StockArcFlow.h"
#include "optimiser/fewest/StockCutting.h"

namespace marlo {
namespace {

using bench::uniform;

struct Job {
    JobParameters parameters;
    StockList stock;
    std::vector<int16_t> pieces;
};

// A workshop list of 10 to 60 dimensions of 250 to 2600 mm (1 to 6 pieces each), a cut of 0 to
// 6 mm, a trim of 0 to 15 mm; the stock: `lengths` of 3000, 6000, 6500 and 7000 mm (the longest
// unlimited, the others limited when asked) and `offcuts` of 500 to 3000 mm.
Job workshopJob(std::mt19937& random, int lengths, bool limited, int offcuts) {
    Job job;
    job.parameters.cutThickness = static_cast<int16_t>(uniform(random, 0, 6));
    job.parameters.trim = static_cast<int16_t>(uniform(random, 0, 15));
    const int dimensions = uniform(random, 10, 60);
    for (int d = 0; d < dimensions; ++d) {
        const auto length = static_cast<int16_t>(uniform(random, 250, 2600));
        job.pieces.insert(job.pieces.end(), uniform(random, 1, 6), length);
    }
    const int all[] = {3000, 6000, 6500, 7000};
    for (int i = 4 - lengths; i < 4; ++i) {
        StockItem item;
        item.length = static_cast<int16_t>(all[i]);
        if (limited && i < 3) item.quantity = uniform(random, 2, 15);
        // Longer rods cost a little less per metre.
        item.price = std::round(all[i] * (1.0 - 0.02 * i)) / 1000.0;
        job.stock.items.push_back(item);
    }
    for (int o = 0; o < offcuts; ++o) {
        StockItem item;
        item.length = static_cast<int16_t>(uniform(random, 500, 3000));
        item.quantity = 1;
        item.kind = StockKind::Offcut;
        item.id = "R-" + std::to_string(o + 1);
        job.stock.items.push_back(item);
    }
    job.parameters.rodLength = job.stock.items.back().length;
    return job;
}

// The variable-sized bin packing classes of the literature as Monaci generated them: `count`
// items of `low` to 100, bins of the given capacities without limit, each costing its capacity;
// no cut, no trim.
Job variableSizedJob(std::mt19937& random, int count, int low, const std::vector<int>& capacities) {
    Job job;
    job.parameters.cutThickness = 0;
    job.parameters.trim = 0;
    for (int i = 0; i < count; ++i)
        job.pieces.push_back(static_cast<int16_t>(uniform(random, low, 100)));
    for (const int capacity : capacities) {
        StockItem item;
        item.length = static_cast<int16_t>(capacity);
        item.price = capacity;
        job.stock.items.push_back(item);
    }
    job.parameters.rodLength = static_cast<int16_t>(capacities.back());
    return job;
}

struct InstanceClass {
    std::string name;
    std::function<Job(std::mt19937&)> generate;
};

void runClass(const InstanceClass& instances, int count, std::chrono::milliseconds limit,
              bool compare, bool verbose) {
    bench::RunTimes times, plainTimes;
    int proven = 0, plainProven = 0, samePrice = 0, bothProven = 0;
    bench::forEachInstance<Job>(count, instances.generate, [&](int i, const Job& job) {
        const std::unique_ptr<PieceList> pieces = bench::pieceListOf(job.pieces);
        StockPlanOptions options;
        options.timeLimit = limit;
        const StockPlanResult result =
            times.time([&] { return planFromStock(*pieces, job.parameters, job.stock, options); });
        proven += result.optimal ? 1 : 0;
        if (verbose)
            std::fprintf(stderr, "%s #%d: %d pieces, %zu rows, price %.2f, bound %.2f, %.2f s\n",
                         instances.name.c_str(), i, pieces->count(), job.stock.items.size(),
                         result.price, result.priceLowerBound, times.last());
        if (!compare) return;

        const fewest::StockInstance instance =
            fewest::stockInstanceOf(*pieces, job.parameters, job.stock);
        const fewest::StockArcFlowOutcome plain = plainTimes.time([&] {
            return fewest::solveStockArcFlow(
                instance, 1e7, std::nullopt, 0,
                fewest::Deadline(fewest::Deadline::Clock::now() + limit, nullptr), 1);
        });
        const bool plainDone = plain.finished && plain.better && plain.better->complete();
        if (verbose)
            std::fprintf(
                stderr, "  plain: %s, price %.2f, %.2f s\n", plainDone ? "proven" : "unproven",
                plain.better ? fewest::priceOf(instance, *plain.better) : 0.0, plainTimes.last());
        plainProven += plainDone ? 1 : 0;
        if (plainDone && result.optimal) {
            ++bothProven;
            samePrice += std::abs(fewest::priceOf(instance, *plain.better) - result.price) < 1e-6;
        }
    });
    std::printf("| %s | %d | %.0f %% | %.2f | %.2f |", instances.name.c_str(), count,
                100.0 * proven / count, times.median(), times.longest());
    if (compare)
        std::printf(" %.0f %% | %.2f | %.2f | %d of %d |", 100.0 * plainProven / count,
                    plainTimes.median(), plainTimes.longest(), samePrice, bothProven);
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace
}  // namespace marlo

int main(int argc, char** argv) {
    using namespace marlo;
    const int count = argc > 1 ? std::atoi(argv[1]) : 20;
    const std::chrono::milliseconds limit(argc > 2 ? std::atoi(argv[2]) * 1000 : 10000);
    const std::vector<std::string> flags(argv + std::min(argc, 3), argv + argc);
    const bool compare = std::find(flags.begin(), flags.end(), "--no-plain") == flags.end();
    const bool verbose = std::find(flags.begin(), flags.end(), "--verbose") != flags.end();
    const auto only = std::find_if(flags.begin(), flags.end(), [](const std::string& flag) {
        return flag.starts_with("--class=");
    });
    const std::string chosen = only == flags.end() ? "" : only->substr(8);
    const std::vector<int> three = {100, 120, 150};
    const std::vector<int> five = {60, 80, 100, 120, 150};
    const std::vector<InstanceClass> classes = {
        {"2 lengths, unlimited", [](std::mt19937& r) { return workshopJob(r, 2, false, 0); }},
        {"3 lengths, limited", [](std::mt19937& r) { return workshopJob(r, 3, true, 0); }},
        {"4 lengths, limited, 0-20 offcuts",
         [](std::mt19937& r) { return workshopJob(r, 4, true, uniform(r, 0, 20)); }},
        {"2 lengths, 5-20 offcuts",
         [](std::mt19937& r) { return workshopJob(r, 2, false, uniform(r, 5, 20)); }},
        {"variable-sized 100 items 1-100, bins 100/120/150",
         [=](std::mt19937& r) { return variableSizedJob(r, 100, 1, three); }},
        {"variable-sized 200 items 20-100, bins 100/120/150",
         [=](std::mt19937& r) { return variableSizedJob(r, 200, 20, three); }},
        {"variable-sized 100 items 50-100, bins 60-150 (5)",
         [=](std::mt19937& r) { return variableSizedJob(r, 100, 50, five); }},
        {"variable-sized 200 items 1-100, bins 60-150 (5)",
         [=](std::mt19937& r) { return variableSizedJob(r, 200, 1, five); }},
    };
    std::printf(
        "| class | instances | proven cheapest | median s | max s | plain arc-flow proven | "
        "median s | max s | same price (of both proven) |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (const InstanceClass& instances : classes)
        if (instances.name.find(chosen) != std::string::npos)
            runClass(instances, count, limit, compare, verbose);
}
