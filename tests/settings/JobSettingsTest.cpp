#include "settings/JobSettings.h"

#include <gtest/gtest.h>

#include "settings/SurveyValues.h"

TEST(JobSettings, ANewJobHasTheDocumentedDefaults)
{
    const JobSettings job;
    EXPECT_EQ(job.DirMode, 0);
    EXPECT_EQ(job.SourceFile, "");
    EXPECT_EQ(job.SearchDir, "");
    EXPECT_EQ(job.SearchFile, "*.txt");
    EXPECT_EQ(job.SubDir, 0);
    EXPECT_EQ(job.ResultFile, "");
    EXPECT_EQ(job.FileKind, 0);
    EXPECT_EQ(job.EtcDelim, "|");
    EXPECT_EQ(job.SearchKind, 0);
    EXPECT_EQ(job.SearchCol, "");
    EXPECT_EQ(job.PickMode, 0);
    EXPECT_EQ(job.KeyCol, 0);
    EXPECT_EQ(job.Coment, 0);
    EXPECT_EQ(job.ComentChar, "#");
    EXPECT_EQ(job.DelQuot, 1);
    EXPECT_EQ(job.UppChk, 1);
    EXPECT_EQ(job.ScrOFF, 0);
    EXPECT_EQ(job.OnMemory, 1);
    EXPECT_EQ(job.FileSaveRest, 0);
    EXPECT_EQ(job.ListSeq, 0);
    EXPECT_EQ(job.AplName, "");
    EXPECT_EQ(job.AplExec, 0);
    EXPECT_EQ(job.FindBreak, 0);
    EXPECT_EQ(job.AllSkipNoUse, 0);
}

TEST(JobSettings, EachCommentSettingHasItsCommentCharacter)
{
    const struct {
        int Coment;
        const char* expected;
    } cases[] = {{0, "#"}, {1, "#"}, {2, "@"}, {3, "!"}, {4, "*"}, {5, "#"}, {-1, "#"}};
    for (const auto& c : cases)
        EXPECT_EQ(ComentCharFor(c.Coment), c.expected) << "Coment " << c.Coment;
}

TEST(SurveyValues, NothingIsSurveyedBeforeTheFirstSurvey)
{
    const SurveyValues survey;
    EXPECT_EQ(survey.RecordCount, 0);
    EXPECT_EQ(survey.MaxFieldCount, 0);
    EXPECT_TRUE(survey.SourceLines.empty());
    EXPECT_TRUE(survey.SampleRecords.empty());
    EXPECT_EQ(survey.FieldDelimiter, '\n');
}
