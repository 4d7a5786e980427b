#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>
#include <array>
#include <set>

#include "StoreTestSupport.h"

namespace marlo {
namespace {

using test::Backend;
using test::FreshStore;

class StoreConcurrencyTest : public testing::TestWithParam<Backend> {};

// Two programs book plans that need the same offcut at the same moment, 200 times over: one of
// them gets it, the other is refused, and the store never gives out stock twice.
TEST_P(StoreConcurrencyTest, twoProgramsBookingTheSameOffcut_exactlyOneGetsIt) {
    FreshStore fresh(GetParam());
    SKIP_WITHOUT(fresh);
    constexpr int kRepetitions = 200;
    const std::string material = "Profile 70 white";
    {
        std::unique_ptr<StockStore> store = test::openStore(fresh.url);
        StockList list;
        list.items.push_back({6000, kRepetitions, std::nullopt, StockKind::Rod, ""});
        for (int i = 1; i <= kRepetitions; ++i)
            list.items.push_back(
                {1500, 1, std::nullopt, StockKind::Offcut, "C-" + std::to_string(i)});
        ASSERT_FALSE(store->replaceStock(material, list));
        ASSERT_FALSE(store->setMinimumOffcutLength(material, 500));
    }
    const std::string rowKey = test::sqlValue(fresh.url, "SELECT id FROM stock_rows");

    for (int repetition = 1; repetition <= kRepetitions; ++repetition) {
        std::array<QProcess, 2> programs;
        for (QProcess& program : programs) {
            program.start(
                QString::fromStdString(test::probeProgram()),
                {"book", QString::fromStdString(fresh.url), QString::fromStdString(material),
                 QString::fromStdString(rowKey), QStringLiteral("C-%1").arg(repetition)});
        }
        // Both have opened the store before either books.
        for (QProcess& program : programs)
            ASSERT_TRUE(program.waitForReadyRead(20000) && program.readLine() == "ready\n");
        for (QProcess& program : programs) program.write("go\n");
        for (QProcess& program : programs) program.waitForBytesWritten();
        std::multiset<int> statuses;
        for (QProcess& program : programs) {
            ASSERT_TRUE(program.waitForFinished(30000));
            statuses.insert(program.exitCode());
            if (program.exitCode() != 0 && program.exitCode() != 5)
                ADD_FAILURE() << program.readAllStandardOutput().toStdString();
        }
        ASSERT_EQ(statuses, (std::multiset<int>{0, 5})) << "repetition " << repetition;
    }

    std::unique_ptr<StockStore> store = test::openStore(fresh.url);
    const MaterialStock stock = *store->stockOf(material).value;
    EXPECT_EQ(stock.list.items.at(0).quantity, 0);
    std::set<std::string> ids;
    for (const StockItem& item : stock.list.items) {
        if (item.kind != StockKind::Offcut) continue;
        EXPECT_FALSE(item.id.starts_with("C-")) << item.id;
        EXPECT_EQ(item.length, 900);
        ids.insert(item.id);
    }
    EXPECT_EQ(ids.size(), size_t(kRepetitions));
    EXPECT_EQ(stock.list.items.size(), size_t(kRepetitions) + 1);
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreConcurrencyTest,
                         testing::Values(Backend::SQLite, Backend::PostgreSQL), test::backendName);

}  // namespace
}  // namespace marlo
