#include <QSqlQuery>

#include "stock/StockStore.h"
#include "stock/StoreConnection.h"
#include "stock/StoreRows.h"

namespace marlo {

using namespace store_rows;

namespace {

// The material's key, or false with UnknownMaterial (or the database's error) kept.
std::optional<QVariant> materialKey(StockStore::Connection& db, const std::string& material) {
    const auto found = findMaterial(db, material);
    if (found) return QVariant::fromValue(found->first);
    if (!db.lastError()) db.fail(StoreError::Kind::UnknownMaterial, material);
    return std::nullopt;
}

const std::string changedMeanwhile = " is gone or was changed by another program meanwhile";

bool insertStockRow(StockStore::Connection& db, const QVariant& materialKey, int position,
                    const StockItem& row) {
    return db
        .exec(
            "INSERT INTO stock_rows (material_id, position, length, quantity, price) "
            "VALUES (?, ?, ?, ?, ?)",
            {materialKey, position, row.length, nullable(row.quantity), nullable(row.price)})
        .has_value();
}

// Runs a statement that must change exactly one row; anything else is `gone`.
bool changeOne(StockStore::Connection& db, const QString& sql, const QVariantList& values,
               const std::string& gone) {
    const int changed = db.changed(sql, values);
    if (changed == 0) db.fail(StoreError::Kind::BadStock, gone);
    return changed == 1;
}

// A name another material has is refused, and so is one the store cannot keep.
bool nameIsFree(StockStore::Connection& db, const std::string& name) {
    if (const StoreError error = checkMaterialName(name)) {
        db.fail(error.kind, error.detail);
        return false;
    }
    if (findMaterial(db, name)) {
        db.fail(StoreError::Kind::BadStock, "material exists: " + name);
        return false;
    }
    return !db.lastError();
}

}  // namespace

StoreError StockStore::addMaterial(const std::string& material) {
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        return nameIsFree(db, material) &&
               db.exec("INSERT INTO materials (name) VALUES (?)", {text(material)});
    });
}

StoreError StockStore::renameMaterial(const std::string& material, const std::string& newName) {
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        if (!key) return false;
        if (newName == material) return true;
        return nameIsFree(db, newName) &&
               db.exec("UPDATE materials SET name = ? WHERE id = ?", {text(newName), *key});
    });
}

StoreError StockStore::deleteMaterial(const std::string& material) {
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        return key && db.exec("DELETE FROM offcuts WHERE material_id = ?", {*key}) &&
               db.exec("DELETE FROM stock_rows WHERE material_id = ?", {*key}) &&
               db.exec("DELETE FROM materials WHERE id = ?", {*key});
    });
}

StoreError StockStore::addStockRow(const std::string& material, const StockItem& row) {
    if (StoreError error = checkStock({{row}})) return error;
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        if (!key) return false;
        const QVariant position = db.value(
            "SELECT coalesce(max(position), -1) + 1 FROM stock_rows WHERE material_id = ?", {*key});
        return !position.isNull() && insertStockRow(db, *key, position.toInt(), row);
    });
}

StoreError StockStore::changeStockRow(const std::string& material, int64_t rowKey,
                                      const StockItem& before, const StockItem& after) {
    if (StoreError error = checkStock({{after}})) return error;
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        if (!key) return false;
        const QVariantList where = {QVariant::fromValue(rowKey), *key, before.length,
                                    nullable(before.quantity), nullable(before.price)};
        const QString matching =
            " FROM stock_rows WHERE id = ? AND material_id = ? AND length = ? AND quantity IS NOT "
            "DISTINCT FROM ? AND price IS NOT DISTINCT FROM ?";
        const QVariant position = db.value("SELECT position" + matching, where);
        return changeOne(db, "DELETE" + matching, where,
                         "stock row " + std::to_string(before.length) + changedMeanwhile) &&
               insertStockRow(db, *key, position.toInt(), after);
    });
}

StoreError StockStore::deleteStockRow(const std::string& material, int64_t rowKey) {
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        return key &&
               changeOne(db, "DELETE FROM stock_rows WHERE id = ? AND material_id = ?",
                         {QVariant::fromValue(rowKey), *key}, "a stock row" + changedMeanwhile);
    });
}

StoreError StockStore::addOffcut(const std::string& material, const StockItem& offcut) {
    if (StoreError error =
            checkStock({{{offcut.length, 1, offcut.price, StockKind::Offcut, offcut.id}}}))
        return error;
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        if (!key) return false;
        std::optional<std::string> id = offcut.id;
        if (id->empty()) {
            id = newOffcutId(db);
        } else {
            const QVariant uses =
                db.value("SELECT count(*) FROM offcuts WHERE material_id = ? AND identifier = ?",
                         {*key, text(*id)});
            if (uses.isNull()) return false;
            if (uses.toInt() > 0) {
                db.fail(StoreError::Kind::BadStock, "offcut identifier taken: " + *id);
                return false;
            }
        }
        return id && insertOffcut(db, key->toLongLong(), {*id, offcut.length, offcut.price, {}});
    });
}

StoreError StockStore::changeOffcut(const std::string& material, const StockItem& before,
                                    const StockItem& after) {
    if (StoreError error =
            checkStock({{{after.length, 1, after.price, StockKind::Offcut, before.id}}}))
        return error;
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        return key &&
               changeOne(db,
                         "UPDATE offcuts SET length = ?, price = ? WHERE material_id = ? "
                         "AND identifier = ? AND length = ? AND price IS NOT DISTINCT FROM ?",
                         {after.length, nullable(after.price), *key, text(before.id), before.length,
                          nullable(before.price)},
                         "offcut " + before.id + changedMeanwhile);
    });
}

StoreError StockStore::deleteOffcut(const std::string& material, const std::string& id) {
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        return key && changeOne(db, "DELETE FROM offcuts WHERE material_id = ? AND identifier = ?",
                                {*key, text(id)}, "offcut " + id + changedMeanwhile);
    });
}

}  // namespace marlo
