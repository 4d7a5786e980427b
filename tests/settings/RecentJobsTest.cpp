#include <gtest/gtest.h>

#include "settings/InMemorySettingsStore.h"
#include "settings/ProgramSettings.h"
#include "settings/RecentJobs.h"

namespace marlo {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentJobs, keepsTheLastFiveNewestFirstWithoutRepeats) {
    InMemorySettingsStore store;
    writeDefaultSettings(store);
    EXPECT_TRUE(readRecentJobs(store).empty());

    for (const char* path : {"/a.opt", "/b.opt", "/c.opt", "/d.opt", "/e.opt", "/f.opt"})
        rememberRecentJob(store, path);
    EXPECT_EQ(readRecentJobs(store), (Paths{"/f.opt", "/e.opt", "/d.opt", "/c.opt", "/b.opt"}));

    rememberRecentJob(store, "/c.opt");
    rememberRecentJob(store, "/line\nbreak.opt");
    rememberRecentJob(store, "");
    EXPECT_EQ(readRecentJobs(store), (Paths{"/c.opt", "/f.opt", "/e.opt", "/d.opt", "/b.opt"}));
    EXPECT_EQ(readSetting(store, settings::kRecentJobs), "/c.opt\n/f.opt\n/e.opt\n/d.opt\n/b.opt");

    forgetRecentJob(store, "/e.opt");
    forgetRecentJob(store, "/never.opt");
    EXPECT_EQ(readRecentJobs(store), (Paths{"/c.opt", "/f.opt", "/d.opt", "/b.opt"}));
    EXPECT_EQ(readSetting(store, settings::kRodLength), "6000") << "other keys stay";

    // A value edited by hand: blank lines and repeats are passed over, only five are taken.
    saveSetting(store, settings::kRecentJobs, "\n/1\n/1\n/2\n\n/3\n/4\n/5\n/6");
    EXPECT_EQ(readRecentJobs(store), (Paths{"/1", "/2", "/3", "/4", "/5"}));
}

}  // namespace
}  // namespace marlo
