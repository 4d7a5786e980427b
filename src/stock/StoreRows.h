#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>
#include <string>
#include <utility>

#include "stock/StoreConnection.h"

// The rows of the store's tables as the store's operations read and write them.
namespace marlo::store_rows {

template <typename T>
QVariant nullable(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant(QMetaType::fromType<T>());
}

template <typename T>
std::optional<T> optionalValue(const QVariant& value) {
    if (value.isNull()) return std::nullopt;
    return value.value<T>();
}

inline QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// Runs `body` in a write transaction: committed when it returns true, rolled back otherwise.
template <typename Body>
StoreError inTransaction(StockStore::Connection& connection, Body body) {
    if (!connection.begin()) return connection.lastError();
    if (!body() || !connection.commit()) {
        connection.rollback();
        return connection.lastError();
    }
    return {};
}

// The columns of an offcut after its key and material, in the order offcutOf reads them.
extern const QString kOffcutColumns;

// The offcut in the query's current row, its columns starting at `first`.
StoredOffcut offcutOf(const QSqlQuery& query, int first);

bool insertOffcut(StockStore::Connection& connection, int64_t materialId,
                  const StoredOffcut& offcut);

// A new identifier, unused in the whole store: "R-" and the store's next offcut number.
std::optional<std::string> newOffcutId(StockStore::Connection& connection);

// A list the store can keep: positive lengths, no negative counts, identified offcuts of one
// piece with identifiers that differ.
StoreError checkStock(const StockList& list);

// A name the store can keep for a material (see isOneLineName): two names of malformed UTF-8 would
// be kept as one, and a line break would break every list of materials.
StoreError checkMaterialName(const std::string& name);

// The material's key and minimum offcut length; nullopt when there is none or on failure.
std::optional<std::pair<int64_t, int16_t>> findMaterial(StockStore::Connection& connection,
                                                        const std::string& material);

}  // namespace marlo::store_rows
