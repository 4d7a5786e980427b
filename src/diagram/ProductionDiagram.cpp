#include "diagram/ProductionDiagram.h"

#include "diagram/DiagramComposer.h"
#include "diagram/DiagramSource.h"

namespace marlo {

DiagramLayout composeProductionDiagram(const ProductionJob& job, const ProductionPlan& plan,
                                       const StringCatalogue& catalogue, char decimalSeparator) {
    DiagramLayout diagram;
    for (const MaterialPlan& material : plan.materials) {
        if (!material.hasPlan()) continue;
        DiagramSource source = diagramSource(job.header, material.result, decimalSeparator);
        source.material = material.parts.material;
        DiagramLayout pages = composeDiagram(source, catalogue);
        for (DiagramPage& page : pages.pages) diagram.pages.push_back(std::move(page));
    }
    return diagram;
}

}  // namespace marlo
