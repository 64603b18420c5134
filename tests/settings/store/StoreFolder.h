#pragma once
// A test fixture with a fresh temporary folder for a store, removed afterwards,
// so that no test touches the user's own settings.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class StoreFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lodestrel-store-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    // Where the store would be for a configuration folder inside the temporary one.
    std::filesystem::path StorePath() const { return m_folder / "Orvik" / "Lodestrel" / "registry.db"; }

    std::filesystem::path m_folder;
};
