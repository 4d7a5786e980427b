#include "stock/StockStore.h"

#include <QSqlQuery>
#include <algorithm>
#include <map>
#include <set>

#include "stock/StoreConnection.h"
#include "stock/StoreSchema.h"

namespace marlo {

// What this session's last booking changed, so that Return to stock can undo exactly that.
struct StockStore::LastBooking {
    int64_t materialId = 0;
    std::vector<RodsTaken> rods;             // counted from limited rows only
    std::vector<StoredOffcut> offcutsTaken;  // as they were in the store
    std::vector<std::string> offcutsPut;
};

namespace {

template <typename T>
QVariant nullable(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant(QMetaType::fromType<T>());
}

template <typename T>
std::optional<T> optionalValue(const QVariant& value) {
    if (value.isNull()) return std::nullopt;
    return value.value<T>();
}

QString text(const std::string& s) {
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

const QString kOffcutColumns = "identifier, length, price, job_file, customer, cut_date, pattern";

StoredOffcut offcutOf(const QSqlQuery& query, int first) {
    return {query.value(first).toString().toStdString(),
            static_cast<int16_t>(query.value(first + 1).toInt()),
            optionalValue<double>(query.value(first + 2)),
            {query.value(first + 3).toString().toStdString(),
             query.value(first + 4).toString().toStdString(),
             query.value(first + 5).toString().toStdString(), query.value(first + 6).toInt()}};
}

bool insertOffcut(StockStore::Connection& connection, int64_t materialId,
                  const StoredOffcut& offcut) {
    return connection
        .exec("INSERT INTO offcuts (material_id, " + kOffcutColumns +
                  ") VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
              {QVariant::fromValue(materialId), text(offcut.id), offcut.length,
               nullable(offcut.price), text(offcut.origin.jobFile), text(offcut.origin.customer),
               text(offcut.origin.date), offcut.origin.pattern})
        .has_value();
}

// A new identifier, unused in the whole store: "R-" and the store's next offcut number.
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

// The material's key and minimum offcut length; nullopt when there is none or on failure.
std::optional<std::pair<int64_t, int16_t>> findMaterial(StockStore::Connection& connection,
                                                        const std::string& material) {
    std::optional<QSqlQuery> query = connection.exec(
        "SELECT id, minimum_offcut_length FROM materials WHERE name = ?", {text(material)});
    if (!query || !query->next()) return std::nullopt;
    return std::pair{query->value(0).toLongLong(), static_cast<int16_t>(query->value(1).toInt())};
}

StoreError unknownMaterial(const std::string& material) {
    return {StoreError::Kind::UnknownMaterial, material};
}

// A list the store can keep: positive lengths, no negative counts, identified offcuts of one
// piece with identifiers that differ.
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

}  // namespace

StoreResult<std::unique_ptr<StockStore>> StockStore::open(const std::string& url) {
    const ParsedStoreUrl parsed = parseStoreUrl(url);
    if (!parsed.location) return {std::nullopt, {StoreError::Kind::BadLocation, parsed.error}};
    StoreResult<std::unique_ptr<Connection>> connection = Connection::open(*parsed.location);
    if (!connection.value) return {std::nullopt, connection.error};
    if (StoreError error = prepareSchema(**connection.value)) return {std::nullopt, error};
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

        for (const StockItem& item : list.items) {
            // An offcut of no pieces is one that is gone.
            if (item.kind != StockKind::Offcut || item.quantity == 0) continue;
            if (item.id.empty()) {
                // Offcuts without identifiers get new ones, one per piece.
                for (int piece = 0; piece < item.quantity.value_or(1); ++piece) {
                    const std::optional<std::string> id = newOffcutId(db);
                    if (!id || !insertOffcut(db, found->first, {*id, item.length, item.price, {}}))
                        return false;
                }
                continue;
            }
            const int updated = db.changed(
                "UPDATE offcuts SET length = ?, price = ? WHERE material_id = ? AND identifier = ?",
                {item.length, nullable(item.price), materialId, text(item.id)});
            if (updated < 0) return false;
            if (updated == 0 &&
                !insertOffcut(db, found->first, {item.id, item.length, item.price, {}}))
                return false;
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

BookingResult StockStore::book(const StockUsage& usage) {
    Connection& db = *connection_;
    BookingResult result;
    auto booking = std::make_unique<LastBooking>();
    // Rows are locked in one order (rods by key, offcuts by identifier) so that two bookings on
    // a server cannot wait for each other in a circle.
    std::map<int64_t, RodsTaken> rods;
    for (const RodsTaken& taken : usage.rods) {
        RodsTaken& sum =
            rods.try_emplace(taken.rowKey, RodsTaken{taken.rowKey, taken.length, 0}).first->second;
        sum.count += taken.count;
    }
    std::vector<std::string> offcuts = usage.offcuts;
    std::sort(offcuts.begin(), offcuts.end());

    const auto take = [&]() -> bool {
        const auto found = findMaterial(db, usage.material);
        if (!found) {
            if (!db.lastError()) result.missing.push_back(Shortage::material());
            return !db.lastError();
        }
        booking->materialId = found->first;
        const QVariant materialId = QVariant::fromValue(found->first);
        for (const auto& [key, taken] : rods) {
            if (taken.count <= 0) continue;
            const int changed = db.changed(
                "UPDATE stock_rows SET quantity = quantity - ? WHERE id = ? AND material_id = ? "
                "AND quantity >= ?",
                {taken.count, QVariant::fromValue(key), materialId, taken.count});
            if (changed < 0) return false;
            if (changed > 0) {
                booking->rods.push_back(taken);
                continue;
            }
            std::optional<QSqlQuery> row =
                db.exec("SELECT quantity FROM stock_rows WHERE id = ? AND material_id = ?",
                        {QVariant::fromValue(key), materialId});
            if (!row) return false;
            if (!row->next())
                result.missing.push_back(Shortage::stockRow(taken.length));
            else if (!row->value(0).isNull())  // an unlimited row always has enough
                result.missing.push_back(
                    Shortage::rods(taken.length, taken.count, row->value(0).toInt()));
        }
        for (const std::string& id : offcuts) {
            std::optional<QSqlQuery> row =
                db.exec("SELECT " + kOffcutColumns +
                            " FROM offcuts WHERE material_id = ? AND identifier = ?",
                        {materialId, text(id)});
            if (!row) return false;
            const bool seen = row->next();
            const StoredOffcut offcut = seen ? offcutOf(*row, 0) : StoredOffcut{};
            const int changed =
                db.changed("DELETE FROM offcuts WHERE material_id = ? AND identifier = ?",
                           {materialId, text(id)});
            if (changed < 0) return false;
            if (changed == 0 || !seen)
                result.missing.push_back(Shortage::offcut(id));
            else
                booking->offcutsTaken.push_back(offcut);
        }
        if (!result.missing.empty()) return true;
        for (const Leftover& leftover : usage.leftovers) {
            if (leftover.length <= 0 || leftover.length < found->second) continue;
            const std::optional<std::string> id = newOffcutId(db);
            if (!id) return false;
            OffcutOrigin origin = usage.origin;
            origin.pattern = leftover.pattern;
            const StoredOffcut offcut{*id, leftover.length, std::nullopt, origin};
            if (!insertOffcut(db, found->first, offcut)) return false;
            result.newOffcuts.push_back(offcut);
            booking->offcutsPut.push_back(*id);
        }
        return true;
    };

    if (!db.begin()) {
        result.error = db.lastError();
        return result;
    }
    if (!take() || (result.missing.empty() && !db.commit())) {
        db.rollback();
        result.error = db.lastError();
        result.missing.clear();
        result.newOffcuts.clear();
        return result;
    }
    if (!result.missing.empty()) {
        db.rollback();
        result.newOffcuts.clear();
        result.status = BookingResult::Status::StockChanged;
        return result;
    }
    lastBooking_ = std::move(booking);
    result.status = BookingResult::Status::Done;
    return result;
}

BookingResult StockStore::returnLastBooking() {
    BookingResult result;
    if (!lastBooking_) {
        result.status = BookingResult::Status::NothingToUndo;
        return result;
    }
    Connection& db = *connection_;
    const LastBooking& booking = *lastBooking_;
    const QVariant materialId = QVariant::fromValue(booking.materialId);
    const auto giveBack = [&]() -> bool {
        for (const std::string& id : booking.offcutsPut) {
            const int changed =
                db.changed("DELETE FROM offcuts WHERE material_id = ? AND identifier = ?",
                           {materialId, text(id)});
            if (changed < 0) return false;
            if (changed == 0) result.missing.push_back(Shortage::offcut(id));
        }
        for (const RodsTaken& taken : booking.rods) {
            const int changed = db.changed(
                "UPDATE stock_rows SET quantity = quantity + ? WHERE id = ? AND material_id = ?",
                {taken.count, QVariant::fromValue(taken.rowKey), materialId});
            if (changed < 0) return false;
            if (changed == 0) result.missing.push_back(Shortage::stockRow(taken.length));
        }
        for (const StoredOffcut& offcut : booking.offcutsTaken) {
            const QVariant uses =
                db.value("SELECT count(*) FROM offcuts WHERE material_id = ? AND identifier = ?",
                         {materialId, text(offcut.id)});
            if (uses.isNull()) return false;
            // Its identifier has been given to another offcut since (by an import).
            if (uses.toInt() > 0) {
                result.missing.push_back(Shortage::offcut(offcut.id));
                continue;
            }
            if (!insertOffcut(db, booking.materialId, offcut)) return false;
        }
        return true;
    };
    if (!db.begin()) {
        result.error = db.lastError();
        return result;
    }
    if (!giveBack() || (result.missing.empty() && !db.commit())) {
        db.rollback();
        result.error = db.lastError();
        result.missing.clear();
        return result;
    }
    if (!result.missing.empty()) {
        db.rollback();
        result.status = BookingResult::Status::StockChanged;
        return result;
    }
    lastBooking_.reset();
    result.status = BookingResult::Status::Done;
    return result;
}

}  // namespace marlo
