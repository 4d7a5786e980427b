#include "cli/CommandLine.h"

#include <filesystem>
#include <system_error>

#include "diagram/DiagramFileFormat.h"
#include "jobfile/ProductionJobFile.h"
#include "jobfile/Utf8Text.h"
#include "labels/PartsCheckList.h"
#include "model/NumericText.h"
#include "settings/ProgramSettings.h"

namespace marlo {

const char* const kUsage =
    "usage: marlo-veen-cli optimise JOB.opt [--rod-length N] [--cut-thickness N] [--min-waste N]\n"
    "                      [--max-waste N] [--waste-borders 0|1] [--start-method 0|1] [--sort "
    "0|1]\n"
    "                      [--method search|fewest] [--time-limit S] [--threads N] [--trim N]\n"
    "                      [--language sk|de|en|cs|nl] [--report FILE.txt] [--pdf FILE.pdf]\n"
    "                      [--xlsx FILE.xlsx] [--diagram FILE.pdf|FILE.svg] [--json] "
    "[--progress]\n"
    "                      [--labels FILE.pdf] [--label-layout NAME|help] [--label-start N]\n"
    "                      [--saw-list FILE.csv] [--saw-sheet FILE.pdf]\n"
    "                      [--parts-list FILE.csv|FILE.pdf] [--profile-height N] [--turn 0|1]\n"
    "                      (these three for a production job JOB.mvjob only)\n"
    "                      [--stock FILE.csv | --material NAME [--book] [--store URL]]\n"
    "       marlo-veen-cli stock list [--material NAME] [--store URL] [--language sk|de|en|cs|nl]\n"
    "       marlo-veen-cli stock import --material NAME FILE.csv [--min-offcut N] [--store URL]\n"
    "       marlo-veen-cli stock export --material NAME FILE.csv [--store URL]\n"
    "       marlo-veen-cli import PARTS.csv|.tsv|.xlsx|.ods|.xls -o JOB.mvjob [--sheet NAME|N]\n"
    "                      [--columns mark=A,material=C,length=D,pieces=E,...]\n"
    "                      [--material-default NAME] [--language sk|de|en|cs|nl]\n"
    "       marlo-veen-cli export JOB.mvjob PARTS.csv|PARTS.xlsx [--language sk|de|en|cs|nl]\n"
    "       marlo-veen-cli export JOB.opt JOB.mvjob [--rod-length N] [--cut-thickness N] "
    "[--trim N]\n"
    "                      [--language sk|de|en|cs|nl]\n"
    "       (URL: sqlite:PATH or postgresql://USER@HOST:PORT/DATABASE; the password in "
    "~/.pgpass)\n";

const char* const kBadMaterialName =
    "--material needs a name of one line of text, without control characters";

namespace {

struct NumberFlag {
    const char* name;
    std::optional<int16_t> CliOptions::*field;
    int16_t lowest;
    int16_t highest;
};

constexpr NumberFlag kNumberFlags[] = {
    {"--rod-length", &CliOptions::rodLength, 1, 32767},
    {"--cut-thickness", &CliOptions::cutThickness, 0, 32767},
    {"--min-waste", &CliOptions::minWaste, 0, 32767},
    {"--max-waste", &CliOptions::maxWaste, 0, 32767},
    {"--waste-borders", &CliOptions::wasteBorders, 0, 1},
    {"--start-method", &CliOptions::startMethod, 0, 1},
    {"--sort", &CliOptions::sort, 0, 1},
    {"--trim", &CliOptions::trim, 0, 32767},
    {"--profile-height", &CliOptions::profileHeight, 1, 32767},
    {"--turn", &CliOptions::turn, 0, 1},
    {"--threads", &CliOptions::threads, 0, settings::kMostThreads},
};

// A sticker number as typed: a whole number, not one rounded from a fraction.
std::optional<int16_t> wholeNumber(const std::string& text) {
    const std::optional<int16_t> value = toInt16(text);
    if (!value || parseNumericText(text) != static_cast<double>(*value)) return std::nullopt;
    return value;
}

// The file an output path names, as far as it can be told before anything is written: links and
// `..` resolved, a relative name taken from the working folder.
std::filesystem::path outputFile(const std::string& path) {
    std::error_code error;
    std::filesystem::path file = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::absolute(path, error).lexically_normal() : file;
}

// Two outputs named to the same file: the one written last would silently replace the other.
std::optional<std::string> sharedOutput(const CliOptions& options) {
    const std::optional<std::string> outputs[] = {
        options.reportPath, options.pdfPath,     options.xlsxPath,     options.diagramPath,
        options.labelsPath, options.sawListPath, options.sawSheetPath, options.partsListPath};
    for (size_t a = 0; a < std::size(outputs); ++a)
        for (size_t b = a + 1; b < std::size(outputs); ++b)
            if (outputs[a] && outputs[b] && outputFile(*outputs[a]) == outputFile(*outputs[b]))
                return outputs[b];
    return std::nullopt;
}

}  // namespace

JobParameters CliOptions::appliedTo(JobParameters p) const {
    p.rodLength = rodLength.value_or(p.rodLength);
    p.cutThickness = cutThickness.value_or(p.cutThickness);
    p.minWasteDimension = minWaste.value_or(p.minWasteDimension);
    p.maxWasteDimension = maxWaste.value_or(p.maxWasteDimension);
    p.wasteBordersMode = wasteBorders.value_or(p.wasteBordersMode);
    p.startMethod = startMethod.value_or(p.startMethod);
    p.sortOutputByWaste = sort.value_or(p.sortOutputByWaste);
    p.trim = trim.value_or(p.trim);
    return p;
}

MethodChoice CliOptions::appliedTo(MethodChoice choice) const {
    choice.method = method.value_or(choice.method);
    choice.timeLimitSeconds = timeLimitSeconds.value_or(choice.timeLimitSeconds);
    choice.threads = threads.value_or(choice.threads);
    return choice;
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments[0] != "optimise") return {std::nullopt, "unknown command"};
    CliOptions options;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--progress") {
            options.progress = true;
        } else if (argument == "--stock") {
            if (!hasValue) return {std::nullopt, "--stock needs a file name"};
            options.stockPath = arguments[++i];
        } else if (argument == "--material" || argument == "--store") {
            if (!hasValue || arguments[i + 1].empty())
                return {std::nullopt, argument + " needs a value"};
            (argument == "--material" ? options.material : options.store) = arguments[++i];
        } else if (argument == "--book") {
            options.book = true;
        } else if (argument == "--report" || argument == "--pdf" || argument == "--xlsx") {
            if (!hasValue) return {std::nullopt, argument + " needs a file name"};
            std::optional<std::string>& path = argument == "--report" ? options.reportPath
                                               : argument == "--pdf"  ? options.pdfPath
                                                                      : options.xlsxPath;
            path = arguments[++i];
        } else if (argument == "--labels" || argument == "--saw-list" ||
                   argument == "--saw-sheet") {
            if (!hasValue) return {std::nullopt, argument + " needs a file name"};
            std::optional<std::string>& path = argument == "--labels"     ? options.labelsPath
                                               : argument == "--saw-list" ? options.sawListPath
                                                                          : options.sawSheetPath;
            path = arguments[++i];
        } else if (argument == "--parts-list") {
            if (!hasValue) return {std::nullopt, "--parts-list needs a file name"};
            options.partsListPath = arguments[++i];
            if (!partsListFormat(*options.partsListPath))
                return {std::nullopt, "--parts-list needs a .csv or .pdf file: " + arguments[i]};
        } else if (argument == "--label-layout") {
            if (!hasValue) return {std::nullopt, "--label-layout needs a layout name or help"};
            options.labelLayout = arguments[++i];
        } else if (argument == "--label-start") {
            if (!hasValue) return {std::nullopt, "--label-start needs a sticker number"};
            options.labelStart = wholeNumber(arguments[++i]);
            if (!options.labelStart || *options.labelStart < 1)
                return {std::nullopt, "bad value for --label-start: " + arguments[i]};
        } else if (argument == "--diagram") {
            if (!hasValue) return {std::nullopt, "--diagram needs a file name"};
            options.diagramPath = arguments[++i];
            if (!diagramFileFormat(*options.diagramPath))
                return {std::nullopt, "--diagram needs a .pdf or .svg file: " + arguments[i]};
        } else if (argument == "--method") {
            if (!hasValue) return {std::nullopt, "--method needs search or fewest"};
            const std::string& name = arguments[++i];
            if (name != "search" && name != "fewest")
                return {std::nullopt, "unknown method: " + name};
            options.method =
                name == "fewest" ? OptimisationMethod::FewestRods : OptimisationMethod::Search;
        } else if (argument == "--time-limit") {
            if (!hasValue) return {std::nullopt, "--time-limit needs a number of seconds"};
            options.timeLimitSeconds = toInt16(arguments[++i]);
            if (!options.timeLimitSeconds || *options.timeLimitSeconds < 1)
                return {std::nullopt, "bad value for --time-limit: " + arguments[i]};
        } else if (argument == "--language") {
            if (!hasValue) return {std::nullopt, "--language needs a language code"};
            options.language = languageFromIsoCode(arguments[++i]);
            if (!options.language) return {std::nullopt, "unknown language: " + arguments[i]};
        } else if (argument.starts_with("--")) {
            const NumberFlag* flag = nullptr;
            for (const NumberFlag& candidate : kNumberFlags)
                if (argument == candidate.name) flag = &candidate;
            if (flag == nullptr) return {std::nullopt, "unknown option: " + argument};
            if (!hasValue) return {std::nullopt, argument + " needs a value"};
            const std::optional<int16_t> value = toInt16(arguments[++i]);
            if (!value || *value < flag->lowest || *value > flag->highest)
                return {std::nullopt, "bad value for " + argument + ": " + arguments[i]};
            options.*(flag->field) = value;
        } else if (options.jobPath.empty()) {
            options.jobPath = argument;
        } else {
            return {std::nullopt, "more than one job file: " + argument};
        }
    }
    // Listing the label layouts needs no job.
    if (options.labelLayout == "help") return {options, {}};
    if (options.jobPath.empty()) return {std::nullopt, "no job file given"};
    if (options.material && options.stockPath)
        return {std::nullopt, "--material and --stock exclude each other"};
    // A production job names its materials; each is planned from the store's stock of its name.
    const bool production = isProductionJobFileName(options.jobPath);
    if (production && (options.material || options.stockPath))
        return {std::nullopt, "a production job names its materials: no --material or --stock"};
    if (options.partsListPath && !production)
        return {std::nullopt, "--parts-list needs a production job (*.mvjob)"};
    if (options.book && !options.material && !production)
        return {std::nullopt, "--book needs --material"};
    if (options.material && !isOneLineName(*options.material))
        return {std::nullopt, kBadMaterialName};
    if ((options.labelLayout || options.labelStart) && !options.labelsPath)
        return {std::nullopt, "--label-layout and --label-start need --labels"};
    if (const std::optional<std::string> shared = sharedOutput(options))
        return {std::nullopt, "two outputs name the same file: " + *shared};
    return {options, {}};
}

}  // namespace marlo
