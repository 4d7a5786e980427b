#include "stock/StoreConnection.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <filesystem>

namespace marlo {

namespace {

QString newConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("marlo-stock-%1").arg(counter.fetchAndAddRelaxed(1));
}

StoreError::Kind sqliteErrorKind(int code) {
    switch (code & 0xff) {  // the primary result code of an extended one
        case 3:             // SQLITE_PERM
        case 23:            // SQLITE_AUTH
            return StoreError::Kind::PermissionDenied;
        case 5:  // SQLITE_BUSY
        case 6:  // SQLITE_LOCKED
            return StoreError::Kind::Locked;
        case 8:  // SQLITE_READONLY
            return StoreError::Kind::ReadOnly;
        case 11:  // SQLITE_CORRUPT
        case 26:  // SQLITE_NOTADB
            return StoreError::Kind::Corrupt;
        case 10:  // SQLITE_IOERR: also a disk full for this user (a quota, a file size limit)
        case 13:  // SQLITE_FULL
            return StoreError::Kind::DiskFull;
        case 14:  // SQLITE_CANTOPEN
            return StoreError::Kind::Unreachable;
        default:
            return StoreError::Kind::Failed;
    }
}

StoreError::Kind postgresErrorKind(const QString& state, const QString& text, bool opening) {
    // Without a state the client library itself failed: no server to talk to, or the login
    // was refused before a session began.
    if (state.isEmpty()) {
        if (opening && (text.contains("password") || text.contains("authentication")))
            return StoreError::Kind::PermissionDenied;
        return opening ? StoreError::Kind::Unreachable : StoreError::Kind::ConnectionLost;
    }
    if (state.startsWith("08") || state.startsWith("57P"))
        return opening ? StoreError::Kind::Unreachable : StoreError::Kind::ConnectionLost;
    if (state == "42501" || state.startsWith("28")) return StoreError::Kind::PermissionDenied;
    if (state == "3D000") return StoreError::Kind::Unreachable;  // no such database
    if (state == "53100") return StoreError::Kind::DiskFull;
    if (state == "55P03" || state == "40001" || state == "40P01") return StoreError::Kind::Locked;
    if (state == "25006") return StoreError::Kind::ReadOnly;  // a read-only standby
    return StoreError::Kind::Failed;
}

// What stands in the way of a SQLite store at `path` before the database is asked: something
// other than a file (SQLite would fail on a named pipe or a device with a misleading I/O error),
// or no file where none is to be made.
StoreError sqlitePathError(const std::string& path, StockStore::Missing missing) {
    std::error_code failed;
    const std::filesystem::file_type type = std::filesystem::status(path, failed).type();
    using Type = std::filesystem::file_type;
    switch (type) {
        case Type::regular:
            return {};
        case Type::not_found:
            if (missing == StockStore::Missing::Create) return {};
            return {StoreError::Kind::Missing, path};
        case Type::directory:
            return {StoreError::Kind::Unreachable, path + " is a folder, not a file"};
        case Type::fifo:
            return {StoreError::Kind::Unreachable, path + " is a named pipe, not a file"};
        case Type::socket:
            return {StoreError::Kind::Unreachable, path + " is a socket, not a file"};
        case Type::block:
        case Type::character:
            return {StoreError::Kind::Unreachable, path + " is a device, not a file"};
        default:
            break;
    }
    // The path cannot be looked at (a folder on the way without rights); SQLite names why.
    return {};
}

}  // namespace

StoreError classifyError(const QSqlError& error, bool postgres, bool opening) {
    const QString code = error.nativeErrorCode();
    // The database's own words, on one line; Qt's words only when the database has none.
    QString text = error.databaseText().simplified();
    if (text.isEmpty()) text = error.driverText().simplified();
    const StoreError::Kind kind =
        postgres ? postgresErrorKind(code, text, opening) : sqliteErrorKind(code.toInt());
    return {kind, text.toStdString()};
}

StoreResult<std::unique_ptr<StockStore::Connection>> StockStore::Connection::open(
    const StoreLocation& location, std::chrono::milliseconds lockWait,
    StockStore::Missing missing) {
    const bool postgres = location.kind == StoreLocation::Kind::PostgreSQL;
    if (!postgres)
        if (StoreError error = sqlitePathError(location.path, missing))
            return {std::nullopt, error};
    const QString driver = postgres ? "QPSQL" : "QSQLITE";
    if (!QSqlDatabase::isDriverAvailable(driver))
        return {std::nullopt,
                {StoreError::Kind::Failed,
                 "the Qt SQL driver " + driver.toStdString() + " is not installed"}};
    std::unique_ptr<Connection> connection(new Connection(newConnectionName(), postgres));
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection->name_);
    if (postgres) {
        db.setHostName(QString::fromStdString(location.host));
        db.setPort(location.port);
        db.setDatabaseName(QString::fromStdString(location.database));
        if (!location.user.empty()) db.setUserName(QString::fromStdString(location.user));
        db.setConnectOptions("connect_timeout=10");
    } else {
        const QString path = QString::fromStdString(location.path);
        QDir().mkpath(QFileInfo(path).absolutePath());
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(lockWait.count()));
    }
    if (!db.open()) return {std::nullopt, classifyError(db.lastError(), postgres, true)};
    // A change that waits for another workstation's lock gives up after a while rather than
    // hanging the program.
    if (postgres &&
        !connection->exec(QStringLiteral("SET lock_timeout = %1").arg(lockWait.count())))
        return {std::nullopt, connection->lastError()};
    return {std::move(connection), {}};
}

StockStore::Connection::~Connection() {
    failed_.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

void StockStore::Connection::keep(const QSqlError& error) {
    error_ = classifyError(error, postgres_, false);
}

std::optional<QSqlQuery> StockStore::Connection::exec(const QString& sql,
                                                      const QVariantList& values) {
    error_ = {};
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    bool ran = false;
    if (values.isEmpty()) {
        ran = query.exec(sql);
    } else if (query.prepare(sql)) {
        for (const QVariant& v : values) query.addBindValue(v);
        ran = query.exec();
    }
    if (!ran) {
        keep(query.lastError());
        failed_.push_back(std::move(query));
        return std::nullopt;
    }
    return query;
}

int StockStore::Connection::changed(const QString& sql, const QVariantList& values) {
    const std::optional<QSqlQuery> query = exec(sql, values);
    return query ? query->numRowsAffected() : -1;
}

QVariant StockStore::Connection::value(const QString& sql, const QVariantList& values) {
    std::optional<QSqlQuery> query = exec(sql, values);
    if (!query || !query->next()) return {};
    return query->value(0);
}

bool StockStore::Connection::begin() {
    failed_.clear();
    return exec(postgres_ ? "BEGIN" : "BEGIN IMMEDIATE").has_value();
}

bool StockStore::Connection::beginReading() {
    return exec(postgres_ ? "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY" : "BEGIN")
        .has_value();
}

bool StockStore::Connection::commit() {
    return exec("COMMIT").has_value();
}

void StockStore::Connection::rollback() {
    // The error that led here is the one to report, not a failed rollback on a lost connection.
    const StoreError kept = error_;
    exec("ROLLBACK");
    failed_.clear();
    error_ = kept;
}

}  // namespace marlo
