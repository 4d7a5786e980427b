#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <random>

#include "../jobfile/TempFolder.h"
#include "PartsTestSupport.h"
#include "i18n/StringCatalogue.h"
#include "i18n/texts/PartsListTexts.h"
#include "partslist/BiffFormulas.h"
#include "partslist/OdsSheet.h"
#include "partslist/PartsImport.h"
#include "partslist/XlsxSheet.h"

namespace marlo {
namespace {

using namespace parts_text;
using test::dataFile;

struct HostileCase {
    std::filesystem::path path;
    std::string sheet;
    int failure;
};

// Every file of data/hostile (see make-fixtures.sh) and a few made here: each is refused with its
// reason, or read harmlessly, within seconds and well under a gigabyte.
TEST(HostileFiles, bombsRepeatsEntitiesAndBrokenContainers_areRefusedInBoundedTimeAndMemory) {
    const test::TempFolder folder;
    std::ofstream(folder.path() / "separators.csv") << std::string(5'000'000, ';') << "1;2\n";
    std::filesystem::create_directory(folder.path() / "folder.xlsx");
    ASSERT_EQ(mkfifo((folder.path() / "pipe.csv").c_str(), 0600), 0);
    std::ofstream(folder.path() / "list.pdf") << "%PDF-1.4";
    const auto hostile = [](const char* name) { return dataFile(std::string("hostile/") + name); };
    const HostileCase cases[] = {
        {hostile("zip-bomb-lying.xlsx"), "", kTooLarge},
        {hostile("zip-bomb.ods"), "", kTooLarge},
        {hostile("dense-nodes.xlsx"), "", kTooLarge},
        {hostile("huge-repeats.ods"), "Rows", kTooLarge},
        {hostile("huge-repeats.ods"), "Columns", kTooLarge},
        {hostile("huge-repeats.ods"), "Cells", kTooLarge},
        {hostile("broken.xlsx"), "", kDamaged},
        {hostile("garbage.xls"), "", kDamaged},
        {hostile("encrypted.xlsx"), "", kEncrypted},
        {hostile("encrypted.ods"), "", kEncrypted},
        {hostile("zip-password.xlsx"), "", kEncrypted},
        {folder.path() / "separators.csv", "", kTooLarge},
        {folder.path() / "folder.xlsx", "", kDamaged},
        {folder.path() / "pipe.csv", "", kDamaged},
        {folder.path() / "list.pdf", "", kUnknownType},
        {folder.path() / "missing.ods", "", msg::kCannotReadFile},
    };
    for (const HostileCase& hostileCase : cases) {
        const auto start = std::chrono::steady_clock::now();
        const PartsImport import = importParts(hostileCase.path, test::options(hostileCase.sheet));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(import.failure, hostileCase.failure)
            << hostileCase.path << " " << hostileCase.sheet;
        EXPECT_EQ(import.failureDetail, hostileCase.path.string());
        EXPECT_TRUE(import.parts.empty());
        EXPECT_LT(took.count(), 5.0) << hostileCase.path;
    }

    // The billions of laughs stay the text of one reference; the empty rows and columns that
    // repeat two thousand million times are counted, not held.
    EXPECT_EQ(importParts(hostile("billion-laughs.xlsx"), {}).parts,
              (std::vector<Part>{{"&lol9;", "AL", 1000, 1, "", "", 0, 0}}));
    EXPECT_EQ(importParts(hostile("huge-repeats.ods"), test::options("Blank")).parts,
              (std::vector<Part>{{"P1", "AL", 1500, 2, "", "", 0, 0}}));

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss, 1024L * 1024);  // KiB
}

// The readers of this project's own binary parsing (the compound file and the formula records of
// XLS) and the zip and XML readers meet damaged bytes everywhere: every mutation reads or is
// refused, never past the bytes (the sanitizer build checks that) and never for long.
TEST(HostileFiles, damagedWorkbooks_anywhereInTheirBytes_readOrAreRefused) {
    std::mt19937 random(7);
    const std::string xls = test::readBytes(dataFile("parts-two-sheets.xls"));
    const std::string xlsx = test::readBytes(dataFile("parts-two-sheets.xlsx"));
    const std::string ods = test::readBytes(dataFile("parts-two-sheets.ods"));
    const auto damaged = [&](std::string bytes) {
        const int changes = std::uniform_int_distribution<int>(1, 8)(random);
        for (int i = 0; i < changes; ++i) {
            const std::size_t at =
                std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random);
            bytes[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        }
        if (random() % 4 == 0) bytes.resize(bytes.size() * (random() % 100) / 100);
        return bytes;
    };
    const auto start = std::chrono::steady_clock::now();
    std::size_t formulas = 0;
    for (int round = 0; round < 400; ++round) {
        formulas += biffFormulaValues(damaged(xls), "Frames", 0).size();
        xlsxSheet(damaged(xlsx), "");
        odsSheet(damaged(ods), "Sashes");
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), 30.0);
    EXPECT_GT(formulas, 0u);  // most damage misses the formula records
    EXPECT_EQ(biffFormulaValues(xls, "Frames", 0).size(), 2u);
}

}  // namespace
}  // namespace marlo
