#include <QSqlQuery>
#include <algorithm>
#include <map>

#include "stock/LastBooking.h"
#include "stock/StockStore.h"
#include "stock/StoreConnection.h"
#include "stock/StoreRows.h"

namespace marlo {

using namespace store_rows;

namespace {

bool nothingMissing(const std::vector<BookingResult>& results) {
    return std::all_of(results.begin(), results.end(),
                       [](const BookingResult& r) { return r.missing.empty(); });
}

// Runs the changes of a booking of one or more materials (or their return) in one transaction:
// committed when the body ran and nothing is missing from any material, rolled back otherwise;
// every result's status says which.
template <typename Body>
void settle(StockStore::Connection& db, std::vector<BookingResult>& results, Body body) {
    BookingResult::Status status = BookingResult::Status::Failed;
    if (db.begin()) {
        const bool ran = body();
        if (ran && nothingMissing(results) && db.commit()) {
            status = BookingResult::Status::Done;
        } else {
            db.rollback();
            if (ran && !nothingMissing(results)) status = BookingResult::Status::StockChanged;
        }
    }
    const StoreError error = db.lastError();
    for (BookingResult& result : results) {
        result.status = status;
        if (status == BookingResult::Status::Done) continue;
        result.newOffcuts.clear();
        if (status == BookingResult::Status::StockChanged) continue;
        result.error = error;
        result.missing.clear();
    }
}

// Why the row the plan read no longer gives its rods. A row replaced since (by an import or an
// edit) is not the row the plan read even when it holds rods of the same length; when those rods
// are too few, too few rods is what the user needs to hear. Nothing when the row is unlimited, or
// on failure (then the connection's error is set).
std::optional<Shortage> rodsShortage(StockStore::Connection& db, int64_t materialId,
                                     const RodsTaken& taken) {
    std::optional<QSqlQuery> row =
        db.exec("SELECT quantity FROM stock_rows WHERE id = ? AND material_id = ?",
                {QVariant::fromValue(taken.rowKey), QVariant::fromValue(materialId)});
    if (!row) return std::nullopt;
    if (row->next()) {
        if (row->value(0).isNull()) return std::nullopt;  // an unlimited row always has enough
        return Shortage::rods(taken.length, taken.count, row->value(0).toInt());
    }
    std::optional<QSqlQuery> sameLength = db.exec(
        "SELECT count(*), count(quantity), coalesce(sum(quantity), 0) FROM stock_rows WHERE "
        "material_id = ? AND length = ?",
        {QVariant::fromValue(materialId), taken.length});
    if (!sameLength) return std::nullopt;
    if (!sameLength->next()) return Shortage::stockRow(taken.length);
    const int rows = sameLength->value(0).toInt();
    const bool limited = rows == sameLength->value(1).toInt();
    const long long inStock = sameLength->value(2).toLongLong();
    if (rows > 0 && limited && inStock < taken.count)
        return Shortage::rods(taken.length, taken.count, static_cast<int32_t>(inStock));
    return Shortage::stockRow(taken.length);
}

}  // namespace

namespace {

// Takes one material's plan out of the store and puts its usable leftovers in, inside the
// transaction of its booking: false when the store failed (the connection's error is set); what
// the stock no longer has goes into `result`.
bool takeUsage(StockStore::Connection& db, const StockUsage& usage, BookingResult& result,
               StockStore::MaterialBooking& booking) {
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

    const auto found = findMaterial(db, usage.material);
    if (!found) {
        if (!db.lastError()) result.missing.push_back(Shortage::material());
        return !db.lastError();
    }
    booking.materialId = found->first;
    const QVariant materialId = QVariant::fromValue(found->first);
    for (const auto& [key, taken] : rods) {
        if (taken.count <= 0) continue;
        const int changed = db.changed(
            "UPDATE stock_rows SET quantity = quantity - ? WHERE id = ? AND material_id = ? "
            "AND quantity >= ?",
            {taken.count, QVariant::fromValue(key), materialId, taken.count});
        if (changed < 0) return false;
        if (changed > 0) {
            booking.rods.push_back(taken);
            continue;
        }
        const std::optional<Shortage> shortage = rodsShortage(db, found->first, taken);
        if (db.lastError()) return false;
        if (shortage) result.missing.push_back(*shortage);
    }
    for (const std::string& id : offcuts) {
        std::optional<QSqlQuery> row = db.exec(
            "SELECT " + kOffcutColumns + " FROM offcuts WHERE material_id = ? AND identifier = ?",
            {materialId, text(id)});
        if (!row) return false;
        const bool seen = row->next();
        const StoredOffcut offcut = seen ? offcutOf(*row, 0) : StoredOffcut{};
        const int changed = db.changed(
            "DELETE FROM offcuts WHERE material_id = ? AND identifier = ?", {materialId, text(id)});
        if (changed < 0) return false;
        if (changed == 0 || !seen)
            result.missing.push_back(Shortage::offcut(id));
        else
            booking.offcutsTaken.push_back(offcut);
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
        booking.offcutsPut.push_back(*id);
    }
    return true;
}

}  // namespace

BookingResult StockStore::book(const StockUsage& usage) {
    return book(std::vector<StockUsage>{usage}).front();
}

std::vector<BookingResult> StockStore::book(const std::vector<StockUsage>& usages) {
    Connection& db = *connection_;
    std::vector<BookingResult> results(usages.size());
    auto booking = std::make_unique<LastBooking>();
    booking->materials.resize(usages.size());
    settle(db, results, [&]() -> bool {
        for (size_t i = 0; i < usages.size(); ++i)
            if (!takeUsage(db, usages[i], results[i], booking->materials[i])) return false;
        return true;
    });
    if (!results.empty() && results.front().status == BookingResult::Status::Done)
        lastBooking_ = std::move(booking);
    return results;
}

BookingResult StockStore::returnLastBooking() {
    if (!lastBooking_) {
        BookingResult result;
        result.status = BookingResult::Status::NothingToUndo;
        return result;
    }
    Connection& db = *connection_;
    std::vector<BookingResult> results(1);
    BookingResult& result = results.front();
    const auto giveBack = [&](const MaterialBooking& booking) -> bool {
        const QVariant materialId = QVariant::fromValue(booking.materialId);
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
    settle(db, results, [&]() -> bool {
        for (const MaterialBooking& booking : lastBooking_->materials)
            if (!giveBack(booking)) return false;
        return true;
    });
    if (result.status == BookingResult::Status::Done) lastBooking_.reset();
    return result;
}

}  // namespace marlo
