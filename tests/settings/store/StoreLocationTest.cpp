#include "settings/store/StoreLocation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "settings/store/RegStore.h"

namespace {

struct LocationCase {
    const char* xdgConfigHome;
    const char* home;
    const char* expected;
};

class StoreLocation : public ::testing::TestWithParam<LocationCase> {};

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        setenv(name, value, 1);
    }
    ~ScopedEnv()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

}  // namespace

TEST_P(StoreLocation, StoreFileLiesUnderTheConfigurationFolder)
{
    const LocationCase& c = GetParam();
    EXPECT_EQ(StoreFileFor(c.xdgConfigHome, c.home).string(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, StoreLocation,
    ::testing::Values(LocationCase{"/cfg", "/home/u", "/cfg/Orvik/Lodestrel/registry.db"},
                      LocationCase{nullptr, "/home/u", "/home/u/.config/Orvik/Lodestrel/registry.db"},
                      LocationCase{"", "/home/u", "/home/u/.config/Orvik/Lodestrel/registry.db"},
                      LocationCase{"relative/cfg", "/home/u", "/home/u/.config/Orvik/Lodestrel/registry.db"},
                      LocationCase{"/cfg", nullptr, "/cfg/Orvik/Lodestrel/registry.db"},
                      LocationCase{"/home/\xE6\x97\xA5\xE6\x9C\xAC", nullptr,
                                   "/home/\xE6\x97\xA5\xE6\x9C\xAC/Orvik/Lodestrel/registry.db"},
                      LocationCase{nullptr, nullptr, ""}, LocationCase{nullptr, "relative", ""}));

TEST(StoreLocationDefault, StoreOfTheCurrentUserFollowsXdgConfigHome)
{
    // Only the path is looked at; nothing is read or written there.
    const ScopedEnv config("XDG_CONFIG_HOME", "/nonexistent/lodestrel-test-config");
    EXPECT_EQ(DefaultStoreFile(), "/nonexistent/lodestrel-test-config/Orvik/Lodestrel/registry.db");
    EXPECT_EQ(CRegStore().StoreFile(), DefaultStoreFile());
}
