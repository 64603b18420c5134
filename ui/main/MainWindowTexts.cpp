#include "ui/main/MainWindowTexts.h"

#include "engine/Messages.h"
#include "platform/text/Convert.h"

namespace main_text {
namespace {

std::string Convert(const char* utf8)
{
    return cp932::FromUtf8(utf8).value_or(std::string());
}

}  // namespace

const std::string& SourceFileTitle()
{
    static const std::string text = Convert("元ファイル選択");
    return text;
}

const std::string& SourceFileFilter()
{
    static const std::string text
        = Convert("ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||");
    return text;
}

const std::string& ResultFileTitle()
{
    static const std::string text = Convert("抽出結果ファイル選択");
    return text;
}

const std::string& ResultFileFilter()
{
    static const std::string text
        = Convert("ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat;*.tag)|*.txt;*.csv;*.dat;*.tag|全てのﾌｧｲﾙ(*.*)|*.*||");
    return text;
}

const std::string& FolderTitle()
{
    static const std::string text = Convert("ディレクトリ選択");
    return text;
}

const std::string& ReloadQuestion()
{
    static const std::string text = Convert("再読込しますか？");
    return text;
}

std::string FolderTitleWith(std::string_view folder)
{
    static const std::string format = Convert("%s 【現在のﾌｫﾙﾀﾞ=%s】");
    return msg::FillIn(format, {FolderTitle(), folder});
}

std::string ViewFailed(std::string_view file, int code)
{
    static const std::string format = Convert("表示ファイル<%s>が起動出来ませんでした。(%d)");
    return msg::FillIn(format, {file, std::to_string(code)});
}

}  // namespace main_text
