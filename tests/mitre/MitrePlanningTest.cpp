#include <gtest/gtest.h>

#include <atomic>
#include <random>

#include "i18n/texts/MitreTexts.h"
#include "mitre/CuttingSequence.h"
#include "mitre/MitrePlanning.h"
#include "production/PatternCuts.h"
#include "production/ProductionPlanning.h"

namespace marlo::mitre {
namespace {

class NoObserver : public RunObserver {};

// The fewest rods of a small job by trying every way to split its pieces into rods.
int fewestRodsByTrying(const MitreJob& job, double usable) {
    std::vector<int> kindOf;
    for (size_t k = 0; k < job.pieces.size(); ++k) kindOf.insert(kindOf.end(), job.pieces[k], k);
    const int n = static_cast<int>(kindOf.size());
    std::vector<bool> fits(1u << n);
    for (unsigned set = 1; set < fits.size(); ++set) {
        std::vector<int> counts(job.shapes.size(), 0);
        for (int i = 0; i < n; ++i)
            if ((set >> i) & 1) ++counts[static_cast<size_t>(kindOf[i])];
        fits[set] = shortestSequence(counts, job.shapes, job.material).lengthUsed <= usable + 1e-6;
    }
    std::vector<int> rods(1u << n, 1000);
    rods[0] = 0;
    for (unsigned set = 1; set < rods.size(); ++set)
        for (unsigned rod = set; rod > 0; rod = (rod - 1) & set)
            if (fits[rod] && (rod & (set & -set)) != 0)
                rods[set] = std::min(rods[set], rods[set & ~rod] + 1);
    return rods.back();
}

// Small random frames and gables: the plan cuts every piece once, each rod within its length as
// laid out, never with fewer rods than the true optimum, whose bound never exceeds it; proven only
// when the plan is optimal.
TEST(MitrePlanning, boundAndPlanHoldAgainstTheOptimumFoundByTrying) {
    std::mt19937 random(11);
    const double angles[] = {0, 45, -45, 30};
    std::atomic<bool> stop{false};
    for (int round = 0; round < 40; ++round) {
        MitreJob job;
        job.material = {4.0, static_cast<double>(40 + random() % 80), random() % 2 == 0};
        int count = 0;
        for (int k = 0; k < 3 && count < 7; ++k) {
            const int pieces = 1 + static_cast<int>(random() % 3);
            job.shapes.push_back({static_cast<double>(400 + random() % 1200), angles[random() % 4],
                                  angles[random() % 4]});
            job.pieces.push_back(std::min(pieces, 7 - count));
            count += job.pieces.back();
        }
        JobParameters parameters;
        parameters.rodLength = static_cast<int16_t>(2500 + random() % 1500);
        parameters.trim = 0;
        const MethodChoice choice{OptimisationMethod::FewestRods, 5, 1};
        NoObserver observer;
        const PlanResult plan = planMitred(job, parameters, choice, observer, stop, {});
        ASSERT_EQ(plan.plan.status, RunStatus::Finished);
        const int optimum = fewestRodsByTrying(job, parameters.rodLength);
        EXPECT_LE(*plan.lowerBound, optimum) << "round " << round;
        EXPECT_GE(plan.plan.summary.rodCount, optimum) << "round " << round;
        EXPECT_EQ(plan.optimal, plan.plan.summary.rodCount == *plan.lowerBound);
        std::vector<int> cut(job.shapes.size(), 0);
        for (int p = 0; p < plan.plan.patterns.count(); ++p) {
            std::vector<LaidPiece> laid;
            for (const PieceCut& piece : plan.cutOrders[static_cast<size_t>(p)]) {
                laid.push_back({piece.kind, piece.turned});
                cut[static_cast<size_t>(piece.kind)] += plan.plan.patterns[p].rods;
                EXPECT_EQ(plan.plan.patterns[p].lengths[piece.slot],
                          job.shapes[static_cast<size_t>(piece.kind)].length);
            }
            EXPECT_LE(layOut(laid, job.shapes, job.material).lengthUsed,
                      parameters.rodLength + 1e-6);
        }
        EXPECT_EQ(cut, job.pieces) << "round " << round;
    }
}

ProductionJob twoFrames() {
    ProductionJob job;
    job.materials.push_back({"Alu", 4, 0, 2500, 80, true, {}});
    const auto part = [](std::string mark, int32_t length, double start, double end) {
        PartRow row;
        row.part = {std::move(mark), "Alu", length, 2, "", "", start, end};
        return row;
    };
    // Equal lengths, different angles: each piece must go to the part of its own angles.
    job.parts = {part("Top", 1200, 45, 45), part("Side", 1200, 45, -45), part("Sill", 700, 0, 0)};
    return job;
}

TEST(MitrePlanning, productionJobCutsEveryPieceForThePartOfItsAngles) {
    ProductionRunOptions options;
    options.methodChoice = {OptimisationMethod::FewestRods, 5, 1};
    const ProductionJob job = twoFrames();
    const ProductionPlan plan = planProductionJob(job, options);
    ASSERT_EQ(plan.materials.size(), 1u);
    const MaterialPlan& material = plan.materials[0];
    ASSERT_EQ(material.status, MaterialPlan::Status::Planned);
    int pieces = 0;
    for (size_t p = 0; p < material.pieceParts.size(); ++p) {
        const PatternCuts cuts = patternCuts(material, p);
        ASSERT_FALSE(cuts.cuts.empty());
        EXPECT_LE(cuts.layout.lengthUsed, 2500 + 1e-6);
        for (const RodParts& rod : material.pieceParts[p]) {
            EXPECT_EQ(rod, material.pieceParts[p].front());  // a pattern's rods cut alike
            for (const PieceCut& cut : cuts.cuts) {
                const Part& part = job.parts[static_cast<size_t>(rod[cut.slot])].part;
                EXPECT_EQ(part.startAngle, material.parts.rowAngles[cut.kind].start);
                EXPECT_EQ(part.endAngle, material.parts.rowAngles[cut.kind].end);
                ++pieces;
            }
        }
    }
    EXPECT_EQ(pieces, 6);

    ProductionJob withoutHeight = job;
    withoutHeight.materials[0].profileHeight.reset();
    const ProductionPlan missing = planProductionJob(withoutHeight, options);
    EXPECT_EQ(missing.materials[0].status, MaterialPlan::Status::NoPlan);
    EXPECT_EQ(missing.materials[0].message, mitre_text::kNoProfileHeight);
    options.mitre.profileHeight = 80;  // the command line's --profile-height
    EXPECT_EQ(planProductionJob(withoutHeight, options).materials[0].status,
              MaterialPlan::Status::Planned);
}

}  // namespace
}  // namespace marlo::mitre
