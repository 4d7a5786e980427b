#include "stock/StockStore.h"

#include <QSqlQuery>
#include <set>

#include "stock/LastBooking.h"
#include "stock/StoreConnection.h"
#include "stock/StoreRows.h"
#include "stock/StoreSchema.h"

namespace marlo {

using namespace store_rows;

namespace {

StoreError unknownMaterial(const std::string& material) {
    return {StoreError::Kind::UnknownMaterial, material};
}

}  // namespace

StoreResult<std::unique_ptr<StockStore>> StockStore::open(const std::string& url,
                                                          std::chrono::milliseconds lockWait,
                                                          Missing missing) {
    const ParsedStoreUrl parsed = parseStoreUrl(url);
    if (!parsed.location) return {std::nullopt, {StoreError::Kind::BadLocation, parsed.error}};
    StoreResult<std::unique_ptr<Connection>> connection =
        Connection::open(*parsed.location, lockWait, missing);
    if (!connection.value) return {std::nullopt, connection.error};
    if (StoreError error = prepareSchema(**connection.value, kStoreSchemaVersion, missing))
        return {std::nullopt, error};
    return {std::unique_ptr<StockStore>(new StockStore(std::move(*connection.value))), {}};
}

StockStore::StockStore(std::unique_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

StockStore::~StockStore() = default;

StoreResult<std::vector<MaterialSummary>> StockStore::materials() {
    std::optional<QSqlQuery> query = connection_->exec(
        "SELECT m.name, m.minimum_offcut_length,"
        " (SELECT count(*) FROM stock_rows r WHERE r.material_id = m.id),"
        " (SELECT count(*) FROM stock_rows r WHERE r.material_id = m.id AND r.quantity IS NULL),"
        " (SELECT coalesce(sum(r.quantity), 0) FROM stock_rows r WHERE r.material_id = m.id),"
        " (SELECT count(*) FROM offcuts o WHERE o.material_id = m.id)"
        " FROM materials m ORDER BY m.name");
    if (!query) return {std::nullopt, connection_->lastError()};
    std::vector<MaterialSummary> summaries;
    while (query->next()) {
        MaterialSummary summary;
        summary.name = query->value(0).toString().toStdString();
        summary.minimumOffcutLength = static_cast<int16_t>(query->value(1).toInt());
        summary.stockRows = query->value(2).toInt();
        if (query->value(3).toInt() == 0) summary.rods = query->value(4).toLongLong();
        summary.offcuts = query->value(5).toInt();
        summaries.push_back(summary);
    }
    return {summaries, {}};
}

StoreResult<MaterialStock> StockStore::stockOf(const std::string& material) {
    Connection& db = *connection_;
    if (!db.beginReading()) return {std::nullopt, db.lastError()};
    MaterialStock stock;
    stock.material = material;
    const auto read = [&]() -> StoreError {
        const auto found = findMaterial(db, material);
        if (!found) return db.lastError() ? db.lastError() : unknownMaterial(material);
        stock.minimumOffcutLength = found->second;
        const QVariant materialId = QVariant::fromValue(found->first);
        std::optional<QSqlQuery> rows = db.exec(
            "SELECT id, length, quantity, price FROM stock_rows WHERE material_id = ? "
            "ORDER BY position, id",
            {materialId});
        if (!rows) return db.lastError();
        while (rows->next()) {
            stock.list.items.push_back({static_cast<int16_t>(rows->value(1).toInt()),
                                        optionalValue<int32_t>(rows->value(2)),
                                        optionalValue<double>(rows->value(3)),
                                        StockKind::Rod,
                                        {}});
            stock.rowKeys.push_back(rows->value(0).toLongLong());
            stock.origins.emplace_back();
        }
        std::optional<QSqlQuery> offcuts =
            db.exec("SELECT id, " + kOffcutColumns +
                        " FROM offcuts WHERE material_id = ? ORDER BY identifier",
                    {materialId});
        if (!offcuts) return db.lastError();
        while (offcuts->next()) {
            const StoredOffcut offcut = offcutOf(*offcuts, 1);
            stock.list.items.push_back(
                {offcut.length, 1, offcut.price, StockKind::Offcut, offcut.id});
            stock.rowKeys.push_back(offcuts->value(0).toLongLong());
            stock.origins.push_back(offcut.origin);
        }
        return {};
    };
    const StoreError error = read();
    db.rollback();
    if (error) return {std::nullopt, error};
    return {stock, {}};
}

StoreError StockStore::replaceStock(const std::string& material, const StockList& list,
                                    std::optional<int16_t> minimumOffcutLength) {
    if (StoreError error = checkMaterialName(material)) return error;
    if (StoreError error = checkStock(list)) return error;
    if (minimumOffcutLength && *minimumOffcutLength < 0)
        return {StoreError::Kind::BadStock,
                "minimum offcut length " + std::to_string(*minimumOffcutLength)};
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        if (!db.exec("INSERT INTO materials (name) VALUES (?) ON CONFLICT (name) DO NOTHING",
                     {text(material)}))
            return false;
        const auto found = findMaterial(db, material);
        if (!found) return false;
        const QVariant materialId = QVariant::fromValue(found->first);
        if (minimumOffcutLength &&
            !db.exec("UPDATE materials SET minimum_offcut_length = ? WHERE id = ?",
                     {*minimumOffcutLength, materialId}))
            return false;
        if (!db.exec("DELETE FROM stock_rows WHERE material_id = ?", {materialId})) return false;

        std::set<std::string> kept;
        int position = 0;
        for (const StockItem& item : list.items) {
            if (item.kind == StockKind::Offcut) {
                if (!item.id.empty() && item.quantity != 0) kept.insert(item.id);
                continue;
            }
            if (!db.exec("INSERT INTO stock_rows (material_id, position, length, quantity, "
                         "price) VALUES (?, ?, ?, ?, ?)",
                         {materialId, position++, item.length, nullable(item.quantity),
                          nullable(item.price)}))
                return false;
        }
        std::optional<QSqlQuery> old =
            db.exec("SELECT identifier FROM offcuts WHERE material_id = ?", {materialId});
        if (!old) return false;
        std::vector<QString> gone;
        while (old->next())
            if (!kept.contains(old->value(0).toString().toStdString()))
                gone.push_back(old->value(0).toString());
        for (const QString& id : gone)
            if (!db.exec("DELETE FROM offcuts WHERE material_id = ? AND identifier = ?",
                         {materialId, id}))
                return false;

        // The list's own identifiers first: a new identifier must not be one that a later line
        // of the list names.
        for (const StockItem& item : list.items) {
            // An offcut of no pieces is one that is gone.
            if (item.kind != StockKind::Offcut || item.quantity == 0 || item.id.empty()) continue;
            const int updated = db.changed(
                "UPDATE offcuts SET length = ?, price = ? WHERE material_id = ? AND identifier = ?",
                {item.length, nullable(item.price), materialId, text(item.id)});
            if (updated < 0) return false;
            if (updated == 0 &&
                !insertOffcut(db, found->first, {item.id, item.length, item.price, {}}))
                return false;
        }
        // Offcuts without identifiers get new ones, one per piece.
        for (const StockItem& item : list.items) {
            if (item.kind != StockKind::Offcut || !item.id.empty()) continue;
            for (int piece = 0; piece < item.quantity.value_or(1); ++piece) {
                const std::optional<std::string> id = newOffcutId(db);
                if (!id || !insertOffcut(db, found->first, {*id, item.length, item.price, {}}))
                    return false;
            }
        }
        return true;
    });
}

StoreError StockStore::setMinimumOffcutLength(const std::string& material, int16_t length) {
    if (length < 0)
        return {StoreError::Kind::BadStock, "minimum offcut length " + std::to_string(length)};
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const int changed =
            db.changed("UPDATE materials SET minimum_offcut_length = ? WHERE name = ?",
                       {length, text(material)});
        if (changed == 0) db.fail(StoreError::Kind::UnknownMaterial, material);
        return changed > 0;
    });
}

}  // namespace marlo
