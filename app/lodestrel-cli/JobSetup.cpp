// Building the job: stored settings, then options, then conditions.

#include "app/lodestrel-cli/JobSetup.h"

#include <filesystem>
#include <unordered_set>
#include <vector>

#include "app/lodestrel-cli/ConditionFile.h"
#include "settings/store/RegStore.h"

namespace {

constexpr int PickModeField = 2;

// The job as the window program holds it once its window is open: the values
// its controls cannot show are brought into range.
void KeepWindowInvariants(JobSettings& job)
{
    if (job.PickMode < 0 || job.PickMode > PickModeField)
        job.PickMode = 0;
    if (job.PickMode != PickModeField)
        job.KeyCol = 1;
    if (job.SearchKind == 0)
        job.SearchCol.clear();
    if (job.DelQuot != 0)
        job.DelQuot = 1;
    job.ComentChar = ComentCharFor(job.Coment);
}

std::string LoadStoredJob(JobSettings& job, SearchList& list)
{
    CRegStore store;
    std::error_code ignored;
    if (store.StoreFile().empty() || !std::filesystem::exists(store.StoreFile(), ignored))
        return "no stored job is available: " +
               (store.StoreFile().empty() ? std::string("there is no home or configuration folder")
                                          : store.StoreFile().string() + " does not exist") +
               " (the window program stores its job when it closes)";
    store.Load(job, list);
    if (store.LastStatus() == CRegStore::StatusOpenKeyFailed)
        return "no stored job is available in " + store.StoreFile().string();
    return {};
}

// The conditions of the run in order, without the limit of the list, so that
// too many can be reported with their number.
class ConditionGathering {
public:
    explicit ConditionGathering(const SearchList& start)
    {
        for (int i = 0; i < start.Count(); ++i)
            Append(start.At(i));
    }

    // The condition list's Append: no look at the others.
    void Append(const CSearchInf& condition)
    {
        m_seen.insert(condition.SearchString);
        m_conditions.push_back(condition);
    }

    // The condition list's AddUnique: a search string already present adds nothing.
    void AddUnique(const CSearchInf& condition)
    {
        if (!m_seen.contains(condition.SearchString))
            Append(condition);
    }

    std::string MoveInto(SearchList& list, bool noWildcards)
    {
        if (m_conditions.size() > static_cast<std::size_t>(SearchList::MaxCount))
            return "too many conditions: " + std::to_string(m_conditions.size()) + " (at most " +
                   std::to_string(SearchList::MaxCount) + ")";
        list.DeleteAll();
        for (CSearchInf& condition : m_conditions) {
            if (noWildcards)
                condition.WildMode = 0;
            list.Append(std::make_unique<CSearchInf>(std::move(condition)));
        }
        return {};
    }

private:
    std::vector<CSearchInf> m_conditions;
    std::unordered_set<std::string> m_seen;
};

std::string GatherConditions(const CliOptions& options, SearchList& list)
{
    ConditionGathering gathering(list);
    for (const std::string& path : options.conditionFiles) {
        ConditionFileContents contents = ReadConditionFile(path);
        if (!contents.error.empty())
            return contents.error;
        for (const CSearchInf& condition : contents.conditions)
            gathering.AddUnique(condition);
    }
    for (const ConditionOption& given : options.conditions) {
        CSearchInf condition;
        condition.SearchString = given.searchString;
        if (given.exclusions) {
            condition.SkipUse = 1;
            condition.SkipStr = *given.exclusions;
        }
        gathering.Append(condition);
    }
    return gathering.MoveInto(list, options.noWildcards);
}

template <typename T>
void Override(const std::optional<T>& given, T& field)
{
    if (given)
        field = *given;
}

void SetIf(bool given, int& field, int value)
{
    if (given)
        field = value;
}

}  // namespace

void ApplyOptions(const CliOptions& options, JobSettings& job)
{
    if (options.sourceFile) {
        job.DirMode = 0;
        job.SourceFile = *options.sourceFile;
    }
    if (options.searchDir) {
        job.DirMode = 1;
        job.SearchDir = *options.searchDir;
    }
    Override(options.pattern, job.SearchFile);
    SetIf(options.recursive, job.SubDir, 1);
    Override(options.resultFile, job.ResultFile);
    Override(options.fileKind, job.FileKind);
    Override(options.etcDelim, job.EtcDelim);
    if (options.searchCol) {
        job.SearchKind = 1;
        job.SearchCol = *options.searchCol;
    }
    if (options.pickMode) {
        job.PickMode = *options.pickMode;
        if (job.PickMode != PickModeField)
            job.KeyCol = 1;
    }
    Override(options.keyCol, job.KeyCol);
    if (options.coment) {
        job.Coment = *options.coment;
        job.ComentChar = ComentCharFor(job.Coment);
    }
    SetIf(options.ignoreCase, job.UppChk, 0);
    SetIf(options.noMemory, job.OnMemory, 0);
    SetIf(options.byCondition, job.ListSeq, 1);
    SetIf(options.firstOnly, job.FindBreak, 1);
    SetIf(options.noExclusions, job.AllSkipNoUse, 1);
    SetIf(options.screenSaverOff, job.ScrOFF, 1);
    job.AplExec = 0;
}

std::string SetUpJob(const CliOptions& options, JobSettings& job, SearchList& list)
{
    if (options.useSettings) {
        if (std::string error = LoadStoredJob(job, list); !error.empty())
            return error;
    }
    KeepWindowInvariants(job);
    ApplyOptions(options, job);
    return GatherConditions(options, list);
}
