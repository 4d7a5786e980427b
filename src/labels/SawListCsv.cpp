#include "labels/SawListCsv.h"

namespace marlo {

namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string sawListCsv(const SawList& saw) {
    std::string csv = "pattern;rods;stock_length;stock_id;cut;length;position;row\n";
    for (const SawStep& step : saw.steps) {
        for (size_t i = 0; i < step.cuts.size(); ++i) {
            const SawCut& cut = step.cuts[i];
            csv += std::to_string(step.pattern) + ';' + std::to_string(step.rods) + ';' +
                   std::to_string(step.stock.length) + ';' + csvField(step.stock.id) + ';' +
                   std::to_string(i + 1) + ';' + std::to_string(cut.length) + ';' +
                   std::to_string(cut.position) + ';' + std::to_string(cut.row) + '\n';
        }
    }
    return csv;
}

}  // namespace marlo
