#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "stock/StockStore.h"
#include "stock/StoreLocation.h"

namespace marlo {

// The store's one database connection and the few things SQLite and PostgreSQL do differently.
// Statements run through exec(); a failure is kept as lastError(), classified for the user.
class StockStore::Connection {
  public:
    // `lockWait`: how long a statement waits for another program's lock before it fails.
    // `missing`: whether a SQLite file that is not there is made (with its folders).
    static StoreResult<std::unique_ptr<Connection>> open(
        const StoreLocation& location, std::chrono::milliseconds lockWait,
        StockStore::Missing missing = StockStore::Missing::Create);
    ~Connection();

    bool isPostgres() const { return postgres_; }

    // Runs a statement with its values bound to the `?` in order; nullopt when it failed, and
    // lastError() says why (it is cleared by the next statement).
    std::optional<QSqlQuery> exec(const QString& sql, const QVariantList& values = {});
    // The number of rows a statement changed, or -1 when it failed.
    int changed(const QString& sql, const QVariantList& values);
    // The first column of the first row; a null value when there is none or on failure (then
    // lastError() is set).
    QVariant value(const QString& sql, const QVariantList& values = {});

    // A write transaction: SQLite takes the write lock at once, so that two programs that book
    // the same stock wait for each other instead of failing half-way.
    bool begin();
    // A transaction that only reads, and sees one state of the store throughout.
    bool beginReading();
    bool commit();
    void rollback();

    const StoreError& lastError() const { return error_; }
    void fail(StoreError::Kind kind, std::string detail) { error_ = {kind, std::move(detail)}; }

  private:
    Connection(QString name, bool postgres) : name_(std::move(name)), postgres_(postgres) {}
    void keep(const QSqlError& error);

    QString name_;
    bool postgres_;
    StoreError error_;
    // Failed statements are freed only after the transaction has ended: within a failed
    // PostgreSQL transaction the server would refuse to free them.
    std::vector<QSqlQuery> failed_;
};

// What a database error means for the user.
StoreError classifyError(const QSqlError& error, bool postgres, bool opening);

}  // namespace marlo
