#include "jobfile/ProductionJobFile.h"

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "jobfile/AtomicFile.h"
#include "jobfile/RegularFile.h"
#include "model/NumericText.h"

namespace marlo {

namespace {

// Kept in the order of the file, so that unknown fields are written back as they came.
using Json = nlohmann::ordered_json;
using Status = ProductionJobFileStatus;

// A job nests four levels deep (the angles of a part); unknown fields may nest more, but not
// without end: a file of brackets only must not exhaust the stack of whoever walks the values.
constexpr int kMaxDepth = 64;
// A part holds about ten values (its object, its fields, its angles), so this takes some 400,000
// parts, while a 64 MiB file of tiny values ("[0,0,…]", "[[],[],…]") is refused before it takes
// gigabytes of memory.
constexpr std::size_t kMaxValues = 4'000'000;

// Whether the text nests its arrays and objects at most kMaxDepth deep and holds at most
// kMaxValues values (its arrays and objects and the commas between elements), counted outside
// strings before the text is parsed (the parser then judges
// whether it is JSON at all). Counted here rather than in a callback of the parser, whose
// callbacks take a time that grows with the square of an array's length.
bool withinBounds(std::string_view bytes) {
    int depth = 0;
    std::size_t values = 1;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxDepth || ++values > kMaxValues) return false;
        } else if (c == ']' || c == '}') {
            --depth;
        } else if (c == ',' && ++values > kMaxValues) {
            return false;
        }
    }
    return true;
}

// Thrown at the first fault of the file: reading stops there.
struct Fault {
    Status status;
    std::string detail;
};

[[noreturn]] void fail(Status status, std::string detail) {
    throw Fault{status, std::move(detail)};
}

std::string rangeText(double lowest, double highest) {
    return " (" + shortestNumberText(lowest) + " – " + shortestNumberText(highest) + ")";
}

// The fields of one JSON object: the known ones are taken by name, the rest kept as unknown.
// A field that is null counts as absent.
class Fields {
  public:
    Fields(const Json& object, std::string pointer)
        : object_(object), pointer_(std::move(pointer)) {
        if (!object_.is_object()) fail(Status::WrongType, pointer_);
    }

    const Json* find(const std::string& key) {
        known_.insert(key);
        const auto found = object_.find(key);
        return found == object_.end() || found->is_null() ? nullptr : &*found;
    }

    std::string pointerTo(const std::string& key) const { return pointer_ + "/" + key; }

    std::string text(const std::string& key) {
        const Json* value = find(key);
        if (value == nullptr) return {};
        if (!value->is_string()) fail(Status::WrongType, pointerTo(key));
        return value->get<std::string>();
    }

    std::string requiredText(const std::string& key) {
        if (find(key) == nullptr) fail(Status::MissingValue, pointerTo(key));
        return text(key);
    }

    std::optional<bool> flag(const std::string& key) {
        const Json* value = find(key);
        if (value == nullptr) return std::nullopt;
        if (!value->is_boolean()) fail(Status::WrongType, pointerTo(key));
        return value->get<bool>();
    }

    // A whole number from `lowest` to `highest`.
    std::optional<int32_t> whole(const std::string& key, int32_t lowest, int32_t highest) {
        const Json* value = find(key);
        if (value == nullptr) return std::nullopt;
        return wholeNumber(*value, pointerTo(key), lowest, highest);
    }

    int32_t requiredWhole(const std::string& key, int32_t lowest, int32_t highest) {
        const std::optional<int32_t> value = whole(key, lowest, highest);
        if (!value) fail(Status::MissingValue, pointerTo(key));
        return *value;
    }

    static int32_t wholeNumber(const Json& value, const std::string& pointer, int32_t lowest,
                               int32_t highest) {
        const double number = numberOf(value, pointer);
        if (number != std::floor(number)) fail(Status::WrongType, pointer);
        if (number < lowest || number > highest)
            fail(Status::OutOfRange, pointer + rangeText(lowest, highest));
        return static_cast<int32_t>(number);
    }

    static double numberOf(const Json& value, const std::string& pointer) {
        if (!value.is_number()) fail(Status::WrongType, pointer);
        return value.get<double>();
    }

    UnknownFields unknown() const {
        Json rest = Json::object();
        for (auto field = object_.begin(); field != object_.end(); ++field)
            if (!known_.contains(field.key())) rest[field.key()] = field.value();
        return {rest.empty() ? std::string() : rest.dump()};
    }

  private:
    const Json& object_;
    const std::string pointer_;
    std::set<std::string> known_;
};

std::optional<int16_t> setting(Fields& fields, const std::string& key, int32_t lowest) {
    const std::optional<int32_t> value = fields.whole(key, lowest, kMaxMaterialSetting);
    if (!value) return std::nullopt;
    return static_cast<int16_t>(*value);
}

// Every element of the array at `key` (none when it is absent), with its JSON pointer.
template <typename ReadElement>
void forEachElement(Fields& fields, const std::string& key, ReadElement read) {
    const Json* array = fields.find(key);
    if (array == nullptr) return;
    if (!array->is_array()) fail(Status::WrongType, fields.pointerTo(key));
    for (std::size_t i = 0; i < array->size(); ++i)
        read((*array)[i], fields.pointerTo(key) + "/" + std::to_string(i));
}

ProductionJobHeader headerOf(const Json& object) {
    Fields fields(object, "/header");
    ProductionJobHeader header;
    header.customer = fields.text("customer");
    header.name = fields.text("name");
    header.colour = fields.text("colour");
    header.note = fields.text("note");
    header.unknown = fields.unknown();
    return header;
}

JobMaterial materialOf(const Json& object, const std::string& pointer) {
    Fields fields(object, pointer);
    JobMaterial material;
    material.name = fields.requiredText("name");
    material.cutThickness = setting(fields, "cut_thickness", 0);
    material.trim = setting(fields, "trim", 0);
    material.rodLength = setting(fields, "rod_length", 1);
    material.profileHeight = setting(fields, "profile_height", 1);
    material.mayTurn = fields.flag("may_turn");
    material.unknown = fields.unknown();
    return material;
}

double angleOf(const Json& value, const std::string& pointer) {
    const double angle = Fields::numberOf(value, pointer);
    if (!(std::abs(angle) <= kMaxPartAngle))
        fail(Status::OutOfRange, pointer + rangeText(-kMaxPartAngle, kMaxPartAngle));
    return angle;
}

PartRow partOf(const Json& object, const std::string& pointer) {
    Fields fields(object, pointer);
    PartRow row;
    Part& part = row.part;
    part.mark = fields.text("mark");
    part.material = fields.text("material");
    part.length = fields.requiredWhole("length", 1, kMaxPartLength);
    part.pieces = fields.requiredWhole("pieces", 0, kMaxPartPieces);
    part.order = fields.text("order");
    part.note = fields.text("note");
    if (const Json* angles = fields.find("angles")) {
        const std::string at = fields.pointerTo("angles");
        if (!angles->is_array() || angles->size() != 2) fail(Status::WrongType, at);
        part.startAngle = angleOf((*angles)[0], at + "/0");
        part.endAngle = angleOf((*angles)[1], at + "/1");
    }
    row.unknown = fields.unknown();
    return row;
}

// The format and the version come first: a newer file is refused before its fields are judged
// by this version's rules.
void checkFormat(Fields& fields) {
    const Json* format = fields.find("format");
    if (format == nullptr || !format->is_string() ||
        format->get<std::string>() != kProductionJobFormat)
        fail(Status::NotAJob, {});
    const Json* version = fields.find("version");
    if (version == nullptr) fail(Status::MissingValue, "/version");
    const double number = Fields::numberOf(*version, "/version");
    if (number > kProductionJobFileVersion) fail(Status::NewerVersion, version->dump());
    Fields::wholeNumber(*version, "/version", kProductionJobFileVersion, kProductionJobFileVersion);
}

ProductionJob jobOf(const Json& root) {
    if (!root.is_object()) fail(Status::NotAJob, {});
    Fields fields(root, "");
    checkFormat(fields);
    ProductionJob job;
    if (const Json* header = fields.find("header")) job.header = headerOf(*header);
    std::set<std::string> names;
    forEachElement(fields, "materials", [&](const Json& element, const std::string& pointer) {
        job.materials.push_back(materialOf(element, pointer));
        if (!names.insert(job.materials.back().name).second)
            fail(Status::MaterialTwice, job.materials.back().name);
    });
    forEachElement(fields, "parts", [&](const Json& element, const std::string& pointer) {
        job.parts.push_back(partOf(element, pointer));
    });
    job.unknown = fields.unknown();
    return job;
}

// The object with the unknown fields after its own; a field it has already is not replaced.
Json withUnknown(Json object, const UnknownFields& unknown) {
    if (unknown.json.empty()) return object;
    const Json rest = Json::parse(unknown.json, nullptr, /*allow_exceptions=*/false);
    if (!rest.is_object()) return object;
    for (auto field = rest.begin(); field != rest.end(); ++field)
        if (!object.contains(field.key())) object[field.key()] = field.value();
    return object;
}

// A whole angle as an integer ("45" rather than "45.0").
Json angleJson(double angle) {
    if (angle == std::floor(angle) && std::abs(angle) <= kMaxPartAngle)
        return static_cast<int64_t>(angle);
    return angle;
}

Json materialJson(const JobMaterial& material) {
    Json object = Json::object();
    object["name"] = material.name;
    const std::pair<const char*, const std::optional<int16_t>&> settings[] = {
        {"cut_thickness", material.cutThickness},
        {"trim", material.trim},
        {"rod_length", material.rodLength},
        {"profile_height", material.profileHeight}};
    for (const auto& [key, value] : settings)
        if (value) object[key] = *value;
    if (material.mayTurn) object["may_turn"] = *material.mayTurn;
    return withUnknown(std::move(object), material.unknown);
}

Json partJson(const PartRow& row) {
    const Part& part = row.part;
    Json object = Json::object();
    object["mark"] = part.mark;
    object["material"] = part.material;
    object["length"] = part.length;
    object["pieces"] = part.pieces;
    object["order"] = part.order;
    object["note"] = part.note;
    object["angles"] = Json::array({angleJson(part.startAngle), angleJson(part.endAngle)});
    return withUnknown(std::move(object), row.unknown);
}

// The text of the file: a line per top-level field and per material and part, each on one line,
// so that a job reads (and compares) row by row like the parts list it came from.
std::string fileText(const Json& root) {
    const auto compact = [](const Json& value) {
        return value.dump(-1, ' ', /*ensure_ascii=*/false, Json::error_handler_t::replace);
    };
    std::string text = "{";
    for (auto field = root.begin(); field != root.end(); ++field) {
        text += field == root.begin() ? "\n  " : ",\n  ";
        text += compact(field.key()) + ": ";
        const bool rows = field.key() == "materials" || field.key() == "parts";
        if (!rows || !field.value().is_array() || field.value().empty()) {
            text += compact(field.value());
            continue;
        }
        for (std::size_t i = 0; i < field.value().size(); ++i)
            text += (i == 0 ? "[\n    " : ",\n    ") + compact(field.value()[i]);
        text += "\n  ]";
    }
    return text + "\n}\n";
}

}  // namespace

ProductionJobFileRead parseProductionJob(std::string_view bytes) {
    if (!withinBounds(bytes)) return {Status::TooComplex, {}, {}};
    Json root;
    try {
        root = Json::parse(bytes.begin(), bytes.end());
    } catch (const Json::exception&) {
        // Also a number beyond the range of a double ("1e999"), which the parser throws as out of
        // range rather than as a parse error.
        return {Status::NotJson, {}, {}};
    }
    try {
        return {Status::Read, jobOf(root), {}};
    } catch (const Fault& fault) {
        return {fault.status, {}, fault.detail};
    }
}

std::string serializeProductionJob(const ProductionJob& job) {
    Json root = Json::object();
    root["format"] = std::string(kProductionJobFormat);
    root["version"] = kProductionJobFileVersion;
    Json header = Json::object();
    header["customer"] = job.header.customer;
    header["name"] = job.header.name;
    header["colour"] = job.header.colour;
    header["note"] = job.header.note;
    root["header"] = withUnknown(std::move(header), job.header.unknown);
    root["materials"] = Json::array();
    for (const JobMaterial& material : job.materials)
        root["materials"].push_back(materialJson(material));
    root["parts"] = Json::array();
    for (const PartRow& row : job.parts) root["parts"].push_back(partJson(row));
    return fileText(withUnknown(std::move(root), job.unknown));
}

ProductionJobFileRead readProductionJobFile(const std::filesystem::path& path) {
    const FileBytes file = readRegularFile(path, kMaxProductionJobFileBytes);
    switch (file.status) {
        case FileReadStatus::Read:
            return parseProductionJob(file.bytes);
        case FileReadStatus::CannotRead:
            return {Status::CannotRead, {}, {}};
        case FileReadStatus::NotRegular:
            return {Status::NotAJob, {}, {}};
        case FileReadStatus::TooLarge:
            return {Status::TooLarge, {}, {}};
    }
    return {Status::CannotRead, {}, {}};
}

bool writeProductionJobFile(const std::filesystem::path& path, const ProductionJob& job) {
    const std::string bytes = serializeProductionJob(job);
    if (bytes.size() > kMaxProductionJobFileBytes) return false;
    if (parseProductionJob(bytes).status != Status::Read) return false;
    return writeFileAtomically(path, bytes);
}

bool isProductionJobFileName(const std::filesystem::path& path) {
    return lowerCaseExtension(path) == ".mvjob";
}

}  // namespace marlo
