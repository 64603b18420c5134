#pragma once
// The main window's own texts (dialog titles, filters, questions, messages) as
// code page 932, each converted once from its UTF-8 spelling.

#include <string>
#include <string_view>

namespace main_text {

const std::string& SourceFileTitle();    // 元ファイル選択
const std::string& SourceFileFilter();
const std::string& ResultFileTitle();    // 抽出結果ファイル選択
const std::string& ResultFileFilter();
const std::string& FolderTitle();        // ディレクトリ選択
const std::string& ReloadQuestion();     // 再読込しますか？

// "%s 【現在のﾌｫﾙﾀﾞ=%s】" with the folder title and folder.
std::string FolderTitleWith(std::string_view folder);
// "表示ファイル<%s>が起動出来ませんでした。(%d)"
std::string ViewFailed(std::string_view file, int code);

}  // namespace main_text
