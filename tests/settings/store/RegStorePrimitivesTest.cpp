// The store's primitives: status codes, the last status, and the documented
// form of the values in the database.

#include <gtest/gtest.h>

#include <climits>
#include <fstream>

#include "RawStore.h"
#include "StoreFolder.h"
#include "settings/store/RegStore.h"

namespace fs = std::filesystem;

namespace {

class RegStorePrimitives : public StoreFolder {};

}  // namespace

TEST_F(RegStorePrimitives, KeyPathIsTheProgramKeyUnderTheCompanyKeyAndNoFailureIsRecordedYet)
{
    CRegStore store(StorePath());
    EXPECT_EQ(store.KeyPath(), "SOFTWARE\\Orvik\\Lodestrel");
    EXPECT_EQ(store.LastStatus(), 0);
}

TEST_F(RegStorePrimitives, ReadsAndPlainWritesWithoutAStoreFailToOpenTheKeyAndCreateNothing)
{
    CRegStore store(StorePath());
    std::string text = "kept";
    int number = 7;
    EXPECT_EQ(store.ReadString("SearchFile", text), CRegStore::StatusOpenKeyFailed);
    EXPECT_EQ(store.ReadDword("DirMode", number), CRegStore::StatusOpenKeyFailed);
    EXPECT_EQ(store.WriteString("SearchFile", "x"), CRegStore::StatusOpenKeyFailed);
    EXPECT_EQ(store.WriteDword("DirMode", 1), CRegStore::StatusOpenKeyFailed);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(number, 7);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusOpenKeyFailed);
    EXPECT_FALSE(fs::exists(m_folder / "Orvik"));
}

TEST_F(RegStorePrimitives, CreatingWriteCreatesTheFoldersTheFileAndTheKey)
{
    CRegStore store(StorePath());
    EXPECT_EQ(store.CreateWriteDword("DirMode", 1), 0);
    EXPECT_TRUE(fs::is_regular_file(StorePath()));

    int number = 0;
    EXPECT_EQ(store.ReadDword("DirMode", number), CRegStore::StatusOk);
    EXPECT_EQ(number, 1);
    EXPECT_EQ(store.WriteString("SearchFile", "*.csv"), CRegStore::StatusOk);
    std::string text;
    EXPECT_EQ(store.ReadString("SearchFile", text), CRegStore::StatusOk);
    EXPECT_EQ(text, "*.csv");
    EXPECT_EQ(store.LastStatus(), 0);
}

TEST_F(RegStorePrimitives, ReadingAValueTheKeyDoesNotHoldIsStatusSixAndKeepsTheTarget)
{
    CRegStore store(StorePath());
    ASSERT_EQ(store.CreateWriteString("SearchFile", "*.csv"), 0);
    std::string text = "kept";
    int number = 7;
    EXPECT_EQ(store.ReadString("AplName", text), CRegStore::StatusNoValue);
    EXPECT_EQ(store.ReadDword("AplExec", number), CRegStore::StatusNoValue);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(number, 7);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusNoValue);
}

TEST_F(RegStorePrimitives, CreatingWriteWhereNoKeyCanBeCreatedReturnsMinusOneWithStatusOne)
{
    std::ofstream(m_folder / "blocker") << "a file where a folder should be";
    CRegStore store(m_folder / "blocker" / "registry.db");
    EXPECT_EQ(store.CreateWriteString("SearchFile", "*.csv"), -1);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusCreateKeyFailed);
    EXPECT_EQ(store.CreateWriteDword("DirMode", 1), -1);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusCreateKeyFailed);
}

TEST_F(RegStorePrimitives, AWriteTheMediumRefusesIsStatusThreeAndTheCreatingWriteReturnsMinusOne)
{
    CRegStore store(StorePath());
    ASSERT_EQ(store.CreateWriteDword("DirMode", 0), 0);
    store.SetWriteHook([](std::string_view) { return CRegStore::WriteVerdict::Fail; });
    EXPECT_EQ(store.WriteDword("DirMode", 1), CRegStore::StatusWriteFailed);
    EXPECT_EQ(store.CreateWriteDword("DirMode", 1), -1);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusWriteFailed);

    int number = 7;
    EXPECT_EQ(store.ReadDword("DirMode", number), CRegStore::StatusOk);
    EXPECT_EQ(number, 0);
}

TEST_F(RegStorePrimitives, LastStatusKeepsTheLastFailureThroughLaterSuccesses)
{
    CRegStore store(StorePath());
    std::string text;
    ASSERT_EQ(store.ReadString("SearchFile", text), CRegStore::StatusOpenKeyFailed);
    ASSERT_EQ(store.CreateWriteString("SearchFile", "*.csv"), 0);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusOpenKeyFailed);
    ASSERT_EQ(store.ReadString("AplName", text), CRegStore::StatusNoValue);
    ASSERT_EQ(store.ReadString("SearchFile", text), CRegStore::StatusOk);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusNoValue);
}

TEST_F(RegStorePrimitives, ValuesAreKeptInTheDocumentedTableAndForm)
{
    CRegStore store(StorePath());
    ASSERT_EQ(store.CreateWriteDword("KeyCol", -2), 0);
    ASSERT_EQ(store.CreateWriteDword("FileKind", 0x01020304), 0);
    ASSERT_EQ(store.CreateWriteString("SearchCol", "1,\x83\x5C"), 0);
    ASSERT_EQ(store.CreateWriteString("EtcDelim", ""), 0);

    RawStore raw(StorePath());
    EXPECT_EQ(raw.TableSql(),
              "CREATE TABLE registry (key TEXT NOT NULL, name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, "
              "data BLOB NOT NULL, PRIMARY KEY (key, name))");
    EXPECT_EQ(raw.CountValues(), 4);

    const auto keyCol = raw.Get("KeyCol");
    ASSERT_TRUE(keyCol);
    EXPECT_EQ(keyCol->type, 4);
    EXPECT_EQ(keyCol->data, Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(raw.Get("FileKind")->data, Bytes({0x04, 0x03, 0x02, 0x01}));

    const auto searchCol = raw.Get("SearchCol");
    ASSERT_TRUE(searchCol);
    EXPECT_EQ(searchCol->type, 1);
    EXPECT_EQ(searchCol->data, "1,\x83\x5C");
    EXPECT_EQ(searchCol->storage, "blob");

    const auto etcDelim = raw.Get("EtcDelim");
    ASSERT_TRUE(etcDelim);
    EXPECT_EQ(etcDelim->type, 1);
    EXPECT_EQ(etcDelim->data, "");
    EXPECT_EQ(etcDelim->storage, "blob");
}

TEST_F(RegStorePrimitives, ValueNamesAreFoundWhateverTheirLetterCase)
{
    {
        RawStore raw(StorePath(), RawStore::Create::WithTable);
        raw.Put("dirmode", 4, Bytes({1, 0, 0, 0}));
    }
    CRegStore store(StorePath());
    int number = 0;
    EXPECT_EQ(store.ReadDword("DirMode", number), CRegStore::StatusOk);
    EXPECT_EQ(number, 1);

    // Writing under another spelling replaces the value instead of adding one.
    ASSERT_EQ(store.WriteDword("DIRMODE", 0), CRegStore::StatusOk);
    RawStore raw(StorePath());
    EXPECT_EQ(raw.CountValues(), 1);
    EXPECT_EQ(raw.Get("DirMode")->data, Bytes({0, 0, 0, 0}));
}

struct DwordCase {
    std::string stored;
    int expected;
};

class RegStoreDwords : public StoreFolder, public ::testing::WithParamInterface<DwordCase> {};

TEST_P(RegStoreDwords, IntegersAreReadFromFourLittleEndianBytesWhateverTheStoredType)
{
    for (const int type : {4, 1}) {
        {
            RawStore raw(StorePath(), RawStore::Create::WithTable);
            raw.Put("KeyCol", type, GetParam().stored);
        }
        CRegStore store(StorePath());
        int number = 12345;
        EXPECT_EQ(store.ReadDword("KeyCol", number), CRegStore::StatusOk) << "type " << type;
        EXPECT_EQ(number, GetParam().expected) << "type " << type;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, RegStoreDwords,
                         ::testing::Values(DwordCase{Bytes({1, 0, 0, 0}), 1},
                                           DwordCase{Bytes({0xFF, 0xFF, 0xFF, 0xFF}), -1},
                                           DwordCase{Bytes({0, 0, 0, 0x80}), INT_MIN},
                                           DwordCase{Bytes({0xFF, 0xFF, 0xFF, 0x7F}), INT_MAX},
                                           DwordCase{Bytes({0x78, 0x56, 0x34, 0x12}), 0x12345678}));

class RegStoreOddSizes : public StoreFolder, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(RegStoreOddSizes, AnIntegerStoredWithAnotherSizeIsNotReadAndKeepsTheField)
{
    {
        RawStore raw(StorePath(), RawStore::Create::WithTable);
        raw.Put("KeyCol", 4, std::string(GetParam(), '\x01'));
    }
    CRegStore store(StorePath());
    int number = 12345;
    EXPECT_EQ(store.ReadDword("KeyCol", number), CRegStore::StatusReadFailed);
    EXPECT_EQ(number, 12345);
    EXPECT_EQ(store.LastStatus(), CRegStore::StatusReadFailed);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RegStoreOddSizes, ::testing::Values(0, 1, 2, 3, 5, 8));

TEST_F(RegStorePrimitives, StringsAreReadByteForByteWhateverTheStoredType)
{
    {
        RawStore raw(StorePath(), RawStore::Create::WithTable);
        raw.Put("SearchCol", 4, Bytes({0x01, 0x00, 0x5C, 0xFF}));
        raw.Put("EtcDelim", 1, "");
    }
    CRegStore store(StorePath());
    std::string text = "kept";
    EXPECT_EQ(store.ReadString("SearchCol", text), CRegStore::StatusOk);
    EXPECT_EQ(text, Bytes({0x01, 0x00, 0x5C, 0xFF}));
    EXPECT_EQ(store.ReadString("EtcDelim", text), CRegStore::StatusOk);
    EXPECT_EQ(text, "");
}
