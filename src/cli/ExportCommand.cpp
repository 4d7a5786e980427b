#include "cli/ExportCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/CliRun.h"
#include "cli/CommandLine.h"
#include "i18n/StringCatalogue.h"
#include "i18n/texts/OutputTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "jobfile/JobFile.h"
#include "jobfile/ProductionJobFile.h"
#include "jobfile/RegularFile.h"
#include "model/NumericText.h"
#include "model/ProductionJobFromJob.h"
#include "reports/PartsExport.h"
#include "reports/ProductionJobMessages.h"
#include "settings/ProgramSettings.h"

namespace marlo {

namespace {

struct ExportCommandLine {
    std::filesystem::path source;
    std::filesystem::path target;
    std::optional<Language> language;
    std::optional<int16_t> rodLength, cutThickness, trim;  // for a *.opt job

    bool setsParameters() const { return rodLength || cutThickness || trim; }
};

struct ParameterFlag {
    const char* name;
    std::optional<int16_t> ExportCommandLine::*field;
    int16_t lowest;
};

constexpr ParameterFlag kParameterFlags[] = {
    {"--rod-length", &ExportCommandLine::rodLength, 1},
    {"--cut-thickness", &ExportCommandLine::cutThickness, 0},
    {"--trim", &ExportCommandLine::trim, 0}};

bool isOptJob(const std::filesystem::path& path) {
    return lowerCaseExtension(path) == ".opt";
}

std::optional<ExportCommandLine> parseExportCommandLine(const std::vector<std::string>& arguments,
                                                        std::string& error) {
    ExportCommandLine line;
    std::vector<std::string> files;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const auto flag = std::find_if(std::begin(kParameterFlags), std::end(kParameterFlags),
                                       [&](const ParameterFlag& f) { return argument == f.name; });
        if (argument == "--language") {
            line.language = hasValue ? languageFromIsoCode(arguments[++i]) : std::nullopt;
            if (!line.language) {
                error = "--language needs sk, de, en, cs or nl";
                return std::nullopt;
            }
        } else if (flag != std::end(kParameterFlags)) {
            const std::optional<int16_t> value = hasValue ? toInt16(arguments[++i]) : std::nullopt;
            if (!value || *value < flag->lowest) {
                error = "bad value for " + argument;
                return std::nullopt;
            }
            line.*(flag->field) = value;
        } else if (argument.starts_with("--")) {
            error = "unknown option: " + argument;
            return std::nullopt;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2) {
        error = "export needs a job file and the file to write";
        return std::nullopt;
    }
    line.source = files[0];
    line.target = files[1];
    const bool parts = isProductionJobFileName(line.source) && partsFileType(line.target);
    const bool conversion = isOptJob(line.source) && isProductionJobFileName(line.target);
    if (!parts && !conversion) {
        error = "export writes JOB.mvjob as PARTS.csv or PARTS.xlsx, or JOB.opt as JOB.mvjob";
        return std::nullopt;
    }
    if (parts && line.setsParameters()) {
        error = "--rod-length, --cut-thickness and --trim are for a JOB.opt";
        return std::nullopt;
    }
    return line;
}

int exportParts(const ExportCommandLine& line, const StringCatalogue& catalogue,
                std::ostream& err) {
    const ProductionJobFileRead read = readProductionJobFile(line.source);
    if (read.status != ProductionJobFileStatus::Read) {
        err << productionJobFileMessage(read, line.source.string(), catalogue) << '\n';
        return exit_status::kBadUsage;
    }
    if (!writePartsFile(line.target, *partsFileType(line.target), read.job, catalogue)) {
        err << catalogue.text(msg::kCannotWriteFile) << line.target.string() << '\n';
        return exit_status::kBadUsage;
    }
    return exit_status::kFinished;
}

int convertJob(const ExportCommandLine& line, JobParameters parameters,
               const StringCatalogue& catalogue, std::ostream& err) {
    const JobFileReadResult read = readJobFile(line.source);
    if (read.status == JobFileStatus::CannotRead) {
        err << catalogue.text(msg::kCannotReadFile) << line.source.string() << '\n';
        return exit_status::kBadUsage;
    }
    if (read.status == JobFileStatus::NotAJobFile) {
        err << catalogue.text(msg::kNotSupportedFormat) << ": " << line.source.string() << '\n';
        return exit_status::kBadUsage;
    }
    parameters.rodLength = line.rodLength.value_or(parameters.rodLength);
    parameters.cutThickness = line.cutThickness.value_or(parameters.cutThickness);
    parameters.trim = line.trim.value_or(parameters.trim);
    const ConvertedJob converted =
        productionJobFromJob(read.job, parameters, catalogue.text(job_text::kMaterial));
    for (const LeftOutRow& row : converted.leftOut)
        err << leftOutRowMessage(row, catalogue) << '\n';
    if (!writeProductionJobFile(line.target, converted.job)) {
        err << catalogue.text(msg::kCannotWriteFile) << line.target.string() << '\n';
        return exit_status::kBadUsage;
    }
    return exit_status::kFinished;
}

}  // namespace

int runExportCommand(const std::vector<std::string>& arguments, std::ostream& err,
                     const SettingsStore& settings) {
    std::string error;
    const std::optional<ExportCommandLine> line = parseExportCommandLine(arguments, error);
    if (!line) {
        err << "marlo-veen-cli: " << error << '\n' << kUsage;
        return exit_status::kBadUsage;
    }
    const ProgramSettings stored = peekSettings(settings);
    const StringCatalogue catalogue(line->language.value_or(stored.language));
    // Writing over the job itself (also through a link) would destroy it.
    std::error_code ignored;
    if (std::filesystem::equivalent(line->source, line->target, ignored)) {
        err << catalogue.text(output_text::kOutputIsTheJobFile) << line->target.string() << '\n';
        return exit_status::kBadUsage;
    }
    if (isOptJob(line->source)) return convertJob(*line, stored.parameters, catalogue, err);
    return exportParts(*line, catalogue, err);
}

}  // namespace marlo
