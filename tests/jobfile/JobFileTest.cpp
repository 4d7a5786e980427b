#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFolder.h"
#include "jobfile/JobFile.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

const std::string kExampleBytes =
    "optimalizacia\r\nK-15\r\n\r\nwhite\r\n1200\r\n4\r\n850\r\n10\r\n";
const Job kExampleJob{{"K-15", "", "white"}, {{"1200", "4"}, {"850", "10"}}};

JobFileStatus statusOf(std::string_view bytes) {
    return parseJobFile(bytes).status;
}

TEST(JobFile, exampleJob_isWrittenAndReadByteForByte) {
    EXPECT_EQ(serializeJob(kExampleJob), kExampleBytes);
    const JobFileReadResult read = parseJobFile(kExampleBytes);
    EXPECT_EQ(read.status, JobFileStatus::Taken);
    EXPECT_EQ(read.job, kExampleJob);
}

TEST(JobFile, writtenJob_readsBackUnchangedInWindows1250) {
    TempFolder folder;
    const fs::path path = folder.path() / "zákazka.opt";
    const Job job{{"Zákazka č. 5 – Größe", "", "biela\nRAL"},
                  {{"2000", "3"}, {"", "x"}, {"2000", "1"}}};
    writeBytes(path, "older job");

    ASSERT_TRUE(writeJobFile(path, job));
    EXPECT_EQ(readBytes(path).substr(15, 22),
              "Z\xE1kazka \xE8. 5 \x96 Gr\xF6\xDF"
              "e\r\n");
    const JobFileReadResult read = readJobFile(path);
    EXPECT_EQ(read.status, JobFileStatus::Taken);
    EXPECT_EQ(read.job, job);
}

TEST(JobFile, serialize_carriageReturnInsideAValue_isWrittenAsBlank) {
    const Job job{{"a\rb", "", ""}, {{"1\r2", "3"}}};
    EXPECT_EQ(serializeJob(job), "optimalizacia\r\na b\r\n\r\n\r\n1 2\r\n3\r\n");
}

TEST(JobFile, read_signatureMustBeTheExactFirstLine) {
    EXPECT_EQ(statusOf("Optimalizacia\r\nK\r\nN\r\nC\r\n"), JobFileStatus::NotAJobFile);
    EXPECT_EQ(statusOf("optimalizacia \r\n"), JobFileStatus::NotAJobFile);
    EXPECT_EQ(statusOf("\r\noptimalizacia\r\n"), JobFileStatus::NotAJobFile);
    EXPECT_EQ(statusOf("optimalizacia\nK-15\n\nwhite\n1200\n4\n"), JobFileStatus::NotAJobFile);
    EXPECT_EQ(statusOf(std::string("\0\xFF\x89PNG", 6)), JobFileStatus::NotAJobFile);
}

TEST(JobFile, read_lineEnds_areCrOrCrLfAndLoneLfStaysInTheLine) {
    const JobFileReadResult crOnly = parseJobFile("optimalizacia\rK-15\r\rwhite\r1200\r4\r");
    EXPECT_EQ(crOnly.status, JobFileStatus::Taken);
    EXPECT_EQ(crOnly.job, (Job{{"K-15", "", "white"}, {{"1200", "4"}}}));

    const JobFileReadResult mixed = parseJobFile("optimalizacia\r\na\nb\r\r\n\nc\r1200\n\r\n4");
    EXPECT_EQ(mixed.job, (Job{{"a\nb", "", "\nc"}, {{"1200\n", "4"}}}));
}

TEST(JobFile, read_incompleteFiles_areTakenWithWhatTheyHold) {
    const JobFileReadResult empty = parseJobFile("");
    EXPECT_EQ(empty.status, JobFileStatus::Taken);
    EXPECT_EQ(empty.job, Job{});

    EXPECT_EQ(parseJobFile("optimalizacia").job, Job{});
    EXPECT_EQ(parseJobFile("optimalizacia\r\nK-15\r\nName").job, (Job{{"K-15", "Name", ""}, {}}));

    const JobFileReadResult odd = parseJobFile(kExampleBytes + "600\r\n");
    EXPECT_EQ(odd.status, JobFileStatus::Taken);
    EXPECT_EQ(odd.job, kExampleJob);
}

TEST(JobFile, read_moreLinesThanTheListCanHold_isRefused) {
    std::string bytes = "optimalizacia\r\nK\r\nN\r\nC\r\n";
    for (size_t line = 5; line <= kMaxJobFileLines; line += 2) bytes += "1000\r\n1\r\n";
    const JobFileReadResult full = parseJobFile(bytes);
    EXPECT_EQ(full.status, JobFileStatus::Taken);
    EXPECT_EQ(full.job.list.size(), kMaxJobFileRows);
    EXPECT_EQ(statusOf(bytes + "1000"), JobFileStatus::NotAJobFile);

    TempFolder folder;
    EXPECT_FALSE(writeJobFile(folder.path() / "long.opt",
                              Job{{}, CuttingList(kMaxJobFileRows + 1, {"1", "1"})}));
    EXPECT_FALSE(fs::exists(folder.path() / "long.opt"));
}

TEST(JobFile, readFile_unreadableOversizedOrNotRegular_isNotTaken) {
    TempFolder folder;
    EXPECT_EQ(readJobFile(folder.path() / "missing.opt").status, JobFileStatus::CannotRead);
    // A folder or a pipe without a writer is refused at once instead of blocking the reader.
    EXPECT_EQ(readJobFile(folder.path()).status, JobFileStatus::NotAJobFile);
    const fs::path pipe = folder.path() / "pipe.opt";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(readJobFile(pipe).status, JobFileStatus::NotAJobFile);

    const fs::path huge = folder.path() / "huge.opt";
    writeBytes(huge, "optimalizacia\r\n" + std::string(kMaxJobFileBytes, 'x'));
    EXPECT_EQ(readJobFile(huge).status, JobFileStatus::NotAJobFile);
}

TEST(JobFile, samples_areJobFiles) {
    const fs::path samples = fs::path(MARLO_SOURCE_DIR) / "samples";
    const JobFileReadResult worked = readJobFile(samples / "worked-example.opt");
    EXPECT_EQ(worked.status, JobFileStatus::Taken);
    EXPECT_EQ(worked.job, (Job{{"Sample workshop", "Worked example", "white"},
                               {{"2000", "3"}, {"1500", "2"}, {"1000", "4"}}}));
    EXPECT_EQ(readBytes(samples / "worked-example.opt"), serializeJob(worked.job));

    for (const char* name : {"workshop.opt", "workshop-en.opt", "workshop-de.opt",
                             "workshop-cs.opt", "workshop-nl.opt", "many-short.opt"}) {
        const fs::path path = samples / name;
        const JobFileReadResult read = readJobFile(path);
        EXPECT_EQ(read.status, JobFileStatus::Taken) << name;
        EXPECT_GE(read.job.list.size(), 12u) << name;
        EXPECT_EQ(readBytes(path), serializeJob(read.job)) << name;
    }
    // The workshop job of each language is one job: only its header is in another language.
    const CuttingList workshop = readJobFile(samples / "workshop.opt").job.list;
    for (const char* language : {"en", "de", "cs", "nl"}) {
        const std::string name = std::string("workshop-") + language + ".opt";
        EXPECT_EQ(readJobFile(samples / name).job.list, workshop) << name;
    }
}

}  // namespace
}  // namespace marlo
