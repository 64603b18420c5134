#include "SettingsSamples.h"

#include <climits>
#include <memory>
#include <random>
#include <set>

JobSettings NonDefaultJob(int tag)
{
    const std::string t = std::to_string(tag);
    JobSettings job;
    job.DirMode = 1;
    job.SourceFile = "/data/\x83\x5C\x81\x5C/source" + t + ".csv";  // "ソ―": 0x5C trail bytes
    job.SearchDir = "/data/dir" + t;
    job.SearchFile = "*.csv" + t;
    job.SubDir = 1;
    job.ResultFile = "/data/result" + t + ".txt";
    job.FileKind = 4;
    job.EtcDelim = ";";
    job.SearchKind = 1;
    job.SearchCol = "1,3," + t;
    job.PickMode = 2;
    job.KeyCol = 1000 + tag;
    job.Coment = 3;
    job.ComentChar = "!";
    job.DelQuot = 0;
    job.UppChk = 0;
    job.ScrOFF = 1;
    job.OnMemory = 0;
    job.FileSaveRest = 1;
    job.ListSeq = 1;
    job.AplName = "/usr/bin/viewer" + t;
    job.AplExec = 1;
    job.FindBreak = 1;
    job.AllSkipNoUse = 1;
    return job;
}

CSearchInf MakeCondition(std::string searchString, int searchNotUse, int wildMode, int skipUse, std::string skipStr)
{
    CSearchInf condition;
    condition.SearchNotUse = searchNotUse;
    condition.WildMode = wildMode;
    condition.SearchString = std::move(searchString);
    condition.SkipUse = skipUse;
    condition.SkipStr = std::move(skipStr);
    return condition;
}

SearchList MakeList(const std::vector<CSearchInf>& conditions)
{
    SearchList list;
    for (const CSearchInf& condition : conditions)
        list.Append(std::make_unique<CSearchInf>(condition));
    return list;
}

SearchList ArbitraryConditions(unsigned seed, int count)
{
    std::mt19937 random(seed);
    auto bytes = [&](int minLength, int maxLength) {
        std::string text(std::uniform_int_distribution<int>(minLength, maxLength)(random), '\0');
        for (char& byte : text)
            byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        return text;
    };
    const int flags[] = {0, 1, -1, 2, INT_MAX, INT_MIN};
    auto flag = [&] { return flags[std::uniform_int_distribution<int>(0, 5)(random)]; };

    // A few awkward strings first, the rest at random.
    std::vector<std::string> strings = {std::string("a\0b", 3), "\x83\x5C", "\xFF", "\\", std::string(1, '\0')};
    std::set<std::string> seen(strings.begin(), strings.end());
    while (static_cast<int>(strings.size()) < count) {
        std::string text = bytes(1, 40);
        if (seen.insert(text).second)
            strings.push_back(text);
    }
    SearchList list;
    for (int n = 0; n < count; ++n)
        list.Append(std::make_unique<CSearchInf>(MakeCondition(strings[n], flag(), flag(), flag(), bytes(0, 20))));
    return list;
}

JobFields Fields(const JobSettings& job)
{
    return {job.DirMode,   job.SourceFile, job.SearchDir,  job.SearchFile, job.SubDir,   job.ResultFile,
            job.FileKind,  job.EtcDelim,   job.SearchKind, job.SearchCol,  job.PickMode, job.KeyCol,
            job.Coment,    job.ComentChar, job.DelQuot,    job.UppChk,     job.ScrOFF,   job.OnMemory,
            job.FileSaveRest, job.ListSeq, job.AplName,    job.AplExec,    job.FindBreak, job.AllSkipNoUse};
}

std::vector<ConditionFields> Fields(const SearchList& list)
{
    std::vector<ConditionFields> fields;
    for (int n = 0; n < list.Count(); ++n) {
        const CSearchInf& c = list.At(n);
        fields.emplace_back(c.SearchNotUse, c.WildMode, c.SearchString, c.SkipUse, c.SkipStr);
    }
    return fields;
}
