#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "stock/StockStore.h"

namespace marlo::test {

enum class Backend { SQLite, PostgreSQL };

std::string backendName(const testing::TestParamInfo<Backend>& info);
// How test listings name a back end.
void PrintTo(Backend backend, std::ostream* out);

// An empty store of one back end: a file in a fresh temporary folder, or the test server's
// database (MARLO_TEST_POSTGRES, see scripts/with-postgres.sh) with its tables dropped.
// `unavailable` says why there is none.
struct FreshStore {
    explicit FreshStore(Backend backend);

    Backend backend;
    TempFolder folder;
    std::string url;
    std::string unavailable;
};

// A connection of the test's own to the store's database, bypassing the store: to make the
// states a program cannot (an older or newer store, a role without rights) and to hold locks as
// another program would. A failed statement fails the test.
class RawConnection {
  public:
    explicit RawConnection(const std::string& url);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    void run(const std::string& statement);
    // The first column of the first row of a query.
    std::string value(const std::string& query);

  private:
    std::string name_;
};

void runSql(const std::string& url, const std::vector<std::string>& statements);
std::string sqlValue(const std::string& url, const std::string& query);

std::unique_ptr<StockStore> openStore(const std::string& url);

// The path of the helper program that opens a store and books or imports, as a second
// workstation would.
std::string probeProgram();

}  // namespace marlo::test

// Skips a test of a back end that is not there (PostgreSQL outside scripts/with-postgres.sh).
#define SKIP_WITHOUT(fresh) \
    if (!(fresh).unavailable.empty()) GTEST_SKIP() << (fresh).unavailable
