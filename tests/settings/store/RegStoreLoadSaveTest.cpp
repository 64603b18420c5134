// Load and Save: which values a save writes, what a load makes of them, and
// round trips of every setting and of a full list of arbitrary conditions.

#include <gtest/gtest.h>

#include <climits>

#include "RawStore.h"
#include "SettingsSamples.h"
#include "StoreFolder.h"
#include "settings/store/RegStore.h"

namespace fs = std::filesystem;

namespace {

class RegStoreLoadSave : public StoreFolder {
protected:
    void Save(const JobSettings& job, const SearchList& list)
    {
        CRegStore store(StorePath());
        ASSERT_EQ(store.Save(job, list), 0);
    }
    // Loads into default settings and an empty list, as at start.
    void Load()
    {
        m_job = JobSettings();
        m_list.DeleteAll();
        CRegStore store(StorePath());
        store.Load(m_job, m_list);
    }

    JobSettings m_job;
    SearchList m_list;
};

}  // namespace

TEST_F(RegStoreLoadSave, FirstStartWithoutAStoreKeepsEveryDefaultAndCreatesNothing)
{
    Load();
    EXPECT_EQ(Fields(m_job), Fields(JobSettings()));
    EXPECT_EQ(m_list.Count(), 0);
    EXPECT_FALSE(fs::exists(m_folder / "Orvik"));
}

TEST_F(RegStoreLoadSave, FirstSaveCreatesTheKeyWithEveryValueUpToTheLastNumber)
{
    Save(JobSettings(), SearchList());
    RawStore raw(StorePath());
    // 20 job values, 3 for each of the 1000 numbers past the empty list, 3 file names.
    EXPECT_EQ(raw.CountValues(), 3023);
    for (const char* name : {"DirMode", "AllSkipNoUse", "SearchString0", "SkipUse0", "SkipStr0", "SearchString999",
                             "SkipUse999", "SkipStr999", "File1", "File2", "File3"})
        EXPECT_TRUE(raw.Get(name)) << name;
    EXPECT_EQ(raw.Get("SearchString999")->data, "");
    EXPECT_EQ(raw.Get("SearchFile")->data, "*.txt");
    EXPECT_FALSE(raw.Get("SearchNotUse0"));
    EXPECT_FALSE(raw.Get("WildMode0"));
}

TEST_F(RegStoreLoadSave, ThreeConditionsSavedAfterFiveLoadAsThree)
{
    Save(JobSettings(), MakeList({MakeCondition("a"), MakeCondition("b"), MakeCondition("c"), MakeCondition("d", 1, 0),
                                  MakeCondition("e", 1, 0)}));
    Save(JobSettings(), MakeList({MakeCondition("x"), MakeCondition("y"), MakeCondition("z")}));
    Load();
    EXPECT_EQ(Fields(m_list), Fields(MakeList({MakeCondition("x"), MakeCondition("y"), MakeCondition("z")})));

    // Past the list only the search string and the exclusion are reset; the
    // flags of number 4 are still those of the earlier save.
    RawStore raw(StorePath());
    EXPECT_EQ(raw.Get("SearchString4")->data, "");
    EXPECT_EQ(raw.Get("SearchNotUse4")->data, Bytes({1, 0, 0, 0}));
    EXPECT_EQ(raw.Get("WildMode4")->data, Bytes({0, 0, 0, 0}));
}

class RegStoreGaps : public RegStoreLoadSave, public ::testing::WithParamInterface<bool> {};

TEST_P(RegStoreGaps, AGapEndsTheListEvenWhenLaterNumbersHoldSearchStrings)
{
    Save(JobSettings(), MakeList({MakeCondition("a"), MakeCondition("b"), MakeCondition("c"), MakeCondition("d")}));
    {
        RawStore raw(StorePath());
        const bool removed = GetParam();
        if (removed)
            raw.Remove("SearchString2");
        else
            raw.Put("SearchString2", 1, "");
    }
    Load();
    EXPECT_EQ(Fields(m_list), Fields(MakeList({MakeCondition("a"), MakeCondition("b")})));
}

INSTANTIATE_TEST_SUITE_P(MissingOrEmpty, RegStoreGaps, ::testing::Bool());

TEST_F(RegStoreLoadSave, TwoConditionsWithOneSearchStringAreBothSavedButOnlyTheFirstLoads)
{
    Save(JobSettings(), MakeList({MakeCondition("dup", 0, 1, 1, "x"), MakeCondition("other"),
                                  MakeCondition("dup", 1, 0, 0, "y"), MakeCondition("last")}));
    {
        RawStore raw(StorePath());
        EXPECT_EQ(raw.Get("SearchString2")->data, "dup");
        EXPECT_EQ(raw.Get("SkipStr2")->data, "y");
    }
    Load();
    EXPECT_EQ(Fields(m_list), Fields(MakeList({MakeCondition("dup", 0, 1, 1, "x"), MakeCondition("other"),
                                               MakeCondition("last")})));
}

struct FileNameCase {
    int FileSaveRest;
    int DirMode;
    bool sourceRestored;
    bool dirRestored;
};

class RegStoreFileNames : public RegStoreLoadSave, public ::testing::WithParamInterface<FileNameCase> {};

TEST_P(RegStoreFileNames, FileNamesComeBackOnlyWhenKeptAndOnlyForTheModeInUse)
{
    const FileNameCase& c = GetParam();
    JobSettings job;
    job.FileSaveRest = c.FileSaveRest;
    job.DirMode = c.DirMode;
    job.SourceFile = "/data/source.csv";
    job.SearchDir = "/data";
    job.ResultFile = "/data/result.txt";
    Save(job, SearchList());
    {
        // All three are written when kept, whatever the mode; all three empty otherwise.
        RawStore raw(StorePath());
        const bool kept = c.FileSaveRest != 0;
        EXPECT_EQ(raw.Get("File1")->data, kept ? job.SourceFile : "");
        EXPECT_EQ(raw.Get("File2")->data, kept ? job.SearchDir : "");
        EXPECT_EQ(raw.Get("File3")->data, kept ? job.ResultFile : "");
    }
    Load();
    EXPECT_EQ(m_job.SourceFile, c.sourceRestored ? job.SourceFile : "");
    EXPECT_EQ(m_job.SearchDir, c.dirRestored ? job.SearchDir : "");
    EXPECT_EQ(m_job.ResultFile, c.FileSaveRest != 0 ? job.ResultFile : "");
}

INSTANTIATE_TEST_SUITE_P(KeptAndModes, RegStoreFileNames,
                         ::testing::Values(FileNameCase{0, 0, false, false}, FileNameCase{0, 1, false, false},
                                           FileNameCase{1, 0, true, false}, FileNameCase{1, 1, false, true}));

TEST_F(RegStoreLoadSave, CompanionStartIsOffAfterLoadingWithoutACompanionProgram)
{
    struct {
        const char* AplName;
        int loadedAplExec;
    } const cases[] = {{"", 0}, {"/usr/bin/viewer", 1}};
    for (const auto& c : cases) {
        JobSettings job;
        job.AplName = c.AplName;
        job.AplExec = 1;
        Save(job, SearchList());
        EXPECT_EQ(RawStore(StorePath()).Get("AplExec")->data, Bytes({1, 0, 0, 0})) << c.AplName;
        Load();
        EXPECT_EQ(m_job.AplExec, c.loadedAplExec) << c.AplName;
    }
}

TEST_F(RegStoreLoadSave, AStringOfZeroBytesLoadsAsTheEmptyTextNotAsTheDefault)
{
    JobSettings job;
    job.EtcDelim = "";
    job.SearchFile = "";
    Save(job, SearchList());
    Load();
    EXPECT_EQ(m_job.EtcDelim, "");
    EXPECT_EQ(m_job.SearchFile, "");
}

class RegStoreRoundTrip : public RegStoreLoadSave, public ::testing::WithParamInterface<int> {};

TEST_P(RegStoreRoundTrip, EveryJobSettingsFieldSurvivesSaveAndLoad)
{
    JobSettings job = NonDefaultJob();
    job.DirMode = GetParam();
    Save(job, SearchList());
    Load();

    // The file name of the other mode is not restored.
    JobSettings expected = job;
    (job.DirMode == 0 ? expected.SearchDir : expected.SourceFile) = "";
    EXPECT_EQ(Fields(m_job), Fields(expected));
}

INSTANTIATE_TEST_SUITE_P(BothModes, RegStoreRoundTrip, ::testing::Values(0, 1));

TEST_F(RegStoreLoadSave, IntegersKeepTheirSignAndFullRange)
{
    JobSettings job;
    job.KeyCol = INT_MIN;
    job.PickMode = -1;
    job.FileKind = INT_MAX;
    Save(job, SearchList());
    Load();
    EXPECT_EQ(m_job.KeyCol, INT_MIN);
    EXPECT_EQ(m_job.PickMode, -1);
    EXPECT_EQ(m_job.FileKind, INT_MAX);
}

TEST_F(RegStoreLoadSave, CommentCharacterFollowsTheLoadedCommentSetting)
{
    JobSettings job;
    job.Coment = 2;
    Save(job, SearchList());
    Load();
    EXPECT_EQ(m_job.Coment, 2);
    EXPECT_EQ(m_job.ComentChar, "@");
}

TEST_F(RegStoreLoadSave, AThousandConditionsOfArbitraryCodePage932BytesSurviveSaveAndLoad)
{
    const SearchList list = ArbitraryConditions(932);
    Save(JobSettings(), list);
    Load();
    ASSERT_EQ(m_list.Count(), SearchList::MaxCount);
    EXPECT_EQ(Fields(m_list), Fields(list));
    EXPECT_EQ(m_list.At(0).SearchString, std::string("a\0b", 3));
    EXPECT_EQ(m_list.At(1).SearchString, "\x83\x5C");
}

TEST_F(RegStoreLoadSave, ASaveReplacesEveryValueOfTheSaveBefore)
{
    Save(NonDefaultJob(1), ArbitraryConditions(1));
    Save(NonDefaultJob(2), ArbitraryConditions(2));
    Load();
    JobSettings expected = NonDefaultJob(2);
    expected.SourceFile = "";  // directory mode restores the directory only
    EXPECT_EQ(Fields(m_job), Fields(expected));
    EXPECT_EQ(Fields(m_list), Fields(ArbitraryConditions(2)));
}
