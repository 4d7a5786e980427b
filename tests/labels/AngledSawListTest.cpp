#include <gtest/gtest.h>

#include <cmath>

#include "labels/ProductionSawList.h"
#include "labels/SawListCsv.h"

namespace marlo {
namespace {

constexpr double kHeight = 80, kKerf = 4, kTrim = 10;

double wedge(double degrees) {
    return kHeight * std::tan(degrees * M_PI / 180);
}
double kerf(double degrees) {
    return kKerf / std::cos(degrees * M_PI / 180);
}

ProductionJob frameJob() {
    ProductionJob job;
    job.materials.push_back({"Alu", kKerf, kTrim, 3000, kHeight, true, {}});
    const auto part = [](std::string mark, int32_t length, int32_t pieces, double a, double b) {
        PartRow row;
        row.part = {std::move(mark), "Alu", length, pieces, "", "", a, b};
        return row;
    };
    job.parts = {part("Top", 1200, 3, 45, 45), part("Side", 900, 3, 45, -45),
                 part("Gable", 800, 2, 30, -60), part("Sill", 650, 2, 0, 0),
                 part("Inner", 700, 2, -45, -45)};
    return job;
}

// Cut by cut, where each piece lies and how its ends are cut, figured here from the part's
// length and angles alone: laid as given, a piece's start cut leans by h · tan a1 on the opposite
// face and its end cut back by h · tan a2; turned over, its end comes first and the opposite face
// lies on the rod's reference face. A piece starts one kerf (along the steeper cut) after the
// one before, and further where the two cut lines lean towards each other; a shared cut is one
// where both lines are one.
TEST(AngledSawList, positionsAndAnglesFollowFromTheGeometry) {
    const ProductionJob job = frameJob();
    ProductionRunOptions options;
    options.methodChoice = {OptimisationMethod::FewestRods, 5, 1};
    const ProductionPlan plan = planProductionJob(job, options);
    ASSERT_TRUE(plan.complete());
    int pieces = 0, shared = 0, turned = 0;
    for (const MaterialSawList& list : productionSawLists(plan))
        for (size_t s = 0; s < list.saw.steps.size(); ++s) {
            const SawStep& step = list.saw.steps[s];
            double end = kTrim, right = 0, rightAngle = 0;
            for (size_t j = 0; j < step.cuts.size(); ++j) {
                const SawCut& cut = step.cuts[j];
                ASSERT_TRUE(cut.angled);
                const Part& part = job.parts[static_cast<size_t>(list.parts[s][0][j])].part;
                EXPECT_EQ(cut.length, part.length);
                const bool t = cut.angled->turned;
                const double a = t ? part.endAngle : part.startAngle;
                const double b = t ? part.startAngle : part.endAngle;
                const double left = t ? -wedge(a) : wedge(a);
                const double nextRight = t ? wedge(b) : -wedge(b);
                const double start = j == 0 ? kTrim + std::max(0.0, -left)
                                            : end + std::max(kerf(rightAngle), kerf(a)) +
                                                  std::max(0.0, right - left);
                const double length =
                    t ? part.length - wedge(part.startAngle) - wedge(part.endAngle) : part.length;
                EXPECT_NEAR(cut.angled->start, start, 1e-6) << "step " << s << " cut " << j;
                EXPECT_NEAR(cut.angled->end, start + length, 1e-6);
                EXPECT_EQ(cut.position, std::lround(start + length));
                EXPECT_DOUBLE_EQ(cut.angled->startAngle, left > 0 ? std::abs(a) : -std::abs(a));
                EXPECT_DOUBLE_EQ(cut.angled->endAngle, nextRight > 0   ? std::abs(b)
                                                       : nextRight < 0 ? -std::abs(b)
                                                                       : 0);
                EXPECT_EQ(cut.angled->sharesStart, j > 0 && std::abs(right - left) < 1e-6);
                shared += cut.angled->sharesStart;
                turned += t;
                ++pieces;
                end = start + length;
                right = nextRight;
                rightAngle = b;
            }
            EXPECT_LE(end + std::max(0.0, right), step.stock.length - kTrim + 1e-6);
            EXPECT_EQ(step.leftover, static_cast<int>(std::floor(step.stock.length - kTrim - end -
                                                                 std::max(0.0, right) + 1e-6)));
        }
    EXPECT_EQ(pieces, 12);
    EXPECT_GT(shared, 0);
    EXPECT_GT(turned, 0);
    const std::string csv = productionSawListCsv(job, plan);
    EXPECT_EQ(csv.substr(0, csv.find('\n') + 1),
              "pattern;rods;stock_length;stock_id;cut;length;position;row;material;mark;order;"
              "start;end;start_angle;end_angle;shared;turned\r\n");
}

}  // namespace
}  // namespace marlo
