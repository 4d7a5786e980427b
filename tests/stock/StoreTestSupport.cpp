#include "StoreTestSupport.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdlib>
#include <sstream>

#include "stock/StoreLocation.h"

namespace marlo::test {

namespace {

// Calls `use` with a connection of its own to the store's database.
template <typename Use>
void withDatabase(const std::string& url, Use use) {
    static QAtomicInt counter;
    const QString name = QStringLiteral("marlo-test-%1").arg(counter.fetchAndAddRelaxed(1));
    const ParsedStoreUrl parsed = parseStoreUrl(url);
    ASSERT_TRUE(parsed.location) << parsed.error;
    {
        const StoreLocation& location = *parsed.location;
        const bool postgres = location.kind == StoreLocation::Kind::PostgreSQL;
        QSqlDatabase db = QSqlDatabase::addDatabase(postgres ? "QPSQL" : "QSQLITE", name);
        if (postgres) {
            db.setHostName(QString::fromStdString(location.host));
            db.setPort(location.port);
            db.setUserName(QString::fromStdString(location.user));
            db.setDatabaseName(QString::fromStdString(location.database));
        } else {
            db.setDatabaseName(QString::fromStdString(location.path));
        }
        if (db.open())
            use(db);
        else
            ADD_FAILURE() << db.lastError().text().toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

void PrintTo(Backend backend, std::ostream* out) {
    *out << (backend == Backend::SQLite ? "SQLite" : "PostgreSQL");
}

std::string backendName(const testing::TestParamInfo<Backend>& info) {
    std::ostringstream name;
    PrintTo(info.param, &name);
    return name.str();
}

FreshStore::FreshStore(Backend b) : backend(b) {
    if (backend == Backend::SQLite) {
        url = "sqlite:" + (folder.path() / "stock.sqlite").string();
        return;
    }
    const char* server = std::getenv("MARLO_TEST_POSTGRES");
    if (server == nullptr || *server == '\0') {
        unavailable = "no PostgreSQL server: run through scripts/with-postgres.sh";
        return;
    }
    url = server;
    runSql(url, {"SET client_min_messages TO WARNING", "DROP SCHEMA public CASCADE",
                 "CREATE SCHEMA public"});
}

void runSql(const std::string& url, const std::vector<std::string>& statements) {
    withDatabase(url, [&](QSqlDatabase& db) {
        for (const std::string& statement : statements) {
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(QString::fromStdString(statement)))
                << statement << ": " << query.lastError().text().toStdString();
        }
    });
}

std::string sqlValue(const std::string& url, const std::string& statement) {
    std::string value;
    withDatabase(url, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QString::fromStdString(statement)) && query.next())
            << statement << ": " << query.lastError().text().toStdString();
        value = query.value(0).toString().toStdString();
    });
    return value;
}

std::unique_ptr<StockStore> openStore(const std::string& url) {
    StoreResult<std::unique_ptr<StockStore>> opened = StockStore::open(url);
    EXPECT_FALSE(opened.error) << opened.error.detail;
    return opened.value ? std::move(*opened.value) : nullptr;
}

std::string probeProgram() {
    return MARLO_STORE_PROBE;
}

}  // namespace marlo::test
