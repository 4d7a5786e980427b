#include "cli/ImportCommand.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/CliRun.h"
#include "cli/CommandLine.h"
#include "i18n/StringCatalogue.h"
#include "i18n/texts/OutputTexts.h"
#include "jobfile/ProductionJobFile.h"
#include "partslist/PartsImport.h"
#include "partslist/PartsImportMessages.h"
#include "settings/ProgramSettings.h"

namespace marlo {

namespace {

struct ImportCommandLine {
    std::filesystem::path source;
    std::filesystem::path target;
    PartsImportOptions options;
    std::optional<Language> language;
};

std::optional<ImportCommandLine> parseImportCommandLine(const std::vector<std::string>& arguments,
                                                        std::string& error) {
    ImportCommandLine line;
    std::vector<std::string> files;
    const std::pair<const char*, std::string PartsImportOptions::*> texts[] = {
        {"--sheet", &PartsImportOptions::sheet},
        {"--columns", &PartsImportOptions::columns},
        {"--material-default", &PartsImportOptions::defaultMaterial}};
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const auto text = std::find_if(std::begin(texts), std::end(texts),
                                       [&](const auto& flag) { return argument == flag.first; });
        if (argument == "-o" || argument == "--output") {
            if (!hasValue) {
                error = argument + " needs the job file to write";
                return std::nullopt;
            }
            line.target = arguments[++i];
        } else if (argument == "--language") {
            line.language = hasValue ? languageFromIsoCode(arguments[++i]) : std::nullopt;
            if (!line.language) {
                error = "--language needs sk, de, en, cs or nl";
                return std::nullopt;
            }
        } else if (text != std::end(texts)) {
            if (!hasValue) {
                error = argument + " needs a value";
                return std::nullopt;
            }
            line.options.*(text->second) = arguments[++i];
        } else if (argument.starts_with("-")) {
            error = "unknown option: " + argument;
            return std::nullopt;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 1 || line.target.empty()) {
        error = "import needs one parts list and -o JOB.mvjob";
        return std::nullopt;
    }
    line.source = files[0];
    if (!isProductionJobFileName(line.target)) {
        error = "import writes a production job: -o JOB.mvjob";
        return std::nullopt;
    }
    return line;
}

}  // namespace

int runImportCommand(const std::vector<std::string>& arguments, std::ostream& err,
                     const SettingsStore& settings) {
    std::string error;
    const std::optional<ImportCommandLine> line = parseImportCommandLine(arguments, error);
    if (!line) {
        err << "marlo-veen-cli: " << error << '\n' << kUsage;
        return exit_status::kBadUsage;
    }
    const StringCatalogue catalogue(line->language.value_or(peekSettings(settings).language));
    std::error_code ignored;
    if (std::filesystem::equivalent(line->source, line->target, ignored)) {
        err << catalogue.text(output_text::kOutputIsTheJobFile) << line->target.string() << '\n';
        return exit_status::kBadUsage;
    }
    PartsImport import = importParts(line->source, line->options);
    for (const std::string& message : partsImportMessages(import, catalogue))
        err << message << '\n';
    if (import.failure != 0 || import.parts.empty()) return exit_status::kBadUsage;
    if (!writeProductionJobFile(line->target, productionJobOfParts(line->source.stem().string(),
                                                                   std::move(import.parts)))) {
        err << catalogue.text(msg::kCannotWriteFile) << line->target.string() << '\n';
        return exit_status::kBadUsage;
    }
    return exit_status::kFinished;
}

}  // namespace marlo
