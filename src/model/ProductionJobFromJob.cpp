#include "model/ProductionJobFromJob.h"

#include <string>

#include "model/NumericText.h"

namespace marlo {

ConvertedJob productionJobFromJob(const Job& job, const JobParameters& parameters,
                                  std::string_view materialName) {
    ConvertedJob converted;
    converted.job.header.customer = job.header.customer;
    converted.job.header.name = job.header.name;
    converted.job.header.colour = job.header.colour;

    JobMaterial material;
    // Not the job's name: that names the work (a building, an order), and a material of that name
    // would be looked up in the stock store as if it were a profile.
    material.name = materialName;
    material.rodLength = parameters.rodLength;
    material.cutThickness = parameters.cutThickness;
    // Set even when 0: a trim the job leaves unset would be taken from wherever the plan runs,
    // and the job would no longer cut as it did.
    material.trim = parameters.trim;
    converted.job.materials.push_back(material);

    for (size_t i = 0; i < job.list.size(); ++i) {
        const CutItem& item = job.list[i];
        const int row = static_cast<int>(i) + 1;
        RowFault fault = checkListRow(item);
        const int32_t length = toInt32(item.dimension).value_or(0);
        if (fault == RowFault::None && length < 1) fault = RowFault::Dimension;
        if (fault != RowFault::None) {
            converted.leftOut.push_back({row, fault});
            continue;
        }
        Part part;
        // The mark is the list row's number: the saw list and the labels of a *.opt job name a
        // piece by its row, so the same piece keeps the same name in both, and a row left out
        // does not renumber the rest.
        part.mark = std::to_string(row);
        part.material = material.name;
        part.length = length;
        part.pieces = toInt32(item.pieces).value_or(0);
        converted.job.parts.push_back({part, {}});
    }
    return converted;
}

}  // namespace marlo
