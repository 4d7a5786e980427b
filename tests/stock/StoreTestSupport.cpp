#include "StoreTestSupport.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdlib>
#include <sstream>

#include "stock/StoreLocation.h"

namespace marlo::test {

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

RawConnection::RawConnection(const std::string& url) {
    static QAtomicInt counter;
    name_ = "marlo-test-" + std::to_string(counter.fetchAndAddRelaxed(1));
    const ParsedStoreUrl parsed = parseStoreUrl(url);
    const StoreLocation& location = *parsed.location;
    const bool postgres = location.kind == StoreLocation::Kind::PostgreSQL;
    QSqlDatabase db =
        QSqlDatabase::addDatabase(postgres ? "QPSQL" : "QSQLITE", QString::fromStdString(name_));
    if (postgres) {
        db.setHostName(QString::fromStdString(location.host));
        db.setPort(location.port);
        db.setUserName(QString::fromStdString(location.user));
        db.setDatabaseName(QString::fromStdString(location.database));
    } else {
        db.setDatabaseName(QString::fromStdString(location.path));
    }
    if (!db.open()) ADD_FAILURE() << db.lastError().text().toStdString();
}

RawConnection::~RawConnection() {
    QSqlDatabase::database(QString::fromStdString(name_), false).close();
    QSqlDatabase::removeDatabase(QString::fromStdString(name_));
}

void RawConnection::run(const std::string& statement) {
    QSqlQuery query(QSqlDatabase::database(QString::fromStdString(name_), false));
    EXPECT_TRUE(query.exec(QString::fromStdString(statement)))
        << statement << ": " << query.lastError().text().toStdString();
}

std::string RawConnection::value(const std::string& statement) {
    QSqlQuery query(QSqlDatabase::database(QString::fromStdString(name_), false));
    if (!query.exec(QString::fromStdString(statement)) || !query.next()) {
        ADD_FAILURE() << statement << ": " << query.lastError().text().toStdString();
        return {};
    }
    return query.value(0).toString().toStdString();
}

void runSql(const std::string& url, const std::vector<std::string>& statements) {
    RawConnection connection(url);
    for (const std::string& statement : statements) connection.run(statement);
}

std::string sqlValue(const std::string& url, const std::string& statement) {
    return RawConnection(url).value(statement);
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
