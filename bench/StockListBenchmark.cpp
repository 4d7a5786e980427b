// Plans generated workshop jobs from stock lists of several lengths and offcuts at the lowest
// price, and compares with a plain arc-flow model over all stock lengths solved by CBC alone.
// Prints per class: instances proven cheapest within the time limit, median and longest time,
// the same for the plain model, and whether the two found the same price where both proved it.
//
//   build/bench/stock_list_benchmark [instances per class, default 20] [seconds, default 10]
//                                    [--no-plain] [--verbose]

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "optimiser/fewest/StockArcFlow.h"
#include "optimiser/fewest/StockCutting.h"

namespace marlo {
namespace {

struct Job {
    JobParameters parameters;
    StockList stock;
    std::vector<int16_t> pieces;
};

int uniform(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

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

struct InstanceClass {
    std::string name;
    std::function<Job(std::mt19937&)> generate;
};

std::unique_ptr<PieceList> pieceListOf(const Job& job) {
    std::vector<int16_t> sorted = job.pieces;
    std::sort(sorted.begin(), sorted.end(), std::greater<int16_t>());
    auto list = std::make_unique<PieceList>();
    for (int16_t length : sorted) list->append(length);
    list->setInitialCount(list->count());
    return list;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void runClass(const InstanceClass& instances, int count, std::chrono::milliseconds limit,
              bool compare, bool verbose) {
    std::mt19937 random(2026);
    std::vector<double> seconds, plainSeconds;
    int proven = 0, plainProven = 0, samePrice = 0, bothProven = 0;
    for (int i = 0; i < count; ++i) {
        const Job job = instances.generate(random);
        const std::unique_ptr<PieceList> pieces = pieceListOf(job);
        StockPlanOptions options;
        options.timeLimit = limit;
        auto start = std::chrono::steady_clock::now();
        const StockPlanResult result = planFromStock(*pieces, job.parameters, job.stock, options);
        seconds.push_back(secondsSince(start));
        proven += result.optimal ? 1 : 0;
        if (verbose)
            std::fprintf(stderr, "%s #%d: %d pieces, %zu rows, price %.2f, bound %.2f, %.2f s\n",
                         instances.name.c_str(), i, pieces->count(), job.stock.items.size(),
                         result.price, result.priceLowerBound, seconds.back());
        if (!compare) continue;

        start = std::chrono::steady_clock::now();
        const fewest::StockInstance instance =
            fewest::stockInstanceOf(*pieces, job.parameters, job.stock);
        const fewest::StockArcFlowOutcome plain = fewest::solveStockArcFlow(
            instance, 1e7, std::nullopt, 0,
            fewest::Deadline(fewest::Deadline::Clock::now() + limit, nullptr));
        plainSeconds.push_back(secondsSince(start));
        const bool plainDone = plain.finished && plain.better && plain.better->complete();
        plainProven += plainDone ? 1 : 0;
        if (plainDone && result.optimal) {
            ++bothProven;
            samePrice += std::abs(fewest::priceOf(instance, *plain.better) - result.price) < 1e-6;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(plainSeconds.begin(), plainSeconds.end());
    std::printf("| %s | %d | %.0f %% | %.2f | %.2f |", instances.name.c_str(), count,
                100.0 * proven / count, seconds[seconds.size() / 2], seconds.back());
    if (compare)
        std::printf(" %.0f %% | %.2f | %.2f | %d of %d |", 100.0 * plainProven / count,
                    plainSeconds[plainSeconds.size() / 2], plainSeconds.back(), samePrice,
                    bothProven);
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
    const std::vector<InstanceClass> classes = {
        {"2 lengths, unlimited", [](std::mt19937& r) { return workshopJob(r, 2, false, 0); }},
        {"3 lengths, limited", [](std::mt19937& r) { return workshopJob(r, 3, true, 0); }},
        {"4 lengths, limited, 0-20 offcuts",
         [](std::mt19937& r) { return workshopJob(r, 4, true, uniform(r, 0, 20)); }},
        {"2 lengths, 5-20 offcuts",
         [](std::mt19937& r) { return workshopJob(r, 2, false, uniform(r, 5, 20)); }},
    };
    std::printf(
        "| class | instances | proven cheapest | median s | max s | plain arc-flow proven | "
        "median s | max s | same price (of both proven) |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (const InstanceClass& instances : classes)
        runClass(instances, count, limit, compare, verbose);
}
