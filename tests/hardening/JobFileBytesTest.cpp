// Job files as they arrive from disks, mail and other programs: whatever the bytes, opening
// either refuses the file or takes it, and a taken file saves back without losing a byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "TempFolder.h"
#include "i18n/StringCatalogue.h"
#include "jobfile/JobFile.h"
#include "optimiser/InputPreparation.h"

namespace marlo {
namespace {

using namespace std::string_literals;
using test::TempFolder;
using test::writeBytes;

const std::string kSignatureLine = "optimalizacia\r\n";

JobFileReadResult openBytes(const TempFolder& folder, const std::string& bytes) {
    const auto path = folder.path() / "job.opt";
    writeBytes(path, bytes);
    return readJobFile(path);
}

std::string randomBytes(std::mt19937& random, size_t size) {
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A job file whose values are the given raw lines, every line ending in CR LF.
std::string jobBytes(std::initializer_list<std::string> values) {
    std::string bytes = kSignatureLine;
    for (const std::string& value : values) bytes += value + "\r\n";
    return bytes;
}

TEST(HardeningJobFileBytes, binaryFiles_areRefusedAsNotJobFiles) {
    TempFolder folder;
    const std::string utf16Signature = "\xFF\xFEo\0p\0t\0i\0m\0a\0l\0i\0z\0a\0c\0i\0a\0\r\0\n\0"s;
    for (const std::string& bytes : {"\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s,
                                     "\x7F"
                                     "ELF\2\1\1\0"s,
                                     "PK\3\4\x14\0\0\0"s, std::string(4096, '\0'), utf16Signature,
                                     "\xEF\xBB\xBF" + kSignatureLine, "optimalizacia\0\r\n"s}) {
        EXPECT_EQ(openBytes(folder, bytes).status, JobFileStatus::NotAJobFile)
            << ::testing::PrintToString(bytes);
    }

    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        const std::string bytes = randomBytes(random, 1 + random() % 70000);
        EXPECT_EQ(parseJobFile(bytes).status, JobFileStatus::NotAJobFile) << "blob " << i;
    }
}

TEST(HardeningJobFileBytes, binaryAfterTheSignature_isTakenAndSavedBackByteForByte) {
    std::mt19937 random(11);
    for (int i = 0; i < 200; ++i) {
        // Random bytes without CR keep their line structure when written with CR LF ends.
        std::string values = randomBytes(random, random() % 5000);
        for (char& b : values) b = b == '\r' ? '\n' : b;
        std::string bytes = kSignatureLine;
        for (size_t at = 0; at < values.size(); at += 1 + at % 37)
            bytes += values.substr(at, 1 + at % 37) + "\r\n";

        const JobFileReadResult read = parseJobFile(bytes);
        ASSERT_EQ(read.status, JobFileStatus::Taken) << "blob " << i;
        const auto lines = std::count(bytes.begin(), bytes.end(), '\r');
        if (lines >= 4 && lines % 2 == 0) {
            EXPECT_EQ(serializeJob(read.job), bytes) << "blob " << i;
        }
        EXPECT_EQ(parseJobFile(serializeJob(read.job)).job, read.job) << "blob " << i;
    }
}

TEST(HardeningJobFileBytes, nulBytesInsideValues_areKeptAndTheCellIsRefusedAsNotANumber) {
    TempFolder folder;
    const std::string bytes = jobBytes({"K\0-15"s, "", "\0"s, "1200\0"s, "4", "850", "1\0"s});
    const JobFileReadResult read = openBytes(folder, bytes);
    ASSERT_EQ(read.status, JobFileStatus::Taken);
    EXPECT_EQ(read.job.header.customer, "K\0-15"s);
    EXPECT_EQ(read.job.header.colour, "\0"s);
    ASSERT_EQ(read.job.list.size(), 2u);
    EXPECT_EQ(serializeJob(read.job), bytes);

    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(read.job.list, 6000, *pieces);
    EXPECT_EQ(prepared.rejectedRows,
              (std::vector<RejectedRow>{{1, msg::kNotANumber}, {2, msg::kNotANumber}}));
    EXPECT_EQ(pieces->count(), 0);
}

TEST(HardeningJobFileBytes, hugeSingleLines_areTakenWithinTheSizeBoundAndRefusedBeyond) {
    TempFolder folder;
    // One header line filling the file up to its bound, with letters that widen in UTF-8.
    const size_t valueSize = kMaxJobFileBytes - kSignatureLine.size() - 3 * 2;
    std::string value(valueSize, 'x');
    for (size_t at = 0; at < valueSize; at += 4096) value[at] = '\x9A';  // U+0161, two bytes
    const std::string atBound = jobBytes({value, "", ""});
    ASSERT_EQ(atBound.size(), kMaxJobFileBytes);
    const JobFileReadResult read = openBytes(folder, atBound);
    ASSERT_EQ(read.status, JobFileStatus::Taken);
    EXPECT_EQ(read.job.header.customer.size(), valueSize + valueSize / 4096 + 1);
    EXPECT_EQ(serializeJob(read.job), atBound);

    // A whole file that is one line of the bound's length has no signature line.
    EXPECT_EQ(openBytes(folder, std::string(kMaxJobFileBytes, 'x')).status,
              JobFileStatus::NotAJobFile);
    // A huge list cell is simply not a number.
    const JobFileReadResult hugeCell =
        openBytes(folder, jobBytes({"", "", "", std::string(1 << 20, '9'), "1"}));
    ASSERT_EQ(hugeCell.status, JobFileStatus::Taken);
    auto pieces = std::make_unique<PieceList>();
    EXPECT_EQ(prepareInput(hugeCell.job.list, 6000, *pieces).rejectedRows,
              (std::vector<RejectedRow>{{1, msg::kNotANumber}}));
}

TEST(HardeningJobFileBytes, lineCountBound_holdsForCrOnlyLinesAndEmptyLines) {
    // CR-only line ends, as older Mac editors write them, count the same as CR LF.
    std::string crOnly = "optimalizacia\rK\rN\rC\r";
    for (size_t line = 5; line <= kMaxJobFileLines; line += 2) crOnly += "1000\r1\r";
    const JobFileReadResult full = parseJobFile(crOnly);
    ASSERT_EQ(full.status, JobFileStatus::Taken);
    EXPECT_EQ(full.job.list.size(), kMaxJobFileRows);
    EXPECT_EQ(parseJobFile(crOnly + "\r").status, JobFileStatus::NotAJobFile);

    // Empty lines are lines: a signature followed only by line ends.
    const std::string blank = "optimalizacia" + std::string(kMaxJobFileLines, '\r');
    const JobFileReadResult blanks = parseJobFile(blank);
    ASSERT_EQ(blanks.status, JobFileStatus::Taken);
    ASSERT_EQ(blanks.job.list.size(), kMaxJobFileRows);
    EXPECT_EQ(parseJobFile(blank + "\r").status, JobFileStatus::NotAJobFile);

    // Every one of those empty rows is refused on its own when the job is optimised.
    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(blanks.job.list, 6000, *pieces);
    ASSERT_EQ(prepared.rejectedRows.size(), kMaxJobFileRows);
    EXPECT_EQ(prepared.rejectedRows.back(),
              (RejectedRow{static_cast<int>(kMaxJobFileRows), msg::kNotANumber}));
}

TEST(HardeningJobFileBytes, lineEndVariants_endLinesOnlyAtCr) {
    // LF before CR: the LF belongs to the signature line, which then is not the signature.
    EXPECT_EQ(parseJobFile("optimalizacia\n\rK\n\r").status, JobFileStatus::NotAJobFile);
    // CR CR LF: an empty line, whose LF is dropped with its CR.
    EXPECT_EQ(parseJobFile("optimalizacia\r\r\nN\r\nC\r\n").job.header, (JobHeader{"", "N", "C"}));
    // No line end after the last line: the line still counts.
    EXPECT_EQ(parseJobFile("optimalizacia\r\nK\r\nN\r\nC\r\n1200\r\n4").job.list,
              (CuttingList{{"1200", "4"}}));

    // A stray LF inside a cell keeps the cell from being a number: its row is refused.
    const JobFileReadResult read = parseJobFile("optimalizacia\r\n\r\n\r\n\r\n1200\n\r\n4\r\n");
    ASSERT_EQ(read.job.list, (CuttingList{{"1200\n", "4"}}));
    auto pieces = std::make_unique<PieceList>();
    EXPECT_EQ(prepareInput(read.job.list, 6000, *pieces).rejectedRows,
              (std::vector<RejectedRow>{{1, msg::kNotANumber}}));
    EXPECT_EQ(serializeJob(read.job), "optimalizacia\r\n\r\n\r\n\r\n1200\n\r\n4\r\n");
}

TEST(HardeningJobFileBytes, bytesThatAreNotWindows1250Text_survive) {
    TempFolder folder;
    // The five bytes the code page leaves undefined, UTF-8 text saved by another program, and
    // every other byte but CR.
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        if (b != '\r') everyByte += static_cast<char>(b);
    const std::string bytes =
        jobBytes({"\x81\x83\x88\x90\x98", "Z\xC3\xA1kazka \xC4\x8D. 5", everyByte,
                  "\xA0"
                  "1200",
                  "\x81", "1200", "4"});

    const JobFileReadResult read = openBytes(folder, bytes);
    ASSERT_EQ(read.status, JobFileStatus::Taken);
    EXPECT_EQ(read.job.header.customer, "\xC2\x81\xC2\x83\xC2\x88\xC2\x90\xC2\x98");
    EXPECT_EQ(serializeJob(read.job), bytes);

    // Saved again through the disk, the file is the same file.
    const auto copy = folder.path() / "copy.opt";
    ASSERT_TRUE(writeJobFile(copy, read.job));
    EXPECT_EQ(test::readBytes(copy), bytes);

    auto pieces = std::make_unique<PieceList>();
    EXPECT_EQ(prepareInput(read.job.list, 6000, *pieces).rejectedRows,
              (std::vector<RejectedRow>{{1, msg::kNotANumber}}))
        << "a no-break space is not a blank";
    EXPECT_EQ(pieces->count(), 4);
}

TEST(HardeningJobFileBytes, emptyAndSignatureOnlyFiles_openAsAnEmptyJob) {
    TempFolder folder;
    for (const std::string& bytes : {std::string(), std::string("optimalizacia"), kSignatureLine,
                                     std::string("optimalizacia\r")}) {
        const JobFileReadResult read = openBytes(folder, bytes);
        EXPECT_EQ(read.status, JobFileStatus::Taken) << ::testing::PrintToString(bytes);
        EXPECT_EQ(read.job, Job{}) << ::testing::PrintToString(bytes);
    }
    EXPECT_EQ(openBytes(folder, "\r\n").status, JobFileStatus::NotAJobFile);
    EXPECT_EQ(openBytes(folder, "optimalizaci").status, JobFileStatus::NotAJobFile);
}

}  // namespace
}  // namespace marlo
