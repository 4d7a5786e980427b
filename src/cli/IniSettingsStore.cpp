#include "cli/IniSettingsStore.h"

#include <cstdlib>
#include <fstream>

namespace marlo {

namespace {

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Keys are written with %XX escapes for blanks and other special characters.
std::string decodedKey(const std::string& key) {
    std::string decoded;
    for (size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '%' && i + 2 < key.size() && hexValue(key[i + 1]) >= 0 &&
            hexValue(key[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(key[i + 1]) * 16 + hexValue(key[i + 2]));
            i += 2;
        } else {
            decoded += key[i];
        }
    }
    return decoded;
}

// Values may stand in double quotes, with backslash escapes inside.
std::string decodedValue(const std::string& value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return value;
    std::string decoded;
    for (size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size()) ++i;
        decoded += value[i];
    }
    return decoded;
}

}  // namespace

std::filesystem::path IniSettingsStore::userFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
        return config;
    if (const char* home = std::getenv("HOME"); home != nullptr)
        return std::filesystem::path(home) / ".config";
    return ".";
}

IniSettingsStore::IniSettingsStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

const std::map<std::string, std::string>& IniSettingsStore::valuesOf(
    std::string_view application) const {
    if (const auto known = files_.find(application); known != files_.end()) return known->second;
    std::map<std::string, std::string>& values = files_[std::string(application)];
    std::ifstream file(folder_ / (std::string(application) + ".ini"));
    std::string line;
    std::string section;
    while (std::getline(file, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = decodedKey(line.substr(1, line.size() - 2));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        values[section + '/' + decodedKey(trimmed(line.substr(0, equals)))] =
            decodedValue(trimmed(line.substr(equals + 1)));
    }
    return values;
}

std::string IniSettingsStore::get(std::string_view application, std::string_view section,
                                  std::string_view key) const {
    const std::map<std::string, std::string>& values = valuesOf(application);
    const auto found = values.find(std::string(section) + '/' + std::string(key));
    return found == values.end() ? std::string() : found->second;
}

}  // namespace marlo
