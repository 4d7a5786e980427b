#include "stock/StoreMessages.h"

#include "i18n/texts/StockStoreTexts.h"

namespace marlo {

namespace {

int errorOffset(StoreError::Kind kind) {
    using Kind = StoreError::Kind;
    switch (kind) {
        case Kind::BadLocation:
            return store_text::kBadLocation;
        case Kind::Unreachable:
            return store_text::kUnreachable;
        case Kind::ConnectionLost:
            return store_text::kConnectionLost;
        case Kind::PermissionDenied:
            return store_text::kPermissionDenied;
        case Kind::ReadOnly:
            return store_text::kReadOnly;
        case Kind::Locked:
            return store_text::kLocked;
        case Kind::NewerSchema:
            return store_text::kNewerSchema;
        case Kind::Corrupt:
            return store_text::kCorrupt;
        case Kind::Missing:
            return store_text::kMissing;
        case Kind::NotAStore:
            return store_text::kNotAStore;
        case Kind::DiskFull:
            return store_text::kDiskFull;
        case Kind::UnknownMaterial:
            return store_text::kUnknownMaterial;
        case Kind::BadStock:
            return store_text::kBadStock;
        case Kind::None:
        case Kind::Failed:
            break;
    }
    return store_text::kFailed;
}

}  // namespace

std::string storeErrorMessage(const StoreError& error, const StringCatalogue& catalogue) {
    return catalogue.text(errorOffset(error.kind)) + error.detail;
}

std::string shortageMessage(const Shortage& shortage, const StringCatalogue& catalogue) {
    switch (shortage.kind) {
        case Shortage::Kind::Material:
            return catalogue.text(store_text::kMaterialGone);
        case Shortage::Kind::StockRow:
            return fillIn(catalogue.text(store_text::kStockRowGone),
                          {std::to_string(shortage.length)});
        case Shortage::Kind::Rods:
            return fillIn(catalogue.text(store_text::kNotEnoughRods),
                          {std::to_string(shortage.length), std::to_string(shortage.needed),
                           std::to_string(shortage.available)});
        case Shortage::Kind::Offcut:
            break;
    }
    return fillIn(catalogue.text(store_text::kOffcutGone), {shortage.offcutId});
}

}  // namespace marlo
