// The engine's messages: their code page 932 bytes against their Japanese
// spelling, and how their places are filled in.

#include "engine/Messages.h"

#include <gtest/gtest.h>

#include "Sjis.h"

namespace {

struct Spelling {
    const char* bytes;
    const char* utf8;
};

void PrintTo(const Spelling& s, std::ostream* out) { *out << s.utf8; }

class MessageBytes : public ::testing::TestWithParam<Spelling> {};

TEST_P(MessageBytes, AreTheCodePage932FormOfTheirSpelling)
{
    EXPECT_EQ(std::string(GetParam().bytes), Sjis(GetParam().utf8));
}

INSTANTIATE_TEST_SUITE_P(
    All, MessageBytes,
    ::testing::Values(
        Spelling{msg::NoSearchDirText, "ディレクトリを入力して下さい。"},
        Spelling{msg::NoSearchFileText, "検索ファイル名を入力して下さい。"},
        Spelling{msg::NoSourceFileText, "元データファイルを入力して下さい。"},
        Spelling{msg::NoResultFileText, "抽出結果ファイルを入力して下さい。"},
        Spelling{msg::OutputFieldText, "抽出位置は、１以上ファイルの項目数以下で入力して下さい。"},
        Spelling{msg::TextModeFieldsText, "テキストモードでは項目指定は出来ません。"},
        Spelling{msg::NoSearchFieldsText, "項目番号を入力して下さい。"},
        Spelling{msg::NoConditionsText, "検索文字列をリストＢＯＸに追加して下さい。"},
        Spelling{msg::ResultOpenFormat, "%s ファイルがオープン出来ません。"},
        Spelling{msg::SearchingFilesText, "ファイルを検索しています。"},
        Spelling{msg::SummaryFormat, "%d ファイルのロデストレルが終了しました。\n %d 件のデータを%sに出力しました。\n %d "
                                     "件のデータをスキップしました。\n%s->%s"},
        Spelling{msg::ResultWriteFormat, "%s ファイルに書き込めませんでした。(%s)"},
        Spelling{msg::SourceOpenFormat, "ファイル(%s)オープンエラー"},
        Spelling{msg::SourceReadFormat, "ファイル(%s)読込エラー(%s)"},
        Spelling{msg::DirectoryLimitFormat, "検索ディレクトリ数が、%d を超えました。これ以上の検索を中止します。"},
        Spelling{msg::MissingSourceFormat, "%sは存在しません。再確認して下さい。"},
        Spelling{msg::SurveyOpenFormat, "%s OPENエラー"},
        Spelling{msg::MemoryQuestionText, "全件メモリに読み込めない可能性があります。続行しますか？"},
        Spelling{msg::CountOpenFormat, "%s ファイルOPENエラー"},
        Spelling{msg::UnevenFieldsFormat, "項目数が不揃いです。最小(%d列)、最大(%d列)です。"},
        Spelling{msg::LaunchFailedFormat, "%sは起動できませんでした。(%d)"}));

TEST(FillIn, ReplacesEachPlaceInOrderAndLeavesOtherPercentSignsAlone)
{
    EXPECT_EQ(msg::FillIn("%d of %s (%x) 100%", {"1", "two"}), "1 of two (%x) 100%");
    EXPECT_EQ(msg::FillIn("%s%s", {"%d", "b"}), "%db");
    EXPECT_EQ(msg::FillIn("%s and %s", {"only"}), "only and %s");
}

TEST(FillIn, KeepsDoubleByteArgumentsWhole)
{
    const std::string path = Sjis("C:/表/ソ.txt");  // second bytes 0x5C and 0x5C
    EXPECT_EQ(msg::SourceOpen(path), Sjis("ファイル(C:/表/ソ.txt)オープンエラー"));
}

TEST(Messages, FilledInFormsReadAsTheyShould)
{
    EXPECT_EQ(msg::Summary(3, 120, "out.txt", 4, "01:02:03", "11:12:13"),
              Sjis("3 ファイルのロデストレルが終了しました。\n 120 件のデータをout.txtに出力しました。\n 4 "
                   "件のデータをスキップしました。\n01:02:03->11:12:13"));
    EXPECT_EQ(msg::UnevenFields(3, 5), Sjis("項目数が不揃いです。最小(3列)、最大(5列)です。"));
    EXPECT_EQ(msg::LaunchFailed("v \"a\"", 2), Sjis("v \"a\"は起動できませんでした。(2)"));
    EXPECT_EQ(msg::ResultOpen("r.txt"), Sjis("r.txt ファイルがオープン出来ません。"));
    EXPECT_EQ(msg::ResultWrite("r.txt", "Disk full"), Sjis("r.txt ファイルに書き込めませんでした。(Disk full)"));
    EXPECT_EQ(msg::MissingSource("s"), Sjis("sは存在しません。再確認して下さい。"));
    EXPECT_EQ(msg::SurveyOpen("s"), Sjis("s OPENエラー"));
    EXPECT_EQ(msg::CountOpen("s"), Sjis("s ファイルOPENエラー"));
    EXPECT_EQ(msg::SourceRead("s", "EIO"), Sjis("ファイル(s)読込エラー(EIO)"));
}

}  // namespace
