#include "stock/StoreSchema.h"

#include <QStringList>
#include <string>

namespace marlo {

namespace {

// The statements that take the tables from one version to the next; `{key}` stands for each
// dialect's generated primary key, never given twice (a plan names the stock rows it read by
// key, so a row replaced by an import must not reappear under an old key). Version 1 is the first
// store ever written: its statements never change, later versions only add to them.
const std::vector<QStringList>& migrations() {
    static const std::vector<QStringList> steps = {
        // 0 -> 1: materials, their stock rows and offcuts, the offcut number counter.
        {
            "CREATE TABLE store_counters (next_offcut INTEGER NOT NULL)",
            "INSERT INTO store_counters (next_offcut) VALUES (1)",
            "CREATE TABLE materials (id {key}, name TEXT NOT NULL UNIQUE)",
            "CREATE TABLE stock_rows (id {key}, material_id BIGINT NOT NULL REFERENCES "
            "materials (id), position INTEGER NOT NULL, length INTEGER NOT NULL CHECK (length > "
            "0), quantity INTEGER CHECK (quantity >= 0), price DOUBLE PRECISION)",
            "CREATE TABLE offcuts (id {key}, material_id BIGINT NOT NULL REFERENCES materials "
            "(id), identifier TEXT NOT NULL, length INTEGER NOT NULL CHECK (length > 0), price "
            "DOUBLE PRECISION, job_file TEXT NOT NULL DEFAULT '', customer TEXT NOT NULL DEFAULT "
            "'', cut_date TEXT NOT NULL DEFAULT '', pattern INTEGER NOT NULL DEFAULT 0, UNIQUE "
            "(material_id, identifier))",
        },
        // 1 -> 2: the shortest leftover kept as an offcut, per material; rows found by material.
        {
            "ALTER TABLE materials ADD COLUMN minimum_offcut_length INTEGER NOT NULL DEFAULT 0 "
            "CHECK (minimum_offcut_length >= 0)",
            "CREATE INDEX stock_rows_by_material ON stock_rows (material_id)",
        },
    };
    return steps;
}

// The relations of the schema the store's tables go into, for PostgreSQL the first one of the
// search path the user may use. pg_class lists them whatever the user's rights on them.
QString relationsOfTheSchema(const StockStore::Connection& connection) {
    return connection.isPostgres()
               ? "SELECT c.relname AS name FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace "
                 "n ON n.oid = c.relnamespace WHERE n.nspname = current_schema() AND c.relkind IN "
                 "('r', 'p', 'v', 'm', 'f')"
               : "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') AND name NOT "
                 "LIKE 'sqlite\\_%' ESCAPE '\\'";
}

// Without a schema the user may use, PostgreSQL has nowhere to look for the store or make it.
bool hasSchema(StockStore::Connection& connection) {
    if (!connection.isPostgres()) return true;
    const QVariant schema = connection.value("SELECT current_schema()");
    if (connection.lastError()) return false;
    if (!schema.isNull()) return true;
    const QVariant who = connection.value(
        "SELECT 'the user ' || current_user || ' may use no schema of the search path ' || "
        "current_setting('search_path')");
    if (!connection.lastError())
        connection.fail(StoreError::Kind::PermissionDenied, who.toString().toStdString());
    return false;
}

// A database without the store's tables is made a store only while it holds nothing else.
bool holdsNothingElse(StockStore::Connection& connection) {
    const QVariant others = connection.value(
        "SELECT " +
        QString(connection.isPostgres() ? "string_agg(name, ', ')" : "group_concat(name, ', ')") +
        " FROM (" + relationsOfTheSchema(connection) + " ORDER BY name LIMIT 5) AS others");
    if (connection.lastError()) return false;
    if (others.toString().isEmpty()) return true;
    connection.fail(StoreError::Kind::NotAStore, others.toString().toStdString());
    return false;
}

// The version of the tables, 0 for an empty database; nullopt on failure, and for a database that
// holds other tables or whose version is damaged.
std::optional<int> schemaVersion(StockStore::Connection& connection) {
    if (!hasSchema(connection)) return std::nullopt;
    const QVariant tables =
        connection.value("SELECT count(*) FROM (" + relationsOfTheSchema(connection) +
                         ") AS relations WHERE name = 'store_schema'");
    if (connection.lastError()) return std::nullopt;
    if (tables.toInt() == 0) {
        if (!holdsNothingElse(connection)) return std::nullopt;
        return 0;
    }
    const QVariant version = connection.value("SELECT version FROM store_schema");
    if (connection.lastError()) return std::nullopt;
    if (version.isNull()) {
        connection.fail(StoreError::Kind::Corrupt, "the store's version is missing");
        return std::nullopt;
    }
    bool number = false;
    const int read = version.toInt(&number);
    if (!number || read < 1) {
        connection.fail(StoreError::Kind::Corrupt,
                        "the store's version is damaged: " + version.toString().toStdString());
        return std::nullopt;
    }
    return read;
}

bool migrate(StockStore::Connection& connection, int from, int target) {
    const QString key = connection.isPostgres()
                            ? "BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"
                            : "INTEGER PRIMARY KEY AUTOINCREMENT";
    if (from == 0 && (!connection.exec("CREATE TABLE store_schema (version INTEGER NOT NULL)") ||
                      !connection.exec("INSERT INTO store_schema (version) VALUES (0)")))
        return false;
    for (int version = from; version < target; ++version) {
        for (QString statement : migrations()[version])
            if (!connection.exec(statement.replace("{key}", key))) return false;
        if (!connection.exec("UPDATE store_schema SET version = ?", {version + 1})) return false;
    }
    return true;
}

StoreError newerSchema(int version) {
    return {StoreError::Kind::NewerSchema, "the store has version " + std::to_string(version) +
                                               ", this program knows up to " +
                                               std::to_string(kStoreSchemaVersion)};
}

}  // namespace

StoreError prepareSchema(StockStore::Connection& connection, int target,
                         StockStore::Missing missing) {
    std::optional<int> version = schemaVersion(connection);
    if (!version) return connection.lastError();
    if (*version > kStoreSchemaVersion) return newerSchema(*version);
    if (*version >= target) return {};
    if (*version == 0 && missing == StockStore::Missing::Refuse)
        return {StoreError::Kind::Missing, "the database holds no store's tables"};

    if (!connection.begin()) return connection.lastError();
    // Another program may be creating or upgrading the same store: wait for it, then look again.
    if (connection.isPostgres() && !connection.exec("SELECT pg_advisory_xact_lock(7316001)")) {
        connection.rollback();
        return connection.lastError();
    }
    version = schemaVersion(connection);
    if (version && *version > kStoreSchemaVersion) {
        connection.rollback();
        return newerSchema(*version);
    }
    if (!version || (*version < target && !migrate(connection, *version, target)) ||
        !connection.commit()) {
        connection.rollback();
        return connection.lastError();
    }
    return {};
}

}  // namespace marlo
