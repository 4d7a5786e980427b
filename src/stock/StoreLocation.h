#pragma once

#include <optional>
#include <string>

#include "settings/SettingsStore.h"

namespace marlo {

// Where a stock store lives, read from its URL: `sqlite:PATH` (one file) or
// `postgresql://USER@HOST:PORT/DATABASE` (a shared server). A password never appears in the
// URL: libpq reads it from the user's ~/.pgpass or pg_service.conf.
struct StoreLocation {
    enum class Kind { SQLite, PostgreSQL };

    Kind kind = Kind::SQLite;
    std::string path;                  // SQLite
    std::string user, host, database;  // PostgreSQL; an empty user is libpq's default
    int port = 5432;
};

struct ParsedStoreUrl {
    std::optional<StoreLocation> location;
    std::string error;  // why the URL was refused
};

ParsedStoreUrl parseStoreUrl(const std::string& url);

// The user's own store: stock.sqlite in the program's data folder
// (~/.local/share/marlo-veen/, or under $XDG_DATA_HOME).
std::string defaultStoreUrl();

// The store the programs use unless told otherwise: the one the settings name, else the
// user's own store.
std::string configuredStoreUrl(const SettingsStore& settings);

}  // namespace marlo
