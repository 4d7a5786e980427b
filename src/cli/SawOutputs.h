#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "i18n/StringCatalogue.h"
#include "labels/PieceLabels.h"
#include "model/Job.h"
#include "model/ProductionJob.h"
#include "optimiser/PlanResult.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// Why the outputs for the saw cannot be made, checked before the run so that nothing is
// written: an unknown label layout, a start position that is not on its sheet, or an output
// that exists and is not a regular file. Nothing when all is well.
std::optional<std::string> sawOutputRefusal(const CliOptions& options,
                                            const StringCatalogue& catalogue);

// The piece labels (PDF), the saw list (CSV) and the saw sheet (PDF) of a finished run, each
// when asked for; labels on `--label-layout` (default a4-3x8) from sticker `--label-start`,
// followed by the labels of the offcuts a booking kept.
// The exit status: finished, or bad usage when a file could not be written.
int writeSawOutputs(const CliOptions& options, const Job& job, const PlanResult& result,
                    const std::vector<OffcutLabel>& offcuts, const StringCatalogue& catalogue,
                    std::ostream& err);

// The same outputs of a planned production job, material by material, and its parts check list
// (`--parts-list`, CSV or PDF); the labels name each piece's part and material.
int writeProductionSawOutputs(const CliOptions& options, const ProductionJob& job,
                              const ProductionPlan& plan, const std::vector<OffcutLabel>& offcuts,
                              const StringCatalogue& catalogue, std::ostream& err);

}  // namespace marlo
