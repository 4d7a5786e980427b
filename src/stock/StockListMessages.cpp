#include "stock/StockListMessages.h"

#include "i18n/texts/StockListTexts.h"
#include "stock/StoreMessages.h"

namespace marlo {

std::vector<std::string> stockListFaults(const StockListFileRead& read, const std::string& path,
                                         const StringCatalogue& catalogue) {
    switch (read.status) {
        case StockListFileStatus::CannotRead:
            return {catalogue.text(msg::kCannotReadFile) + path};
        case StockListFileStatus::NotAStockListFile:
            return {catalogue.text(stock_text::kNotAStockList) + path};
        case StockListFileStatus::TooLarge:
            return {fillIn(catalogue.text(stock_text::kStockFileTooLarge),
                           {std::to_string(kMaxStockListFileMiB)}) +
                    path};
        case StockListFileStatus::Read:
            break;
    }
    std::vector<std::string> faults;
    for (const StockRowRefusal& refusal : read.stock.refused)
        faults.push_back(
            fillIn(catalogue.text(stock_text::stockRowFaultText(static_cast<int>(refusal.fault))),
                   {std::to_string(refusal.line)}));
    return faults;
}

}  // namespace marlo
