// Template 102: the main window.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind               text                                   x    y   cx   cy  style
    {1042,  Kind::Radio,       "ファイル指定",                          5,  10,  50,  12, Group},
    {1049,  Kind::Radio,       "ディレクトリ指定",                      5,  40,  60,  12},
    {1008,  Kind::Edit,        "",                                     65,  10, 145,  12, AcceptFiles},
    {1012,  Kind::PushButton,  "参照",                                215,  10,  25,  12},
    {1019,  Kind::PushButton,  "照会",                                215,  25,  25,  12},
    {kNoId, Kind::Label,       "ﾚｺｰﾄﾞ数",                              65,  25,  25,  12},
    {1018,  Kind::Edit,        "",                                     90,  25,  31,  12, ReadOnly | Digits | RightAlign},
    {kNoId, Kind::Label,       "最大項目数",                           130,  25,  35,  12},
    {1023,  Kind::Edit,        "",                                    165,  25,  15,  12, ReadOnly | Digits | RightAlign},
    {1025,  Kind::PushButton,  "再読込",                              185,  25,  25,  12},
    {1010,  Kind::Edit,        "",                                     65,  40, 145,  12, AcceptFiles},
    {1014,  Kind::PushButton,  "参照",                                215,  40,  25,  12},
    {kNoId, Kind::Label,       "検索ﾌｧｲﾙ名",                           65,  56,  40,  12},
    {1011,  Kind::Edit,        "",                                    105,  56,  45,  12},
    {1122,  Kind::CheckBox,    "ｻﾌﾞﾃﾞｨﾚｸﾄﾘも検索",                    155,  56,  69,  12},
    {kNoId, Kind::GroupBox,    "",                                      2,   0, 243,  70},
    {1024,  Kind::PushButton,  "結果ファイル",                          5,  75,  55,  12},
    {1021,  Kind::Edit,        "",                                     65,  75, 145,  12, AcceptFiles},
    {1022,  Kind::PushButton,  "参照",                                215,  75,  25,  12},
    {kNoId, Kind::Label,       "検索文字列群",                          5,  95,  45,  12},
    {1064,  Kind::PushButton,  "読込/保存",                            65,  95,  45,  12, MultiLine},
    {1027,  Kind::PushButton,  "追　加",                              120,  95,  45,  12},
    {1031,  Kind::PushButton,  "削　除",                              175,  95,  45,  12},
    {1067,  Kind::ListView,    "",                                      5, 110, 240,  75, MultiSelect | Border},
    {1125,  Kind::CheckBox,    "全ての「除外文字列」を使用しない",       80, 185, 120,  14},
    {kNoId, Kind::Label,       "ファイル種別",                          5, 199,  40,  32},
    {1040,  Kind::Radio,       "自動判別",                             50, 205,  40,  12, Group},
    {1043,  Kind::Radio,       "CSV形式",                             105, 205,  40,  12},
    {1046,  Kind::Radio,       "TAB形式",                             175, 205,  40,  12},
    {1052,  Kind::Radio,       "テキストファイル（区切文字なし）",       50, 220, 105,  12},
    {1041,  Kind::Radio,       "その他区切",                          175, 219,  45,  12},
    {1032,  Kind::Edit,        "",                                    220, 219,  10,  12, None, 1},
    {kNoId, Kind::GroupBox,    "",                                     45, 195, 200,  39},
    {kNoId, Kind::Label,       "検索モード",                            5, 239,  35,  12},
    {1044,  Kind::Radio,       "行単位検索",                           50, 240,  45,  12, Group},
    {1045,  Kind::Radio,       "項目単位",                            140, 239,  40,  12},
    {1005,  Kind::Edit,        "",                                    185, 239,  35,  12},
    {1034,  Kind::PushButton,  "番目",                                224, 239,  16,  12},
    {kNoId, Kind::Label,       "出力モード",                            5, 260,  35,  25},
    {1060,  Kind::Radio,       "行単位",                               50, 260,  40,  12, Group},
    {1063,  Kind::Radio,       "ﾀｸﾞｼﾞｬﾝﾌﾟ形式",                       105, 261,  53,  10},
    {1061,  Kind::Radio,       "項目単位",                            160, 261,  40,  12},
    {1002,  Kind::Edit,        "",                                    205, 261,  15,  12, Digits | RightAlign},
    {1035,  Kind::PushButton,  "番目",                                225, 260,  16,  12},
    {1124,  Kind::CheckBox,    "最初の１件を出力した後の検索は行わない",  80, 275, 145,  12},
    {kNoId, Kind::GroupBox,    "",                                     45, 250, 200,  40},
    {kNoId, Kind::Rule,        "",                                      0, 295, 248,   1},
    {1,     Kind::PushButton,  "抽出",                                  5, 303,  50,  14},
    {1121,  Kind::CheckBox,    "連携アプリを起動する",                  95, 307,  79,  10},
    {2,     Kind::PushButton,  "閉じる",                              195, 303,  50,  14},
    {kNoId, Kind::GroupBox,    "",                                     45, 229, 200,  26},
};

}  // namespace

const DialogTemplate kMain = {
    kMainDialog, "ロデストレル", 249, 321, "ＭＳ Ｐゴシック", 9, Caption | SysMenu, kMainMenu, kControls,
};

}  // namespace res::dialogs
