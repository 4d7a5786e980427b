#include "stock/ProductionBooking.h"

#include <algorithm>

#include "i18n/texts/ProductionPlanTexts.h"
#include "stock/StoreMessages.h"

namespace marlo {

bool plannedFromStock(const ProductionPlan& plan, const ProductionStock& stock) {
    const auto& materials = plan.materials;
    const auto fromStock = [&stock](const MaterialPlan& m) {
        return stock.contains(m.parts.material);
    };
    return std::all_of(materials.begin(), materials.end(),
                       [](const MaterialPlan& m) {
                           return m.status == MaterialPlan::Status::Planned &&
                                  m.rejectedRows.empty();
                       }) &&
           std::any_of(materials.begin(), materials.end(), fromStock);
}

ProductionBooking bookProductionPlan(StockStore& store, const ProductionPlan& plan,
                                     const ProductionStock& stock, const OffcutOrigin& origin) {
    ProductionBooking booking;
    booking.newOffcuts.assign(plan.materials.size(), {});
    booking.missing.assign(plan.materials.size(), {});
    std::vector<StockUsage> usages;
    std::vector<size_t> booked;  // the material of each usage
    for (size_t m = 0; m < plan.materials.size(); ++m) {
        const MaterialPlan& material = plan.materials[m];
        const auto found = stock.find(material.parts.material);
        if (found == stock.end() || !material.hasPlan()) continue;
        usages.push_back(usageOfPlan(found->second, material.result.plan.patterns, origin));
        booked.push_back(m);
    }
    if (usages.empty()) {
        booking.status = BookingResult::Status::Done;
        return booking;
    }
    std::vector<BookingResult> results = store.book(usages);
    booking.status = results.front().status;
    booking.error = results.front().error;
    for (size_t i = 0; i < results.size() && i < booked.size(); ++i) {
        booking.newOffcuts[booked[i]] = std::move(results[i].newOffcuts);
        booking.missing[booked[i]] = std::move(results[i].missing);
    }
    return booking;
}

std::vector<std::string> productionShortageLines(const ProductionPlan& plan,
                                                 const ProductionBooking& booking,
                                                 const StringCatalogue& catalogue) {
    std::vector<std::string> lines;
    for (size_t m = 0; m < booking.missing.size() && m < plan.materials.size(); ++m) {
        if (booking.missing[m].empty()) continue;
        lines.push_back(catalogue.text(plan_text::kMaterialHeading) +
                        plan.materials[m].parts.material);
        for (const Shortage& shortage : booking.missing[m])
            lines.push_back(shortageMessage(shortage, catalogue));
    }
    return lines;
}

}  // namespace marlo
