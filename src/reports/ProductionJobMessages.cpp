#include "reports/ProductionJobMessages.h"

#include "i18n/texts/ProductionJobTexts.h"

namespace marlo {

std::string productionJobFileMessage(const ProductionJobFileRead& read, const std::string& path,
                                     const StringCatalogue& catalogue) {
    const auto inFile = [&](int offset) {
        return catalogue.text(offset) + read.detail + " (" + path + ")";
    };
    switch (read.status) {
        case ProductionJobFileStatus::Read:
            return {};
        case ProductionJobFileStatus::CannotRead:
            return catalogue.text(msg::kCannotReadFile) + path;
        case ProductionJobFileStatus::TooLarge:
            return catalogue.text(job_text::kTooLarge) + path;
        case ProductionJobFileStatus::NotJson:
            return catalogue.text(job_text::kNotJson) + path;
        case ProductionJobFileStatus::NotAJob:
            return catalogue.text(job_text::kNotAJob) + path;
        case ProductionJobFileStatus::TooComplex:
            return catalogue.text(job_text::kTooComplex) + path;
        case ProductionJobFileStatus::NewerVersion:
            return inFile(job_text::kNewerVersion);
        case ProductionJobFileStatus::WrongType:
            return inFile(job_text::kWrongType);
        case ProductionJobFileStatus::MissingValue:
            return inFile(job_text::kMissingValue);
        case ProductionJobFileStatus::OutOfRange:
            return inFile(job_text::kOutOfRange);
        case ProductionJobFileStatus::MaterialTwice:
            return inFile(job_text::kMaterialTwice);
    }
    return catalogue.text(msg::kCannotReadFile) + path;
}

std::string leftOutRowMessage(const LeftOutRow& row, const StringCatalogue& catalogue) {
    const int reason =
        row.fault == RowFault::Pieces ? job_text::kPiecesLeftOut : job_text::kDimensionLeftOut;
    return "#" + std::to_string(row.row) + ": " + catalogue.text(reason);
}

}  // namespace marlo
