// The store's reliability: a save is all or nothing, concurrent saves do not
// corrupt the store and the later one wins, and a damaged store file is kept
// aside while the program goes on with its defaults.

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "RawStore.h"
#include "SettingsSamples.h"
#include "StoreFolder.h"
#include "settings/store/RegStore.h"

namespace fs = std::filesystem;

namespace {

// Values written by a save of a full list: 20 job values, 5 for each of 1000
// conditions, 3 file names.
constexpr int FullSaveWrites = 5023;

// The settings of one "program": a job and a full list, distinct per tag.
struct Settings {
    explicit Settings(int tag) : job(NonDefaultJob(tag)), list(ArbitraryConditions(static_cast<unsigned>(tag)))
    {
        job.DirMode = 0;  // so that a load restores every field but SearchDir
        job.SearchDir = "";
    }
    JobSettings job;
    SearchList list;
};

// Runs body in a child process and returns the child's id; body's result is
// the exit code. The child never returns into the test framework.
pid_t StartChild(const std::function<int()>& body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    return child;
}

int WaitFor(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

std::string FileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A hook that lets writes proceed and calls action at the given write.
CRegStore::WriteHook AtWrite(int number, std::function<CRegStore::WriteVerdict()> action)
{
    auto writes = std::make_shared<int>(0);
    return [=](std::string_view) { return ++*writes == number ? action() : CRegStore::WriteVerdict::Proceed; };
}

class RegStoreReliability : public StoreFolder {
protected:
    void Save(const Settings& settings)
    {
        CRegStore store(StorePath());
        ASSERT_EQ(store.Save(settings.job, settings.list), 0);
    }
    // Loads into default settings and an empty list and checks the result.
    void ExpectLoads(const Settings& expected)
    {
        JobSettings job;
        SearchList list;
        CRegStore(StorePath()).Load(job, list);
        EXPECT_EQ(Fields(job), Fields(expected.job));
        EXPECT_EQ(Fields(list), Fields(expected.list));
    }
    void ExpectLoadsDefaults()
    {
        JobSettings job;
        SearchList list;
        CRegStore(StorePath()).Load(job, list);
        EXPECT_EQ(Fields(job), Fields(JobSettings()));
        EXPECT_EQ(list.Count(), 0);
    }
    // The files moved aside as damaged.
    std::vector<fs::path> DamagedFiles() const
    {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(StorePath().parent_path()))
            if (entry.path().filename().string().starts_with("registry.db.damaged-"))
                found.push_back(entry.path());
        return found;
    }
};

class RegStoreFailedSave : public RegStoreReliability, public ::testing::WithParamInterface<int> {};

}  // namespace

TEST_P(RegStoreFailedSave, ASaveWithAFailedWriteLeavesTheCompleteOldSettings)
{
    const Settings old(1);
    const Settings next(2);
    Save(old);

    CRegStore store(StorePath());
    store.SetWriteHook(AtWrite(GetParam(), [] { return CRegStore::WriteVerdict::Fail; }));
    EXPECT_EQ(store.Save(next.job, next.list), CRegStore::StatusWriteFailed);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusWriteFailed);
    ExpectLoads(old);
}

// The first value, the first of a condition, one in the middle, the last one.
INSTANTIATE_TEST_SUITE_P(WriteNumbers, RegStoreFailedSave, ::testing::Values(1, 21, 2600, FullSaveWrites));

class RegStoreKilledSave : public RegStoreReliability, public ::testing::WithParamInterface<int> {};

TEST_P(RegStoreKilledSave, ASaveKilledPartWayLeavesTheCompleteOldSettings)
{
    const Settings old(1);
    const Settings next(2);
    Save(old);

    const int status = WaitFor(StartChild([&] {
        CRegStore store(StorePath());
        store.SetWriteHook(AtWrite(GetParam(), [] {
            raise(SIGKILL);
            return CRegStore::WriteVerdict::Proceed;
        }));
        store.Save(next.job, next.list);
        return 0;
    }));
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ExpectLoads(old);
    Save(next);
    ExpectLoads(next);
}

INSTANTIATE_TEST_SUITE_P(WriteNumbers, RegStoreKilledSave, ::testing::Values(1, 2600, FullSaveWrites));

TEST_F(RegStoreReliability, AFirstSaveKilledPartWayLeavesNoSettingsAndTheNextSaveWorks)
{
    const Settings settings(1);
    const int status = WaitFor(StartChild([&] {
        CRegStore store(StorePath());
        store.SetWriteHook(AtWrite(2600, [] {
            raise(SIGKILL);
            return CRegStore::WriteVerdict::Proceed;
        }));
        store.Save(settings.job, settings.list);
        return 0;
    }));
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ExpectLoadsDefaults();
    Save(settings);
    ExpectLoads(settings);
}

TEST_F(RegStoreReliability, AFirstSaveThatFailsLeavesNoSettingsAndTheNextSaveWorks)
{
    const Settings settings(1);
    CRegStore store(StorePath());
    store.SetWriteHook(AtWrite(2600, [] { return CRegStore::WriteVerdict::Fail; }));
    EXPECT_EQ(store.Save(settings.job, settings.list), CRegStore::StatusWriteFailed);
    ExpectLoadsDefaults();
    Save(settings);
    ExpectLoads(settings);
}

TEST_F(RegStoreReliability, TheLaterOfTwoOverlappingSavesWins)
{
    const Settings first(1);
    const Settings second(2);
    std::promise<void> firstPaused;
    std::promise<void> resumeFirst;
    std::shared_future<void> resume = resumeFirst.get_future().share();
    int firstResult = -1;
    int secondResult = -1;

    std::thread firstSave([&] {
        CRegStore store(StorePath());
        store.SetWriteHook(AtWrite(100, [&] {
            firstPaused.set_value();
            resume.wait();
            return CRegStore::WriteVerdict::Proceed;
        }));
        firstResult = store.Save(first.job, first.list);
    });
    firstPaused.get_future().wait();
    // The second save starts while the first holds the store; it has to wait
    // for the first to end, however the two threads are scheduled.
    std::thread secondSave([&] { secondResult = CRegStore(StorePath()).Save(second.job, second.list); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    resumeFirst.set_value();
    firstSave.join();
    secondSave.join();

    EXPECT_EQ(firstResult, 0);
    EXPECT_EQ(secondResult, 0);
    ExpectLoads(second);
}

TEST_F(RegStoreReliability, ALoadDuringASaveSeesTheCompleteOldSettings)
{
    const Settings old(1);
    const Settings next(2);
    Save(old);
    std::promise<void> paused;
    std::promise<void> resumeSave;
    std::shared_future<void> resume = resumeSave.get_future().share();
    int saveResult = -1;

    std::thread save([&] {
        CRegStore store(StorePath());
        store.SetWriteHook(AtWrite(2600, [&] {
            paused.set_value();
            resume.wait();
            return CRegStore::WriteVerdict::Proceed;
        }));
        saveResult = store.Save(next.job, next.list);
    });
    paused.get_future().wait();
    ExpectLoads(old);
    resumeSave.set_value();
    save.join();
    EXPECT_EQ(saveResult, 0);
    ExpectLoads(next);
}

TEST_F(RegStoreReliability, TwoProgramsSavingAtOnceLeaveOneCompleteSetOfSettings)
{
    Save(Settings(3));
    auto program = [&](int tag) {
        return StartChild([this, tag] {
            const Settings settings(tag);
            for (int round = 0; round < 10; ++round)
                if (CRegStore(StorePath()).Save(settings.job, settings.list) != 0)
                    return 1;
            return 0;
        });
    };
    const pid_t first = program(1);
    const pid_t second = program(2);
    const int firstStatus = WaitFor(first);
    const int secondStatus = WaitFor(second);
    ASSERT_TRUE(WIFEXITED(firstStatus) && WEXITSTATUS(firstStatus) == 0);
    ASSERT_TRUE(WIFEXITED(secondStatus) && WEXITSTATUS(secondStatus) == 0);

    JobSettings job;
    SearchList list;
    CRegStore(StorePath()).Load(job, list);
    const int winner = job.KeyCol == Settings(1).job.KeyCol ? 1 : 2;
    EXPECT_EQ(Fields(job), Fields(Settings(winner).job));
    EXPECT_EQ(Fields(list), Fields(Settings(winner).list));
}

struct DamageCase {
    const char* name;
    // Makes the damaged store file, given a full store to start from.
    std::function<void(const fs::path&)> damage;

    friend void PrintTo(const DamageCase& c, std::ostream* out) { *out << c.name; }
};

class RegStoreDamage : public RegStoreReliability, public ::testing::WithParamInterface<DamageCase> {
protected:
    void SetUp() override
    {
        RegStoreReliability::SetUp();
        Save(Settings(1));
        GetParam().damage(StorePath());
        m_damagedBytes = FileBytes(StorePath());
    }
    // The damaged file is kept, untouched, under a new name beside the store.
    void ExpectDamagedFileKeptAside()
    {
        const std::vector<fs::path> aside = DamagedFiles();
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(FileBytes(aside.front()), m_damagedBytes);
    }
    std::string m_damagedBytes;
};

TEST_P(RegStoreDamage, LoadKeepsTheDefaultsAndMovesTheDamagedFileAsideThenSaveWritesAFreshStore)
{
    ExpectLoadsDefaults();
    ExpectDamagedFileKeptAside();
    EXPECT_FALSE(fs::exists(StorePath()));

    const Settings settings(2);
    Save(settings);
    ExpectLoads(settings);
    ExpectDamagedFileKeptAside();
}

TEST_P(RegStoreDamage, SaveOverADamagedStoreKeepsTheDamagedFileAndWritesAFreshOne)
{
    const Settings settings(2);
    Save(settings);
    ExpectDamagedFileKeptAside();
    ExpectLoads(settings);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, RegStoreDamage,
    ::testing::Values(
        DamageCase{"Text", [](const fs::path& path) { WriteFile(path, "These are not the settings.\n"); }},
        DamageCase{"RandomBytes",
                   [](const fs::path& path) {
                       std::mt19937 random(5);
                       std::string bytes(8192, '\0');
                       for (char& byte : bytes)
                           byte = static_cast<char>(random());
                       WriteFile(path, bytes);
                   }},
        DamageCase{"TruncatedToHalf", [](const fs::path& path) { fs::resize_file(path, fs::file_size(path) / 2); }},
        DamageCase{"TruncatedToOnePage", [](const fs::path& path) { fs::resize_file(path, 4096); }},
        DamageCase{"OverwrittenPage",
                   [](const fs::path& path) {
                       std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
                       file.seekp(3 * 4096);
                       file << std::string(4096, '\xFF');
                   }},
        DamageCase{"ForeignTable",
                   [](const fs::path& path) {
                       fs::remove(path);
                       RawStore(path, RawStore::Create::Empty).Execute("CREATE TABLE registry (a, b)");
                   }}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });
