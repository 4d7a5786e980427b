#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/StockList.h"
#include "stock/StockUsage.h"
#include "stock/StoreError.h"

namespace marlo {

// A value or the reason there is none.
template <typename T>
struct StoreResult {
    std::optional<T> value;
    StoreError error;
};

// One line of the store's list of materials.
struct MaterialSummary {
    std::string name;
    int stockRows = 0;
    std::optional<int64_t> rods;  // rods in all stock rows; empty when a row is unlimited
    int offcuts = 0;
    int16_t minimumOffcutLength = 0;

    bool operator==(const MaterialSummary&) const = default;
};

// Something a booking needed that the store no longer has.
struct Shortage {
    enum class Kind { Material, StockRow, Rods, Offcut };
    Kind kind = Kind::Rods;
    std::string offcutId;   // Offcut
    int16_t length = 0;     // StockRow, Rods
    int32_t needed = 0;     // Rods
    int32_t available = 0;  // Rods

    static Shortage material() { return {Kind::Material, {}, 0, 0, 0}; }
    static Shortage stockRow(int16_t length) { return {Kind::StockRow, {}, length, 0, 0}; }
    static Shortage rods(int16_t length, int32_t needed, int32_t available) {
        return {Kind::Rods, {}, length, needed, available};
    }
    static Shortage offcut(std::string id) { return {Kind::Offcut, std::move(id), 0, 0, 0}; }

    bool operator==(const Shortage&) const = default;
};

struct BookingResult {
    enum class Status {
        Done,           // booked (or returned): taken out, the usable leftovers put in
        StockChanged,   // refused: `missing` says what the store no longer has; nothing changed
        NothingToUndo,  // Return to stock without a booking of this session
        Failed,         // the store failed (`error`); nothing changed
    };
    Status status = Status::Failed;
    std::vector<Shortage> missing;
    std::vector<StoredOffcut> newOffcuts;  // the offcuts a booking put in, with their identifiers
    StoreError error;
};

// The workshop's stock: materials, each with its stock rows, its offcuts and the shortest
// offcut worth keeping. Several programs may use one store at once; every change is one
// transaction, so a change is made whole or not at all.
// The store loads Qt's SQL drivers: the program must have a QCoreApplication.
class StockStore {
  public:
    // How long a change waits for another program that holds the store before it counts as
    // locked.
    static constexpr std::chrono::milliseconds kDefaultLockWait{15000};

    // What opening does where there is no store yet: a file that does not exist, or a database
    // without tables. A database that holds other tables is never made a store.
    enum class Missing {
        Create,  // makes the file (and its folders) and the tables
        Refuse,  // fails as Missing and makes nothing: for commands that only read
    };

    // Opens the store named by the URL (see StoreLocation.h), making it when it is missing and
    // `missing` allows, and bringing an older store's tables up to date.
    static StoreResult<std::unique_ptr<StockStore>> open(
        const std::string& url, std::chrono::milliseconds lockWait = kDefaultLockWait,
        Missing missing = Missing::Create);
    ~StockStore();
    StockStore(const StockStore&) = delete;
    StockStore& operator=(const StockStore&) = delete;

    StoreResult<std::vector<MaterialSummary>> materials();
    StoreResult<MaterialStock> stockOf(const std::string& material);

    // Replaces the material's stock rows and offcuts by the list. Creates the material when it
    // is new. An identified offcut is one piece (quantity 0: gone) and keeps its origin when it
    // was in the store before; offcuts without identifiers get new ones, one per piece.
    // The minimum offcut length, when given, is set in the same change.
    StoreError replaceStock(const std::string& material, const StockList& list,
                            std::optional<int16_t> minimumOffcutLength = std::nullopt);
    StoreError setMinimumOffcutLength(const std::string& material, int16_t length);

    // Changes made one row at a time, each in a transaction of its own.
    // A new material without stock; refused when the name is taken.
    StoreError addMaterial(const std::string& material);
    StoreError renameMaterial(const std::string& material, const std::string& newName);
    // Deletes the material with all its stock rows and offcuts.
    StoreError deleteMaterial(const std::string& material);
    // A new stock row (kind Rod) after the material's last one.
    StoreError addStockRow(const std::string& material, const StockItem& row);
    // Changes the stock row of that key from `before`, as the caller read it, to `after`;
    // refused when the store's row is no longer `before` (another program took rods meanwhile).
    // The row keeps its place under a new key, so that a plan made from it is refused when booked.
    StoreError changeStockRow(const std::string& material, int64_t rowKey, const StockItem& before,
                              const StockItem& after);
    StoreError deleteStockRow(const std::string& material, int64_t rowKey);
    // A new offcut; one without identifier gets a new one, a taken identifier is refused.
    StoreError addOffcut(const std::string& material, const StockItem& offcut);
    // Changes the length and price of the offcut of before's identifier, keeping its origin;
    // refused when it is gone or no longer `before`.
    StoreError changeOffcut(const std::string& material, const StockItem& before,
                            const StockItem& after);
    StoreError deleteOffcut(const std::string& material, const std::string& id);

    // Takes a plan's rods and offcuts out and puts its leftovers of at least the material's
    // minimum offcut length in as new offcuts, or refuses when the stock no longer suffices.
    BookingResult book(const StockUsage& usage);
    // Books the plans of several materials as one change: all of them or, when the stock of any
    // no longer suffices, none. One result per usage, all of the same status, each with what its
    // material lacks and the offcuts put in for it. Return to stock undoes them together.
    std::vector<BookingResult> book(const std::vector<StockUsage>& usages);
    // Undoes this session's last booking ("Return to stock"): its rods and offcuts go back, its
    // new offcuts come out, unless one of them has been used since.
    BookingResult returnLastBooking();

    class Connection;
    struct MaterialBooking;

  private:
    struct LastBooking;
    StockStore(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> connection_;
    std::unique_ptr<LastBooking> lastBooking_;
};

}  // namespace marlo
