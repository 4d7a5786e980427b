#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "StoreTestSupport.h"
#include "stock/StoreSchema.h"

namespace marlo {
namespace {

using test::Backend;
using test::FreshStore;
namespace fs = std::filesystem;

const std::string kMaterial = "Profile 70 white";

StockList threeRows() {
    StockList list;
    list.items = {{6000, 10, 12.5, StockKind::Rod, ""},
                  {3000, 4, std::nullopt, StockKind::Rod, ""},
                  {1200, 1, std::nullopt, StockKind::Offcut, "A-1"}};
    return list;
}

// Runs the probe to the end: its exit status and what it printed.
std::pair<int, std::string> runProbe(const QStringList& arguments) {
    QProcess probe;
    probe.start(QString::fromStdString(test::probeProgram()), arguments);
    probe.waitForFinished(60000);
    return {probe.exitCode(), probe.readAllStandardOutput().trimmed().toStdString()};
}

std::string errorLine(StoreError::Kind kind) {
    return "error " + std::to_string(static_cast<int>(kind));
}

TEST(StoreFaultsTest, sqliteFileReadOnlyFullOrCorrupt_isRefusedWithItsReasonAndUnchanged) {
    FreshStore fresh(Backend::SQLite);
    const fs::path file = fresh.folder.path() / "stock.sqlite";
    ASSERT_FALSE(test::openStore(fresh.url)->replaceStock(kMaterial, threeRows()));
    const QString url = QString::fromStdString(fresh.url);
    const QString material = QString::fromStdString(kMaterial);

    // A file the user may only read (the probe drops root's rights, which would ignore that).
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = test::readBytes(file);
    auto [status, output] = runProbe({"import", url, material, "5", "--as-nobody"});
    EXPECT_EQ(status, 6);
    EXPECT_TRUE(output.starts_with(errorLine(StoreError::Kind::ReadOnly))) << output;
    EXPECT_EQ(test::readBytes(file), before);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);

    // A full disk, made by a limit on the size of the files the probe may write (RLIMIT_FSIZE,
    // which the database sees as a failed or short write).
    const std::string limit = std::to_string(fs::file_size(file) + 3000);
    std::tie(status, output) = runProbe(
        {"import", url, material, "3000", "--file-size-limit", QString::fromStdString(limit)});
    EXPECT_EQ(status, 6);
    EXPECT_TRUE(output.starts_with(errorLine(StoreError::Kind::DiskFull))) << output;
    EXPECT_EQ(test::openStore(fresh.url)->stockOf(kMaterial).value->list, threeRows());

    // Something that is not a store at all, and a store cut short.
    const std::string garbage(8192, 'x');
    test::writeBytes(file, garbage);
    EXPECT_EQ(StockStore::open(fresh.url).error.kind, StoreError::Kind::Corrupt);
    EXPECT_EQ(test::readBytes(file), garbage);
    test::writeBytes(file, before.substr(0, 100) + std::string(4000, '\0'));
    EXPECT_EQ(StockStore::open(fresh.url).error.kind, StoreError::Kind::Corrupt);
}

TEST(StoreFaultsTest, storeThatCannotBeReached_isNamed) {
    EXPECT_EQ(StockStore::open("postgresql://marlo@127.0.0.1:1/marlo").error.kind,
              StoreError::Kind::Unreachable);
    FreshStore fresh(Backend::SQLite);
    test::writeBytes(fresh.folder.path() / "file", "");
    EXPECT_EQ(StockStore::open("sqlite:" + (fresh.folder.path() / "file" / "stock.sqlite").string())
                  .error.kind,
              StoreError::Kind::Unreachable);
    EXPECT_EQ(StockStore::open("mysql://stock/shop").error.kind, StoreError::Kind::BadLocation);

    // A named pipe where the file would be is named as such, not as a full disk.
    const fs::path pipe = fresh.folder.path() / "pipe.sqlite";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const StoreError piped = StockStore::open("sqlite:" + pipe.string()).error;
    EXPECT_EQ(piped.kind, StoreError::Kind::Unreachable);
    EXPECT_NE(piped.detail.find("is a named pipe, not a file"), std::string::npos) << piped.detail;
}

class StoreStatesTest : public testing::TestWithParam<Backend> {
  protected:
    FreshStore fresh{GetParam()};
};

TEST_P(StoreStatesTest, firstVersionStore_opensUpgradedWithEverythingInIt) {
    SKIP_WITHOUT(fresh);
    {
        // The store as the first version of the program left it.
        auto connection = StockStore::Connection::open(*parseStoreUrl(fresh.url).location,
                                                       StockStore::kDefaultLockWait);
        ASSERT_TRUE(connection.value) << connection.error.detail;
        ASSERT_FALSE(prepareSchema(**connection.value, 1));
    }
    test::runSql(fresh.url,
                 {"INSERT INTO materials (name) VALUES ('Profile 70 white')",
                  "INSERT INTO stock_rows (material_id, position, length, quantity, price) "
                  "VALUES (1, 0, 6000, 10, 12.5), (1, 1, 3000, NULL, NULL)",
                  "INSERT INTO offcuts (material_id, identifier, length, job_file, customer, "
                  "cut_date, pattern) VALUES (1, 'R-0007', 1200, 'window.opt', 'Novak', "
                  "'2026-11-30', 2)"});
    EXPECT_EQ(test::sqlValue(fresh.url, "SELECT version FROM store_schema"), "1");

    std::unique_ptr<StockStore> store = test::openStore(fresh.url);
    ASSERT_TRUE(store);
    EXPECT_EQ(test::sqlValue(fresh.url, "SELECT version FROM store_schema"),
              std::to_string(kStoreSchemaVersion));
    const MaterialStock stock = *store->stockOf(kMaterial).value;
    const std::vector<StockItem> items = {{6000, 10, 12.5, StockKind::Rod, ""},
                                          {3000, std::nullopt, std::nullopt, StockKind::Rod, ""},
                                          {1200, 1, std::nullopt, StockKind::Offcut, "R-0007"}};
    EXPECT_EQ(stock.list.items, items);
    EXPECT_EQ(stock.origins[2], (OffcutOrigin{"window.opt", "Novak", "2026-11-30", 2}));
    EXPECT_EQ(stock.minimumOffcutLength, 0);
    ASSERT_FALSE(store->setMinimumOffcutLength(kMaterial, 600));
    EXPECT_EQ(store->stockOf(kMaterial).value->minimumOffcutLength, 600);
}

TEST_P(StoreStatesTest, storeOfANewerVersion_isRefusedAndLeftUntouched) {
    SKIP_WITHOUT(fresh);
    ASSERT_FALSE(test::openStore(fresh.url)->replaceStock(kMaterial, threeRows()));
    test::runSql(fresh.url, {"UPDATE store_schema SET version = 99"});

    const auto opened = StockStore::open(fresh.url);
    EXPECT_FALSE(opened.value);
    EXPECT_EQ(opened.error.kind, StoreError::Kind::NewerSchema);
    EXPECT_EQ(test::sqlValue(fresh.url, "SELECT version FROM store_schema"), "99");
    EXPECT_EQ(test::sqlValue(fresh.url, "SELECT count(*) FROM stock_rows"), "2");
}

// What the store's own tables are not among: the names of every table and view of the database.
std::string tablesOf(const FreshStore& fresh) {
    return test::sqlValue(
        fresh.url, fresh.backend == Backend::SQLite
                       ? "SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_master "
                         "WHERE type IN ('table', 'view') ORDER BY name)"
                       : "SELECT string_agg(table_name, ' ' ORDER BY table_name) FROM "
                         "information_schema.tables WHERE table_schema = 'public'");
}

TEST_P(StoreStatesTest, missingForeignOrDamagedStore_isNamedAndNothingIsMadeOrChanged) {
    SKIP_WITHOUT(fresh);
    // Where there is no store, one that only reads makes none.
    const StoreError missing =
        StockStore::open(fresh.url, StockStore::kDefaultLockWait, StockStore::Missing::Refuse)
            .error;
    EXPECT_EQ(missing.kind, StoreError::Kind::Missing) << missing.detail;
    if (GetParam() == Backend::SQLite)
        EXPECT_FALSE(fs::exists(fresh.folder.path() / "stock.sqlite"));
    else
        EXPECT_EQ(tablesOf(fresh), "");

    // Another program's database is not made a store: its tables stay alone.
    test::runSql(fresh.url,
                 {"CREATE TABLE materials (id INTEGER, name TEXT)",
                  "CREATE TABLE customers (id INTEGER)", "INSERT INTO customers VALUES (7)"});
    const StoreError foreign = StockStore::open(fresh.url).error;
    EXPECT_EQ(foreign.kind, StoreError::Kind::NotAStore) << foreign.detail;
    EXPECT_EQ(foreign.detail, "customers, materials");
    EXPECT_EQ(tablesOf(fresh), "customers materials");
    EXPECT_EQ(test::sqlValue(fresh.url, "SELECT count(*) FROM customers"), "1");
    test::runSql(fresh.url, {"DROP TABLE customers", "DROP TABLE materials"});

    // A store whose version is damaged is named so and left as it is.
    ASSERT_FALSE(test::openStore(fresh.url)->replaceStock(kMaterial, threeRows()));
    const std::string tables = tablesOf(fresh);
    for (const std::string version : {"0", "-1"}) {
        test::runSql(fresh.url, {"UPDATE store_schema SET version = " + version});
        const StoreError damaged = StockStore::open(fresh.url).error;
        EXPECT_EQ(damaged.kind, StoreError::Kind::Corrupt) << damaged.detail;
        EXPECT_EQ(damaged.detail, "the store's version is damaged: " + version);
        EXPECT_EQ(tablesOf(fresh), tables);
        EXPECT_EQ(test::sqlValue(fresh.url, "SELECT count(*) FROM stock_rows"), "2");
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreStatesTest,
                         testing::Values(Backend::SQLite, Backend::PostgreSQL), test::backendName);

TEST_P(StoreStatesTest, storeHeldByAnotherProgram_isNamedLockedAndChangesNothing) {
    SKIP_WITHOUT(fresh);
    ASSERT_FALSE(test::openStore(fresh.url)->replaceStock(kMaterial, threeRows()));
    auto opened = StockStore::open(fresh.url, std::chrono::milliseconds(200));
    ASSERT_TRUE(opened.value);
    StockStore& store = **opened.value;
    const int64_t rowKey = store.stockOf(kMaterial).value->rowKeys[0];
    {
        test::RawConnection other(fresh.url);
        other.run(GetParam() == Backend::SQLite ? "BEGIN EXCLUSIVE"
                                                : "BEGIN; LOCK TABLE stock_rows, offcuts");
        EXPECT_EQ(store.replaceStock(kMaterial, {}).kind, StoreError::Kind::Locked);
        const BookingResult booking = store.book({kMaterial, {{rowKey, 6000, 1}}, {}, {}, {}});
        EXPECT_EQ(booking.status, BookingResult::Status::Failed);
        EXPECT_EQ(booking.error.kind, StoreError::Kind::Locked);
        other.run("ROLLBACK");
    }
    EXPECT_EQ(store.stockOf(kMaterial).value->list, threeRows());
}

class PostgresFaultsTest : public testing::Test {
  protected:
    FreshStore fresh{Backend::PostgreSQL};
};

TEST_F(PostgresFaultsTest, userWithoutRights_readsButChangesNothing) {
    SKIP_WITHOUT(fresh);
    std::unique_ptr<StockStore> owner = test::openStore(fresh.url);
    ASSERT_FALSE(owner->replaceStock(kMaterial, threeRows()));
    test::runSql(fresh.url, {"SET client_min_messages TO WARNING", "DROP ROLE IF EXISTS clerk",
                             "CREATE ROLE clerk LOGIN", "GRANT USAGE ON SCHEMA public TO clerk",
                             "GRANT SELECT ON ALL TABLES IN SCHEMA public TO clerk"});
    std::string clerkUrl = fresh.url;
    clerkUrl.replace(clerkUrl.find("://") + 3, clerkUrl.find('@') - clerkUrl.find("://") - 3,
                     "clerk");

    std::unique_ptr<StockStore> clerk = test::openStore(clerkUrl);
    ASSERT_TRUE(clerk);
    const MaterialStock stock = *clerk->stockOf(kMaterial).value;
    EXPECT_EQ(clerk->replaceStock(kMaterial, {}).kind, StoreError::Kind::PermissionDenied);
    const BookingResult booking =
        clerk->book({kMaterial, {{stock.rowKeys[0], 6000, 1}}, {}, {}, {}});
    EXPECT_EQ(booking.status, BookingResult::Status::Failed);
    EXPECT_EQ(booking.error.kind, StoreError::Kind::PermissionDenied);
    EXPECT_EQ(owner->stockOf(kMaterial).value->list, threeRows());
}

// A user who may not use the schema cannot see the store or make one: that is what is said.
TEST_F(PostgresFaultsTest, userWithoutRightsOnTheSchema_isToldSoAndNothingIsMade) {
    SKIP_WITHOUT(fresh);
    test::runSql(fresh.url, {"SET client_min_messages TO WARNING", "DROP ROLE IF EXISTS visitor",
                             "CREATE ROLE visitor LOGIN"});
    std::string visitorUrl = fresh.url;
    visitorUrl.replace(visitorUrl.find("://") + 3,
                       visitorUrl.find('@') - visitorUrl.find("://") - 3, "visitor");
    const auto expectRefused = [&] {
        const StoreError refused = StockStore::open(visitorUrl).error;
        EXPECT_EQ(refused.kind, StoreError::Kind::PermissionDenied) << refused.detail;
        EXPECT_NE(refused.detail.find("the user visitor may use no schema of the search path"),
                  std::string::npos)
            << refused.detail;
    };
    expectRefused();
    ASSERT_FALSE(test::openStore(fresh.url)->replaceStock(kMaterial, threeRows()));
    expectRefused();
    EXPECT_EQ(test::openStore(fresh.url)->stockOf(kMaterial).value->list, threeRows());
}

// A booking waits for a row another session holds; the server stops meanwhile. The booking
// fails as a lost connection, and the server has rolled back the part it had done.
TEST_F(PostgresFaultsTest, serverStoppedDuringABooking_changesNothing) {
    SKIP_WITHOUT(fresh);
    const char* stop = std::getenv("MARLO_TEST_POSTGRES_STOP");
    const char* start = std::getenv("MARLO_TEST_POSTGRES_START");
    ASSERT_TRUE(stop && start);
    const int64_t rowKey = [&] {
        std::unique_ptr<StockStore> store = test::openStore(fresh.url);
        EXPECT_FALSE(store->replaceStock(kMaterial, threeRows()));
        return store->stockOf(kMaterial).value->rowKeys[0];
    }();

    std::optional<test::RawConnection> holder(fresh.url);
    holder->run("BEGIN");
    holder->run("SELECT * FROM offcuts WHERE identifier = 'A-1' FOR UPDATE");

    QProcess probe;
    probe.start(QString::fromStdString(test::probeProgram()),
                {"book", QString::fromStdString(fresh.url), QString::fromStdString(kMaterial),
                 QString::number(rowKey), "A-1"});
    ASSERT_TRUE(probe.waitForReadyRead(20000));
    probe.write("go\n");
    probe.waitForBytesWritten();
    // The probe has taken its rod and waits for the offcut.
    bool waiting = false;
    for (int attempt = 0; attempt < 200 && !waiting; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        waiting = test::sqlValue(fresh.url,
                                 "SELECT count(*) FROM pg_stat_activity WHERE wait_event_type = "
                                 "'Lock'") == "1";
    }
    ASSERT_TRUE(waiting);

    ASSERT_EQ(std::system(stop), 0);
    EXPECT_TRUE(probe.waitForFinished(30000));
    EXPECT_EQ(probe.exitCode(), 6);
    EXPECT_TRUE(probe.readAllStandardOutput().toStdString().find(
                    errorLine(StoreError::Kind::ConnectionLost)) != std::string::npos);
    holder.reset();
    ASSERT_EQ(std::system(start), 0);

    std::unique_ptr<StockStore> store = test::openStore(fresh.url);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->stockOf(kMaterial).value->list, threeRows());
}

}  // namespace
}  // namespace marlo
