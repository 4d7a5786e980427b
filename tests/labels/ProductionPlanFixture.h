#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "production/ProductionPlanning.h"

namespace marlo::fixture {

inline RodPattern pattern(int16_t sequence, int16_t rods, std::vector<int16_t> lengths) {
    RodPattern p;
    p.sequence = sequence;
    p.rods = rods;
    p.pieceCount = static_cast<int16_t>(lengths.size());
    std::copy(lengths.begin(), lengths.end(), p.lengths.begin());
    return p;
}

inline PartRow part(std::string mark, std::string material, int32_t length, int32_t pieces,
                    std::string order) {
    return {{std::move(mark), std::move(material), length, pieces, std::move(order), {}, 0, 0}, {}};
}

// A job of three materials: on aluminium two marks share a length, so that the first pattern's
// two rods are cut for different parts; on steel a mark is too long for the rod and a mark reads
// like a formula.
inline ProductionJob threeMaterialJob() {
    ProductionJob job;
    job.header.customer = "Okná Žilina";
    job.header.name = "Považská 12";
    job.header.colour = "RAL 7016";
    job.materials = {{"AL 70x45", 4, 10, 6500, {}, {}, {}},
                     {"PVC 82", {}, {}, 6000, {}, {}, {}},
                     {"Steel 30", {}, {}, 6000, {}, {}, {}}};
    job.parts = {part("W12 jamb", "AL 70x45", 1480, 5, "2026-117"),
                 part("W12 head", "PVC 82", 1210, 3, "2026-117"),
                 part("W13 jamb", "AL 70x45", 1480, 4, "2026-118"),
                 part("=W13 sill", "Steel 30", 2100, 2, "2026-118"),
                 part("W14 post", "AL 70x45", 2300, 3, "2026-119"),
                 part("W14 head", "PVC 82", 980, 6, ""),
                 part("W15 bar", "Steel 30", 7000, 1, "2026-120")};
    return job;
}

// The three-material job with the aluminium's posts (part 5, 2300 mm) cut at 45° and −22.5° from
// a profile 70 mm high; the aluminium's jambs stay square.
inline ProductionJob angledJob() {
    ProductionJob job = threeMaterialJob();
    job.materials[0].profileHeight = 70;
    job.parts[4].part.startAngle = 45;
    job.parts[4].part.endAngle = -22.5;
    return job;
}

// A finished plan of the material cut in these patterns, each piece traced to its part as the
// planner traces it; rows of a length no rod holds are rejected.
inline MaterialPlan materialPlan(const ProductionJob& job, const std::string& material,
                                 PatternTable patterns, std::vector<RejectedRow> rejected = {}) {
    MaterialPlan plan;
    plan.parts = materialParts(job, material, JobParameters{});
    plan.status = MaterialPlan::Status::Planned;
    plan.result.parameters = plan.parts.parameters;
    plan.result.plan = {RunStatus::Finished, 0, std::move(patterns), {}, {}};
    plan.pieceParts = partsOfPieces(plan.result.plan.patterns, job, plan.parts);
    plan.rejectedRows = std::move(rejected);
    return plan;
}

inline ProductionPlan threeMaterialPlan(const ProductionJob& job) {
    PatternTable aluminium, pvc, steel;
    // The saw cuts the second pattern first, its first cut being the longest.
    aluminium.append() = pattern(1, 2, {1480, 1480, 1480});
    aluminium.append() = pattern(2, 3, {2300, 1480});
    pvc.append() = pattern(1, 1, {1210, 1210, 1210, 980, 980});
    pvc.append() = pattern(2, 1, {980, 980, 980, 980});
    steel.append() = pattern(1, 1, {2100, 2100});
    return {{materialPlan(job, "AL 70x45", aluminium), materialPlan(job, "PVC 82", pvc),
             materialPlan(job, "Steel 30", steel, {{2, msg::kDimensionTooLong}})}};
}

}  // namespace marlo::fixture
