// Time of a full save (5,023 values: the job, 1000 conditions, the file names)
// and of the load that reads them back, in a store under a temporary folder.
// The save includes the synchronous commit, so its time depends on the
// medium: run it with TMPDIR on the disk that holds the user's configuration.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "settings/store/RegStore.h"

namespace {

// A temporary folder for one benchmark, removed afterwards.
class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lodestrel-store-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~BenchFolder() { std::filesystem::remove_all(m_path); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::filesystem::path StoreFile() const { return m_path / "registry.db"; }
    bool Made() const { return !m_path.empty(); }

private:
    std::filesystem::path m_path;
};

SearchList FullList()
{
    SearchList list;
    for (int n = 0; n < SearchList::MaxCount; ++n) {
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchString = "\x93\x8C\x8B\x9E condition " + std::to_string(n);  // 東京
        condition->SkipUse = n % 2;
        condition->SkipStr = "\x95\x5C,*skip*";  // 表: 0x5C second byte
        list.Append(std::move(condition));
    }
    return list;
}

void SaveFullSettings(benchmark::State& state)
{
    BenchFolder folder;
    if (!folder.Made())
        return state.SkipWithError("no temporary folder");
    const JobSettings job;
    const SearchList list = FullList();
    CRegStore store(folder.StoreFile());
    for (auto _ : state)
        if (store.Save(job, list) != 0)
            return state.SkipWithError("save failed");
}
BENCHMARK(SaveFullSettings)->Unit(benchmark::kMillisecond);

void LoadFullSettings(benchmark::State& state)
{
    BenchFolder folder;
    if (!folder.Made())
        return state.SkipWithError("no temporary folder");
    CRegStore store(folder.StoreFile());
    if (store.Save(JobSettings(), FullList()) != 0)
        return state.SkipWithError("save failed");
    for (auto _ : state) {
        JobSettings job;
        SearchList list;
        store.Load(job, list);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(LoadFullSettings)->Unit(benchmark::kMillisecond);

}  // namespace
