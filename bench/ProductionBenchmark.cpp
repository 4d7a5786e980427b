// Plans generated production jobs as the office sends them: 5, 20 and 50 materials, 100 to 3,000
// parts, every material with stock of 2 to 4 lengths and up to 50 offcuts in a SQLite store. Per
// class: the materials proven within their time limit, the whole job's time (median, longest),
// and for the largest job the time of all its outputs; at the end the peak memory.
//
//   build/bench/production_benchmark [jobs per class, default 3] [seconds per material, default 10]
//                                    [threads, default 2]

#include <sys/resource.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchmarkSupport.h"
#include "diagram/ProductionDiagram.h"
#include "drawing/DiagramFiles.h"
#include "i18n/StringCatalogue.h"
#include "jobfile/ProductionJobFile.h"
#include "paper/ReportPdf.h"
#include "production/ProductionPlanning.h"
#include "reports/ProductionReports.h"
#include "stock/StockStore.h"

namespace marlo {
namespace {

using bench::uniform;

// A job of `materials` profiles and about `parts` parts (marks P1, P2, …, orders of ten parts
// each), 250 to 2600 mm, 1 to 6 pieces; each material's stock of 2 to 4 of the lengths 3000,
// 6000, 6500 and 7000 mm (the longest unlimited) and 0 to 50 offcuts of 500 to 3000 mm.
ProductionJob generatedJob(std::mt19937& random, int materials, int parts,
                           std::map<std::string, StockList>& stock) {
    ProductionJob job;
    job.header.customer = "Benchmark";
    for (int m = 0; m < materials; ++m) {
        const std::string name = "Profile " + std::to_string(m + 1);
        StockList& list = stock[name];
        const int all[] = {3000, 6000, 6500, 7000};
        const int lengths = uniform(random, 2, 4);
        for (int i = 4 - lengths; i < 4; ++i) {
            StockItem item;
            item.length = static_cast<int16_t>(all[i]);
            if (i < 3) item.quantity = uniform(random, 5, 40);
            item.price = std::round(all[i] * (1.0 - 0.02 * i)) / 1000.0;
            list.items.push_back(item);
        }
        for (int o = uniform(random, 0, 50); o > 0; --o) {
            StockItem offcut;
            offcut.length = static_cast<int16_t>(uniform(random, 500, 3000));
            offcut.quantity = 1;
            offcut.kind = StockKind::Offcut;
            list.items.push_back(offcut);
        }
    }
    for (int p = 0; p < parts; ++p) {
        Part part;
        part.mark = "P" + std::to_string(p + 1);
        part.material = "Profile " + std::to_string(uniform(random, 1, materials));
        part.length = uniform(random, 250, 2600);
        part.pieces = uniform(random, 1, 6);
        part.order = "O" + std::to_string(p / 10 + 1);
        job.parts.push_back({part, {}});
    }
    return job;
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Writes every output of the plan into `folder`; their time in seconds.
double writeOutputs(const ProductionJob& job, const ProductionPlan& plan,
                    const std::filesystem::path& folder) {
    const StringCatalogue catalogue(Language::English);
    return secondsOf([&] {
        const std::optional<std::vector<ReportData>> sections = productionReports(job, plan);
        if (!sections) return;
        saveTextReports(folder / "job.txt", *sections, catalogue);
        writeReportPdf(folder / "job.pdf", *sections, catalogue);
        writeXlsx(productionWorkbook(job, plan, *sections, catalogue), folder / "job.xlsx");
        saveDiagram(composeProductionDiagram(job, plan, catalogue, '.'), folder / "diagram.pdf",
                    DiagramFileFormat::Pdf, QStringLiteral("Cutting diagram"));
    });
}

struct JobClass {
    int materials;
    int parts;
};

void runClass(const JobClass& jobs, int count, const MethodChoice& choice,
              const std::filesystem::path& folder) {
    bench::RunTimes times;
    int proven = 0, planned = 0;
    double outputs = 0;
    std::mt19937 random(20261210);
    for (int i = 0; i < count; ++i) {
        std::map<std::string, StockList> generated;
        const ProductionJob job = generatedJob(random, jobs.materials, jobs.parts, generated);
        writeProductionJobFile(folder / "job.mvjob", job);
        // The stock goes through a real store, as the command line reads it.
        const std::string url =
            "sqlite:" + (folder / ("stock-" + std::to_string(i) + ".db")).string();
        std::unique_ptr<StockStore> store = std::move(*StockStore::open(url).value);
        ProductionRunOptions options{JobParameters{}, choice, {}, nullptr, {}, {}, {}};
        for (const auto& [name, list] : generated) {
            store->replaceStock(name, list);
            options.stock[name] = store->stockOf(name).value->list;
        }
        const ProductionPlan plan = times.time([&] { return planProductionJob(job, options); });
        for (const MaterialPlan& material : plan.materials) {
            ++planned;
            proven += material.hasPlan() && material.result.optimal ? 1 : 0;
        }
        if (i == count - 1) outputs = writeOutputs(job, plan, folder);
    }
    std::printf(
        "| %2d materials | %5d parts | %4d of %4d (%5.1f %%) | %7.2f s | %7.2f s | %6.2f s |\n",
        jobs.materials, jobs.parts, proven, planned, 100.0 * proven / planned, times.median(),
        times.longest(), outputs);
    std::fflush(stdout);
}

}  // namespace
}  // namespace marlo

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 3;
    marlo::MethodChoice choice;
    choice.method = marlo::OptimisationMethod::FewestRods;
    choice.timeLimitSeconds = static_cast<int16_t>(argc > 2 ? std::atoi(argv[2]) : 10);
    choice.threads = static_cast<int16_t>(argc > 3 ? std::atoi(argv[3]) : 2);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "marlo-production-benchmark";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::printf("| Job | Parts | Materials proven | Median | Longest | Outputs (last job) |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const marlo::JobClass jobs :
         {marlo::JobClass{5, 100}, marlo::JobClass{20, 1000}, marlo::JobClass{50, 3000}})
        marlo::runClass(jobs, count, choice, folder);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("\npeak memory: %ld MB\n", usage.ru_maxrss / 1024);
    std::filesystem::remove_all(folder);
    return 0;
}
