#include "stock/StoreRows.h"

#include <set>

#include "jobfile/Utf8Text.h"

namespace marlo::store_rows {

const QString kOffcutColumns = "identifier, length, price, job_file, customer, cut_date, pattern";

StoredOffcut offcutOf(const QSqlQuery& query, int first) {
    return {query.value(first).toString().toStdString(),
            static_cast<int16_t>(query.value(first + 1).toInt()),
            optionalValue<double>(query.value(first + 2)),
            {query.value(first + 3).toString().toStdString(),
             query.value(first + 4).toString().toStdString(),
             query.value(first + 5).toString().toStdString(), query.value(first + 6).toInt()}};
}

namespace {

// The number of an identifier of the store's own form, "R-0042"; none for any other.
std::optional<long long> ownIdentifierNumber(const std::string& id) {
    if (id.size() < 3 || id.size() > 20 || id.compare(0, 2, "R-") != 0) return std::nullopt;
    long long number = 0;
    for (size_t i = 2; i < id.size(); ++i) {
        if (id[i] < '0' || id[i] > '9') return std::nullopt;
        number = number * 10 + (id[i] - '0');
    }
    return number;
}

}  // namespace

bool insertOffcut(StockStore::Connection& connection, int64_t materialId,
                  const StoredOffcut& offcut) {
    if (!connection
             .exec("INSERT INTO offcuts (material_id, " + kOffcutColumns +
                       ") VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                   {QVariant::fromValue(materialId), text(offcut.id), offcut.length,
                    nullable(offcut.price), text(offcut.origin.jobFile),
                    text(offcut.origin.customer), text(offcut.origin.date), offcut.origin.pattern})
             .has_value())
        return false;
    // An identifier of the store's own form that the counter has not passed yet (an imported
    // offcut) moves the counter past it: a new offcut never takes the name of one that was cut.
    const std::optional<long long> number = ownIdentifierNumber(offcut.id);
    return !number || connection
                          .exec("UPDATE store_counters SET next_offcut = ? WHERE next_offcut <= ?",
                                {*number + 1, *number})
                          .has_value();
}

std::optional<std::string> newOffcutId(StockStore::Connection& connection) {
    for (;;) {
        if (!connection.exec("UPDATE store_counters SET next_offcut = next_offcut + 1"))
            return std::nullopt;
        const QVariant number = connection.value("SELECT next_offcut - 1 FROM store_counters");
        if (number.isNull()) return std::nullopt;
        const std::string id =
            "R-" + QStringLiteral("%1").arg(number.toLongLong(), 4, 10, QChar('0')).toStdString();
        const QVariant uses =
            connection.value("SELECT count(*) FROM offcuts WHERE identifier = ?", {text(id)});
        if (uses.isNull()) return std::nullopt;
        if (uses.toInt() == 0) return id;
    }
}

StoreError checkStock(const StockList& list) {
    std::set<std::string> ids;
    for (const StockItem& item : list.items) {
        const std::string what =
            std::to_string(item.length) + (item.id.empty() ? "" : " " + item.id);
        if (item.length <= 0) return {StoreError::Kind::BadStock, "length " + what};
        if (item.quantity && *item.quantity < 0)
            return {StoreError::Kind::BadStock, "quantity " + what};
        if (item.kind != StockKind::Offcut || item.id.empty()) continue;
        if (item.quantity && *item.quantity > 1)
            return {StoreError::Kind::BadStock, "an identified offcut is one piece: " + what};
        if (!ids.insert(item.id).second)
            return {StoreError::Kind::BadStock, "offcut identifier twice: " + item.id};
    }
    return {};
}

StoreError checkMaterialName(const std::string& name) {
    if (isOneLineName(name)) return {};
    return {StoreError::Kind::BadStock,
            "a material needs a name of one line of text, without control characters"};
}

std::optional<std::pair<int64_t, int16_t>> findMaterial(StockStore::Connection& connection,
                                                        const std::string& material) {
    std::optional<QSqlQuery> query = connection.exec(
        "SELECT id, minimum_offcut_length FROM materials WHERE name = ?", {text(material)});
    if (!query || !query->next()) return std::nullopt;
    return std::pair{query->value(0).toLongLong(), static_cast<int16_t>(query->value(1).toInt())};
}

}  // namespace marlo::store_rows
