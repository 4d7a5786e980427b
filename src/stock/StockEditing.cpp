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

// Runs a statement that must change exactly one row; anything else is `gone`.
bool changeOne(StockStore::Connection& db, const QString& sql, const QVariantList& values,
               const std::string& gone) {
    const int changed = db.changed(sql, values);
    if (changed == 0) db.fail(StoreError::Kind::BadStock, gone);
    return changed == 1;
}

// A name another material has is refused, and so is an empty one.
bool nameIsFree(StockStore::Connection& db, const std::string& name) {
    if (name.empty()) {
        db.fail(StoreError::Kind::BadStock, "a material needs a name");
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

StoreError StockStore::saveStockRow(const std::string& material, std::optional<int64_t> rowKey,
                                    const StockItem& row) {
    if (StoreError error = checkStock({{row}})) return error;
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        if (!key) return false;
        const std::string gone = "stock row " + std::to_string(rowKey.value_or(0));
        QVariant position;
        if (rowKey) {
            const QVariantList where = {QVariant::fromValue(*rowKey), *key};
            position =
                db.value("SELECT position FROM stock_rows WHERE id = ? AND material_id = ?", where);
            if (!changeOne(db, "DELETE FROM stock_rows WHERE id = ? AND material_id = ?", where,
                           gone))
                return false;
        } else {
            position = db.value(
                "SELECT coalesce(max(position), -1) + 1 FROM stock_rows WHERE material_id = ?",
                {*key});
        }
        if (position.isNull()) return false;
        return db
            .exec(
                "INSERT INTO stock_rows (material_id, position, length, quantity, price) "
                "VALUES (?, ?, ?, ?, ?)",
                {*key, position.toInt(), row.length, nullable(row.quantity), nullable(row.price)})
            .has_value();
    });
}

StoreError StockStore::deleteStockRow(const std::string& material, int64_t rowKey) {
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        return key && changeOne(db, "DELETE FROM stock_rows WHERE id = ? AND material_id = ?",
                                {QVariant::fromValue(rowKey), *key},
                                "stock row " + std::to_string(rowKey));
    });
}

StoreError StockStore::saveOffcut(const std::string& material, const StockItem& offcut) {
    if (StoreError error =
            checkStock({{{offcut.length, 1, offcut.price, StockKind::Offcut, offcut.id}}}))
        return error;
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        if (!key) return false;
        if (offcut.id.empty()) {
            const std::optional<std::string> id = newOffcutId(db);
            return id &&
                   insertOffcut(db, key->toLongLong(), {*id, offcut.length, offcut.price, {}});
        }
        const int updated = db.changed(
            "UPDATE offcuts SET length = ?, price = ? WHERE material_id = ? AND identifier = ?",
            {offcut.length, nullable(offcut.price), *key, text(offcut.id)});
        if (updated < 0) return false;
        return updated == 1 ||
               insertOffcut(db, key->toLongLong(), {offcut.id, offcut.length, offcut.price, {}});
    });
}

StoreError StockStore::deleteOffcut(const std::string& material, const std::string& id) {
    Connection& db = *connection_;
    return inTransaction(db, [&] {
        const std::optional<QVariant> key = materialKey(db, material);
        return key && changeOne(db, "DELETE FROM offcuts WHERE material_id = ? AND identifier = ?",
                                {*key, text(id)}, "offcut " + id);
    });
}

}  // namespace marlo
