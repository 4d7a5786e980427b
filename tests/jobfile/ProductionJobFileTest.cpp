#include <gtest/gtest.h>

#include "TempFolder.h"
#include "jobfile/JobFile.h"
#include "jobfile/ProductionJobFile.h"
#include "model/ProductionJobFromJob.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

const fs::path kFullJob = fs::path(MARLO_TEST_DATA_DIR) / "data" / "full-job.mvjob";

// A job of version 1 with the given parts (the text of the array's elements).
std::string jobWithParts(const std::string& parts) {
    return R"({"format": "marlo-veen job", "version": 1, "parts": [)" + parts + "]}";
}

JobMaterial material(const std::string& name) {
    JobMaterial material;
    material.name = name;
    return material;
}

Part part(const std::string& mark, int32_t length, int32_t pieces) {
    Part part;
    part.mark = mark;
    part.material = "Material";
    part.length = length;
    part.pieces = pieces;
    return part;
}

TEST(ProductionJobFile, fullJob_readsEveryFieldAndWritesBackByteForByteWithItsUnknownFields) {
    const std::string bytes = readBytes(kFullJob);
    const ProductionJobFileRead read = parseProductionJob(bytes);
    ASSERT_EQ(read.status, ProductionJobFileStatus::Read) << read.detail;
    const ProductionJob& job = read.job;
    EXPECT_EQ(job.header.customer, "Okná Žilina, s.r.o.");
    EXPECT_EQ(job.header.note, "Ship by Friday; \"fragile\"");
    EXPECT_EQ(job.header.unknown.json, R"({"office_ref":{"id":117,"tags":["urgent","π"]}})");
    ASSERT_EQ(job.materials.size(), 3u);
    EXPECT_EQ(job.materials[0], (JobMaterial{"AL frame 70x45",
                                             4,
                                             10,
                                             6500,
                                             70,
                                             false,
                                             {R"({"supplier":"Alu Nord","density":2.7})"}}));
    EXPECT_EQ(job.materials[1].mayTurn, true);
    EXPECT_FALSE(job.materials[1].cutThickness || job.materials[1].trim);
    EXPECT_EQ(job.materials[2], material("Steel reinforcement"));
    ASSERT_EQ(job.parts.size(), 4u);
    EXPECT_EQ(job.parts[0].part,
              (Part{"W12 left jamb", "AL frame 70x45", 1480, 2, "2026-117", "", 45, 45}));
    EXPECT_EQ(job.parts[0].unknown.json,
              R"({"colour_code":"7016","cnc":{"program":"J12","holes":[120,640.5]}})");
    EXPECT_EQ(job.parts[1].part.startAngle, -22.5);
    EXPECT_EQ(job.parts[3].part.endAngle, -75);
    EXPECT_EQ(job.unknown.json, R"({"exported_by":"office planner 4.2","checksum":null})");

    // What the planner asks: the materials in the order the parts name them, a material the list
    // lacks among them without settings, and the parts of each.
    EXPECT_EQ(materialsOfParts(job),
              (std::vector<std::string>{"AL frame 70x45", "PVC sash 82", "Glazing bead"}));
    EXPECT_EQ(findMaterial(job, "Glazing bead"), nullptr);
    EXPECT_EQ(findMaterial(job, "PVC sash 82"), &job.materials[1]);
    const std::vector<Part> frames = partsOf(job, "AL frame 70x45");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].mark, "W13 sill");

    EXPECT_EQ(serializeProductionJob(job), bytes);
    TempFolder folder;
    const fs::path path = folder.path() / "zákazka.mvjob";
    ASSERT_TRUE(writeProductionJobFile(path, job));
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(readProductionJobFile(path).job, job);

    // Absent and null settings are not set; a job the reader would refuse is not written.
    const ProductionJobFileRead sparse = parseProductionJob(
        R"({"version": 1, "format": "marlo-veen job", "materials": [{"name": "A", "trim": null}]})");
    ASSERT_EQ(sparse.status, ProductionJobFileStatus::Read);
    EXPECT_EQ(sparse.job.materials, std::vector<JobMaterial>{material("A")});
    ProductionJob twice = job;
    twice.materials[2].name = "PVC sash 82";
    EXPECT_FALSE(writeProductionJobFile(path, twice));
    ProductionJob tooLong = job;
    tooLong.parts[0].part.length = kMaxPartLength + 1;
    EXPECT_FALSE(writeProductionJobFile(path, tooLong));
    EXPECT_EQ(readBytes(path), bytes);
}

TEST(ProductionJobFile, newerOrDamagedJobs_areRefusedNamingTheVersionOrWhereTheFaultIs) {
    struct Case {
        std::string bytes;
        ProductionJobFileStatus status;
        std::string detail;
    };
    using S = ProductionJobFileStatus;
    const std::string deep = std::string(100, '[') + std::string(100, ']');
    const Case cases[] = {
        // A newer version is refused before its fields are judged by this version's rules.
        {R"({"format": "marlo-veen job", "version": 2, "parts": {"new": "shape"}})",
         S::NewerVersion, "2"},
        {R"({"format": "marlo-veen job", "version": 0})", S::OutOfRange, "/version (1 – 1)"},
        {R"({"format": "marlo-veen job"})", S::MissingValue, "/version"},
        {"", S::NotJson, ""},
        {R"({"format": "marlo-veen job", "version": 1,)", S::NotJson, ""},
        {"{\"format\": \"marlo-veen job\", \"version\": 1, \"x\": \"\xC3\"}", S::NotJson, ""},
        {R"({"format": "marlo-veen job", "version": 1, "x": -1e999})", S::NotJson, ""},
        {R"(["marlo-veen job", 1])", S::NotAJob, ""},
        {R"({"format": "marlo-veen jobs", "version": 1})", S::NotAJob, ""},
        {R"({"format": "marlo-veen job", "version": 1, "x": )" + deep + "}", S::TooComplex, ""},
        {R"({"format": "marlo-veen job", "version": 1, "header": "ACME"})", S::WrongType,
         "/header"},
        {jobWithParts(R"({"length": 1480, "pieces": 2}, {"length": "1480", "pieces": 2})"),
         S::WrongType, "/parts/1/length"},
        {jobWithParts(R"({"length": 1480.5, "pieces": 2})"), S::WrongType, "/parts/0/length"},
        {jobWithParts(R"({"length": 1480, "pieces": 2, "angles": [45]})"), S::WrongType,
         "/parts/0/angles"},
        {jobWithParts(R"({"length": 1480, "pieces": 2, "mark": 12})"), S::WrongType,
         "/parts/0/mark"},
        {jobWithParts(R"({"pieces": 2})"), S::MissingValue, "/parts/0/length"},
        {jobWithParts(R"({"length": 0, "pieces": 2})"), S::OutOfRange,
         "/parts/0/length (1 – 100000)"},
        {jobWithParts(R"({"length": 1e300, "pieces": 2})"), S::OutOfRange,
         "/parts/0/length (1 – 100000)"},
        {jobWithParts(R"({"length": 10, "pieces": -1})"), S::OutOfRange,
         "/parts/0/pieces (0 – 100000)"},
        {jobWithParts(R"({"length": 10, "pieces": 1, "angles": [0, 75.5]})"), S::OutOfRange,
         "/parts/0/angles/1 (-75 – 75)"},
        {R"({"format": "marlo-veen job", "version": 1, "materials": [{"name": "A",
             "rod_length": 40000}]})",
         S::OutOfRange, "/materials/0/rod_length (1 – 32767)"},
        {R"({"format": "marlo-veen job", "version": 1, "materials": [{"name": "A",
             "may_turn": "no"}]})",
         S::WrongType, "/materials/0/may_turn"},
        {R"({"format": "marlo-veen job", "version": 1, "materials": [{"trim": 5}]})",
         S::MissingValue, "/materials/0/name"},
        {R"({"format": "marlo-veen job", "version": 1, "materials": [{"name": "A"},
             {"name": "A"}]})",
         S::MaterialTwice, "A"},
    };
    for (const Case& c : cases) {
        const ProductionJobFileRead read = parseProductionJob(c.bytes);
        EXPECT_EQ(read.status, c.status) << c.bytes;
        EXPECT_EQ(read.detail, c.detail) << c.bytes;
        EXPECT_EQ(read.job, ProductionJob{}) << c.bytes;
    }

    // Millions of tiny values are refused before they are parsed into memory; the same commas and
    // brackets inside a text (after an escaped quote) are only text.
    std::string values = R"({"format": "marlo-veen job", "version": 1, "x": [)";
    for (int i = 0; i < 4'000'000; ++i) values += "0,";
    EXPECT_EQ(parseProductionJob(values + "0]}").status, ProductionJobFileStatus::TooComplex);
    const std::string note = R"(\")" + std::string(2'000'000, '[') + std::string(4'000'000, ',');
    const ProductionJobFileRead text = parseProductionJob(
        R"({"format": "marlo-veen job", "version": 1, "header": {"note": ")" + note + "\"}}");
    ASSERT_EQ(text.status, ProductionJobFileStatus::Read);
    EXPECT_EQ(text.job.header.note.size(), note.size() - 1);
}

TEST(ProductionJobFile, readFile_oversizedOrNotRegular_isRefusedWithoutReadingIt) {
    TempFolder folder;
    EXPECT_EQ(readProductionJobFile(folder.path() / "missing.mvjob").status,
              ProductionJobFileStatus::CannotRead);
    EXPECT_EQ(readProductionJobFile(folder.path()).status, ProductionJobFileStatus::NotAJob);
    const fs::path huge = folder.path() / "huge.mvjob";
    writeBytes(huge, R"({"format": "marlo-veen job", "version": 1, "note": ")");
    fs::resize_file(huge, kMaxProductionJobFileBytes + 1);  // sparse: takes no disk
    EXPECT_EQ(readProductionJobFile(huge).status, ProductionJobFileStatus::TooLarge);
}

TEST(ProductionJobFile, workshopSample_becomesOneMaterialJobWithAPartPerListRow) {
    const Job workshop = readJobFile(fs::path(MARLO_SOURCE_DIR) / "samples" / "workshop.opt").job;
    JobParameters parameters;
    parameters.rodLength = 6500;
    parameters.cutThickness = 4;
    const ConvertedJob converted = productionJobFromJob(workshop, parameters, "Materiál");
    EXPECT_TRUE(converted.leftOut.empty());
    const ProductionJob& job = converted.job;
    JobMaterial converted6500 = material("Materiál");
    converted6500.cutThickness = 4;
    converted6500.trim = 0;
    converted6500.rodLength = 6500;
    EXPECT_EQ(static_cast<const JobHeader&>(job.header), workshop.header);
    EXPECT_EQ(job.materials, std::vector<JobMaterial>{converted6500});
    ASSERT_EQ(job.parts.size(), workshop.list.size());
    for (size_t i = 0; i < job.parts.size(); ++i) {
        const Part& part = job.parts[i].part;
        EXPECT_EQ(part.mark, std::to_string(i + 1));
        EXPECT_EQ(part.material, "Materiál");
        EXPECT_EQ(std::to_string(part.length), workshop.list[i].dimension);
        EXPECT_EQ(std::to_string(part.pieces), workshop.list[i].pieces);
    }
    TempFolder folder;
    ASSERT_TRUE(writeProductionJobFile(folder.path() / "workshop.mvjob", job));
    EXPECT_EQ(readProductionJobFile(folder.path() / "workshop.mvjob").job, job);

    // Rows a run would refuse are no parts; decimals are rounded as a run rounds them, and the
    // rows after a refused one keep their numbers as marks.
    const Job typed{{}, {{"1480.6", "2"}, {"abc", "1"}, {"0.4", "3"}, {"900", "-1"}, {"640", "0"}}};
    const ConvertedJob mixed = productionJobFromJob(typed, parameters, "Material");
    EXPECT_EQ(mixed.leftOut,
              (std::vector<LeftOutRow>{
                  {2, RowFault::Dimension}, {3, RowFault::Dimension}, {4, RowFault::Pieces}}));
    ASSERT_EQ(mixed.job.parts.size(), 2u);
    EXPECT_EQ(mixed.job.parts[0].part, part("1", 1481, 2));
    EXPECT_EQ(mixed.job.parts[1].part, part("5", 640, 0));
}

}  // namespace
}  // namespace marlo
