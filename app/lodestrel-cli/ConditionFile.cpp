// Condition files: lines to conditions.

#include "app/lodestrel-cli/ConditionFile.h"


#include "engine/FieldSplit.h"
#include "platform/files/RecordReader.h"
#include "platform/text/LeadingInteger.h"
#include "platform/text/Convert.h"

namespace {

constexpr char FieldSeparator = ',';

std::string UnsupportedFieldCount(std::string_view path, int lineNumber, int fieldCount)
{
    return cp932::ToUtf8Lossy(path) + "(" + std::to_string(lineNumber) + "): ファイル項目数(" +
           std::to_string(fieldCount) +
           ")は、サポート対象外です。\n例：検索条件無効フラグ,検索文字列,除外文字列使用フラグ,除外文字列";
}

}  // namespace

std::optional<CSearchInf> ConditionFromLine(std::string_view line, int& fieldCount)
{
    fieldCount = CountFields(line, FieldSeparator);
    std::vector<std::string> fields;
    CSearchInf condition;
    switch (fieldCount) {
    case 1:
        SplitFields(line, fields, 1, FieldSeparator);
        condition.SearchString = fields[0];
        return condition;
    case 3:
        SplitFields(line, fields, 3, FieldSeparator);
        condition.SearchString = fields[0];
        condition.SkipUse = LeadingInteger(fields[1]);
        condition.SkipStr = fields[2];
        return condition;
    case 4:
        SplitFields(line, fields, 4, FieldSeparator);
        condition.SearchNotUse = LeadingInteger(fields[0]);
        condition.SearchString = fields[1];
        condition.SkipUse = LeadingInteger(fields[2]);
        condition.SkipStr = fields[3];
        return condition;
    default:
        return std::nullopt;
    }
}

ConditionFileContents ReadConditionFile(std::string_view path)
{
    ConditionFileContents contents;
    platform::RecordReader reader;
    if (platform::FileResult error = reader.Open(path)) {
        contents.error = cp932::ToUtf8Lossy(platform::Describe(*error));
        return contents;
    }
    std::string_view line;
    int lineNumber = 0;
    while (reader.Next(line)) {
        ++lineNumber;
        if (line.empty())
            continue;
        int fieldCount = 0;
        std::optional<CSearchInf> condition = ConditionFromLine(line, fieldCount);
        if (!condition) {
            contents.error = UnsupportedFieldCount(path, lineNumber, fieldCount);
            return contents;
        }
        contents.conditions.push_back(std::move(*condition));
    }
    if (reader.Failed())
        contents.error = cp932::ToUtf8Lossy(platform::Describe(*reader.Error()));
    return contents;
}
