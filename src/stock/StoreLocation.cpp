#include "stock/StoreLocation.h"

#include <QStandardPaths>
#include <charconv>

#include "settings/ProgramSettings.h"

namespace marlo {

namespace {

ParsedStoreUrl refused(std::string why) {
    return {std::nullopt, std::move(why)};
}

ParsedStoreUrl parsePostgresUrl(const std::string& url, std::string rest) {
    StoreLocation location;
    location.kind = StoreLocation::Kind::PostgreSQL;
    const size_t slash = rest.find('/');
    if (slash == std::string::npos || slash + 1 == rest.size())
        return refused("no database named in " + url);
    location.database = rest.substr(slash + 1);
    rest.resize(slash);
    if (const size_t at = rest.rfind('@'); at != std::string::npos) {
        location.user = rest.substr(0, at);
        rest.erase(0, at + 1);
        if (location.user.find(':') != std::string::npos)
            return refused("a password does not belong in the store's URL; put it in ~/.pgpass: " +
                           url);
    }
    if (const size_t colon = rest.rfind(':'); colon != std::string::npos) {
        const std::string port = rest.substr(colon + 1);
        const auto [end, error] =
            std::from_chars(port.data(), port.data() + port.size(), location.port);
        if (port.empty() || error != std::errc() || end != port.data() + port.size() ||
            location.port < 1 || location.port > 65535)
            return refused("bad port in " + url);
        rest.resize(colon);
    }
    if (rest.empty()) return refused("no server named in " + url);
    location.host = rest;
    return {location, {}};
}

}  // namespace

ParsedStoreUrl parseStoreUrl(const std::string& url) {
    if (url.starts_with("sqlite:")) {
        std::string path = url.substr(7);
        // sqlite:///folder/file is the same file as sqlite:/folder/file.
        if (path.starts_with("//")) path.erase(0, 2);
        if (path.empty()) return refused("no file named in " + url);
        StoreLocation location;
        location.path = path;
        return {location, {}};
    }
    for (const std::string scheme : {"postgresql://", "postgres://"})
        if (url.starts_with(scheme)) return parsePostgresUrl(url, url.substr(scheme.size()));
    // The message that shows the refusal says which forms a store's URL takes.
    return refused(url);
}

std::string defaultStoreUrl() {
    // The folder is named after the program, not after whichever of its two executables asks,
    // so that the desktop program and the command line share one store.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return "sqlite:" + (folder + "/marlo-veen/stock.sqlite").toStdString();
}

std::string configuredStoreUrl(const SettingsStore& settings) {
    const std::string url = readSetting(settings, settings::kStockStore);
    return url.empty() ? defaultStoreUrl() : url;
}

}  // namespace marlo
