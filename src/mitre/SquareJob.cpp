#include "mitre/SquareJob.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace marlo::mitre {

namespace {

// The finest steps of the square jobs' lengths, per mm.
constexpr int kFinestSteps = 4;

// The steps per mm of the square jobs' lengths: of those the rods allow, the one whose rounding
// of the shares (down for the bound, up for the plans) strays least from them, so that the
// bound and the plans are close to the real rods'.
double finestScale(const MitreJob& job, const RodShares& shares, double longestRod, bool roundUp) {
    const int most =
        std::clamp(static_cast<int>(32000.0 / (longestRod + std::max(0.0, shares.endAllowance))), 1,
                   kFinestSteps);
    double best = 1.0, leastLoss = 1e300;
    for (int steps = 1; steps <= most; ++steps) {
        double loss = 0.0;
        for (size_t kind = 0; kind < shares.shares.size(); ++kind) {
            const double scaled = steps * shares.shares[kind];
            const double rounded = roundUp ? std::ceil(scaled - kFits) : std::floor(scaled + kFits);
            loss += job.pieces[kind] * std::abs(scaled - rounded) / steps;
        }
        if (loss < leastLoss - kFits) {
            best = steps;
            leastLoss = loss;
        }
    }
    return best;
}

}  // namespace

int16_t toLength(double mm) {
    return static_cast<int16_t>(std::clamp(std::floor(mm + kFits), 0.0, 32767.0));
}

double usableOf(int32_t stockItem, const JobParameters& parameters, const StockList& stock) {
    const int16_t rod =
        stockItem < 0 ? parameters.rodLength : stock.items[static_cast<size_t>(stockItem)].length;
    return usableLength(parameters, rod);
}

double squareSteps(const MitreJob& job, const RodShares& shares, const JobParameters& parameters,
                   const StockList& stock, bool roundUp) {
    double longestRod = usableOf(-1, parameters, stock);
    for (size_t i = 0; i < stock.items.size(); ++i)
        longestRod = std::max(longestRod, usableOf(static_cast<int32_t>(i), parameters, stock));
    return finestScale(job, shares, longestRod, roundUp);
}

std::unique_ptr<SquareJob> squareJob(const MitreJob& job, const RodShares& shares,
                                     const JobParameters& parameters, const StockList& stock,
                                     const ShareRounding& rounding) {
    auto square = std::make_unique<SquareJob>();
    square->parameters = parameters;
    square->parameters.cutThickness = 0;
    square->parameters.trim = 0;
    const double scale = rounding.steps;
    const int shorter = rounding.shorter;
    const bool roundUp = rounding.up;
    const auto squareRod = [&](int32_t item) {
        return toLength(scale *
                        (usableOf(item, parameters, stock) + shares.endAllowance - shorter));
    };
    square->parameters.rodLength = squareRod(-1);
    int16_t longest = square->parameters.rodLength;
    square->stock = stock;
    for (size_t i = 0; i < stock.items.size(); ++i) {
        StockItem& item = square->stock.items[i];
        item.price = priceOfRod(stock, stock.items[i]);
        item.length = squareRod(static_cast<int32_t>(i));
        if (i == 0 || item.length > longest) longest = item.length;
    }
    for (const double share : shares.shares)
        square->lengthOfKind.push_back(std::clamp<int16_t>(
            toLength(roundUp ? std::ceil(scale * share - kFits) : scale * share), 1,
            static_cast<int16_t>(longest - 1)));
    std::vector<int> byLength(job.shapes.size());
    std::iota(byLength.begin(), byLength.end(), 0);
    std::stable_sort(byLength.begin(), byLength.end(), [&](int a, int b) {
        return square->lengthOfKind[static_cast<size_t>(a)] >
               square->lengthOfKind[static_cast<size_t>(b)];
    });
    for (const int kind : byLength)
        for (int n = 0; n < job.pieces[static_cast<size_t>(kind)]; ++n)
            square->pieces.append(square->lengthOfKind[static_cast<size_t>(kind)]);
    square->pieces.setInitialCount(square->pieces.count());
    return square;
}

}  // namespace marlo::mitre
