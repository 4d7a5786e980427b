#include "cli/StockCommands.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/CliRun.h"
#include "cli/CommandLine.h"
#include "i18n/StringCatalogue.h"
#include "i18n/texts/StockListTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "jobfile/StockListText.h"
#include "jobfile/Utf8Text.h"
#include "model/NumericText.h"
#include "settings/ProgramSettings.h"
#include "stock/StockListMessages.h"
#include "stock/StockStore.h"
#include "stock/StoreLocation.h"
#include "stock/StoreMessages.h"

namespace marlo {

namespace {

struct StockCommandLine {
    std::string command;  // list, import, export
    std::optional<std::string> material;
    std::optional<std::string> file;
    std::optional<std::string> store;
    std::optional<int16_t> minimumOffcutLength;
    std::optional<Language> language;
};

std::optional<StockCommandLine> parseStockCommandLine(const std::vector<std::string>& arguments,
                                                      std::string& error) {
    StockCommandLine line;
    if (arguments.size() < 2 ||
        (arguments[1] != "list" && arguments[1] != "import" && arguments[1] != "export")) {
        error = "stock needs list, import or export";
        return std::nullopt;
    }
    line.command = arguments[1];
    for (size_t i = 2; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--material" || argument == "--store") {
            if (!hasValue) {
                error = argument + " needs a value";
                return std::nullopt;
            }
            (argument == "--material" ? line.material : line.store) = arguments[++i];
        } else if (argument == "--min-offcut" && line.command == "import") {
            line.minimumOffcutLength = hasValue ? toInt16(arguments[++i]) : std::nullopt;
            if (!line.minimumOffcutLength || *line.minimumOffcutLength < 0) {
                error = "--min-offcut needs a length from 0 to 32767";
                return std::nullopt;
            }
        } else if (argument == "--language") {
            line.language = hasValue ? languageFromIsoCode(arguments[++i]) : std::nullopt;
            if (!line.language) {
                error = "--language needs sk, de, en, cs or nl";
                return std::nullopt;
            }
        } else if (argument.starts_with("--") || line.command == "list" || line.file) {
            error = "unexpected argument: " + argument;
            return std::nullopt;
        } else {
            line.file = argument;
        }
    }
    if (line.command != "list" && (!line.material || !line.file)) {
        error = "stock " + line.command + " needs --material NAME and a FILE.csv";
        return std::nullopt;
    }
    if (line.material && !isOneLineName(*line.material)) {
        error = kBadMaterialName;
        return std::nullopt;
    }
    return line;
}

// Columns of text, each as wide as its widest cell (counted in characters, not bytes).
std::string table(const std::vector<std::vector<std::string>>& rows) {
    const auto width = [](const std::string& s) {
        return std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    std::vector<long> widths;
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], long(width(row[c])));
        }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c)
            line +=
                row[c] + std::string(c + 1 < row.size() ? widths[c] - width(row[c]) + 2 : 0, ' ');
        text += line.substr(0, line.find_last_not_of(' ') + 1) + '\n';
    }
    return text;
}

std::string quantityText(std::optional<int64_t> quantity, const StringCatalogue& catalogue) {
    return quantity ? std::to_string(*quantity) : catalogue.text(store_text::kUnlimited);
}

std::string priceText(std::optional<double> price) {
    if (!price) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", *price);
    return text;
}

int listMaterials(StockStore& store, std::ostream& out, const StringCatalogue& catalogue,
                  std::ostream& err) {
    const StoreResult<std::vector<MaterialSummary>> materials = store.materials();
    if (!materials.value) {
        err << storeErrorMessage(materials.error, catalogue) << '\n';
        return exit_status::kStoreFailed;
    }
    if (materials.value->empty()) {
        out << catalogue.text(store_text::kNoMaterial) << '\n';
        return exit_status::kFinished;
    }
    std::vector<std::vector<std::string>> rows = {
        {catalogue.text(store_text::kMaterial), catalogue.text(store_text::kStockRows),
         catalogue.text(store_text::kRods), catalogue.text(store_text::kOffcuts),
         catalogue.text(store_text::kMinimumOffcutLength)}};
    for (const MaterialSummary& m : *materials.value)
        rows.push_back({m.name, std::to_string(m.stockRows), quantityText(m.rods, catalogue),
                        std::to_string(m.offcuts), std::to_string(m.minimumOffcutLength)});
    out << table(rows);
    return exit_status::kFinished;
}

int listStock(StockStore& store, const std::string& material, std::ostream& out,
              const StringCatalogue& catalogue, std::ostream& err) {
    const StoreResult<MaterialStock> stock = store.stockOf(material);
    if (!stock.value) {
        err << storeErrorMessage(stock.error, catalogue) << '\n';
        return exit_status::kStoreFailed;
    }
    out << catalogue.text(store_text::kMaterial) << ": " << material << "  ("
        << catalogue.text(store_text::kMinimumOffcutLength) << ": "
        << stock.value->minimumOffcutLength << ")\n";
    std::vector<std::vector<std::string>> rows = {
        {catalogue.text(store_text::kLength), catalogue.text(store_text::kQuantity),
         catalogue.text(store_text::kPrice), catalogue.text(store_text::kOffcut),
         catalogue.text(store_text::kOrigin)}};
    for (size_t i = 0; i < stock.value->list.items.size(); ++i) {
        const StockItem& item = stock.value->list.items[i];
        rows.push_back({std::to_string(item.length), quantityText(item.quantity, catalogue),
                        priceText(item.price), item.id, originText(stock.value->origins[i])});
    }
    out << table(rows);
    return exit_status::kFinished;
}

int importStock(StockStore& store, const StockCommandLine& line, std::ostream& out,
                const StringCatalogue& catalogue, std::ostream& err) {
    const StockListFileRead read = readStockListFile(*line.file);
    const std::vector<std::string> faults = stockListFaults(read, *line.file, catalogue);
    for (const std::string& fault : faults) err << fault << '\n';
    if (read.status != StockListFileStatus::Read) return exit_status::kBadUsage;
    if (!read.stock.refused.empty()) {
        err << catalogue.text(store_text::kNothingChanged) << '\n';
        return exit_status::kBadUsage;
    }
    const StoreError error =
        store.replaceStock(*line.material, read.stock.list, line.minimumOffcutLength);
    if (error) {
        err << storeErrorMessage(error, catalogue) << '\n'
            << catalogue.text(store_text::kNothingChanged) << '\n';
        return exit_status::kStoreFailed;
    }
    const StoreResult<MaterialStock> stored = store.stockOf(*line.material);
    if (stored.value) {
        const auto& items = stored.value->list.items;
        const auto offcuts = std::count_if(items.begin(), items.end(), [](const StockItem& item) {
            return item.kind == StockKind::Offcut;
        });
        out << fillIn(catalogue.text(store_text::kImported),
                      {*line.material, std::to_string(items.size() - offcuts),
                       std::to_string(offcuts)})
            << '\n';
    }
    return exit_status::kFinished;
}

int exportStock(StockStore& store, const StockCommandLine& line, const StringCatalogue& catalogue,
                std::ostream& err) {
    const StoreResult<MaterialStock> stock = store.stockOf(*line.material);
    if (!stock.value) {
        err << storeErrorMessage(stock.error, catalogue) << '\n';
        return exit_status::kStoreFailed;
    }
    if (!writeStockListFile(*line.file, stock.value->list)) {
        err << catalogue.text(msg::kCannotWriteFile) << *line.file << '\n';
        return exit_status::kBadUsage;
    }
    return exit_status::kFinished;
}

}  // namespace

int runStockCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const SettingsStore& settings) {
    std::string error;
    const std::optional<StockCommandLine> line = parseStockCommandLine(arguments, error);
    if (!line) {
        err << "marlo-veen-cli: " << error << '\n' << kUsage;
        return exit_status::kBadUsage;
    }
    const StringCatalogue catalogue(line->language.value_or(peekSettings(settings).language));
    const std::string url = line->store.value_or(configuredStoreUrl(settings));
    // Only an import makes a store; list and export name a missing one (a mistyped path must not
    // leave folders and an empty store behind), except the user's own, made on first use.
    const StockStore::Missing missing = line->command == "import" || url == defaultStoreUrl()
                                            ? StockStore::Missing::Create
                                            : StockStore::Missing::Refuse;
    StoreResult<std::unique_ptr<StockStore>> opened =
        StockStore::open(url, StockStore::kDefaultLockWait, missing);
    if (!opened.value) {
        err << storeErrorMessage(opened.error, catalogue) << '\n' << url << '\n';
        if (line->command == "import") err << catalogue.text(store_text::kNothingChanged) << '\n';
        return opened.error.kind == StoreError::Kind::BadLocation ? exit_status::kBadUsage
                                                                  : exit_status::kStoreFailed;
    }
    StockStore& store = **opened.value;
    if (line->command == "import") return importStock(store, *line, out, catalogue, err);
    if (line->command == "export") return exportStock(store, *line, catalogue, err);
    if (line->material) return listStock(store, *line->material, out, catalogue, err);
    return listMaterials(store, out, catalogue, err);
}

}  // namespace marlo
