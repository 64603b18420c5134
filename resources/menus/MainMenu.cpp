// Menu 128: the main window's menu bar. Items share their numbers with the
// buttons that run the same command.
#include "resources/Resources.h"
#include "resources/menus/Menus.h"

namespace res::menus {
namespace {

using enum MenuEntry;

constexpr MenuLine kLines[] = {
    {Popup, 0, "ファイル(&F)"},
        {Item, 1012, "元ファイルを開く...\t(&B)"},
        {Item, 1022, "結果ファイルを開く...\t(&D)"},
        {Separator},
        {Item, 1020, "再読込\t(&R)"},
        {Separator},
        {Item, 57665, "アプリケーションの終了(&X)"},
    {End},
    {Popup, 0, "オプション(&O)"},
        {Item, 32781, "オンメモリ解析をする"},
        {Item, 1007, "大文字小文字区別"},
        {Item, 142, "前後のﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝ無視"},
        {Item, 32779, "抽出中はｽｸﾘｰﾝｾｰﾊﾞｰOFF"},
        {Popup, 0, "コメント文字"},
            {Item, 1073, "コメントなし"},
            {Item, 1038, "「＃」"},
            {Item, 1039, "「＠」"},
            {Item, 1047, "「！」"},
            {Item, 1074, "「＊」"},
        {End},
        {Item, 32784, "ファイル名の保存＆復元"},
        {Item, 32785, "条件入力順に出力"},
        {Separator},
        {Item, 32782, "連携アプリケーション"},
    {End},
    {Popup, 0, "表示(&V)"},
        {Item, 1019, "元ファイル照会"},
        {Item, 1024, "結果ファイル照会"},
    {End},
    {Popup, 0, "ヘルプ(&H)"},
        {Item, 57670, "ヘルプ(&H)"},
        {Item, 57664, "バージョン情報(&A)..."},
    {End},
};

}  // namespace

const Menu kMain = {kMainMenu, kLines};

}  // namespace res::menus
