// Template 132: the condition editor. Its caption is set when it opens.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind                 text                                                  x    y   cx   cy  style
    {kNoId, Kind::Label,         "検索文字列を入力して下さい。",                         5,   5,  95,  10},
    {1126,  Kind::CheckBox,      "検索条件を無効にする",                               120,   0,  76,  15},
    {1016,  Kind::Edit,          "",                                                    5,  15, 185,  12, HScroll},
    {1127,  Kind::CheckBox,      "ワイルドカード（*?）を使用する",                      10,  30, 125,  10},
    {kNoId, Kind::Label,         "※ﾜｲﾙﾄﾞｶｰﾄﾞ文字（*?）が含まれる場合は、「一致モード」。\n"
                                 "※ﾜｲﾙﾄﾞｶｰﾄﾞ文字（*?）が含まれない場合は、「含むモード」。",
                                                                                       10,  45, 175,  20, Sunken},
    {kNoId, Kind::GroupBox,      "特殊キーワード（半角文字チェック用：前後を#で囲む）",   5,  71, 190,  30},
    {1091,  Kind::PushButton,    "数字",                                               10,  81,  20,  12},
    {1092,  Kind::PushButton,    "英字",                                               35,  81,  20,  12},
    {1093,  Kind::PushButton,    "区切",                                               60,  81,  20,  12},
    {1094,  Kind::PushButton,    "カナ",                                               85,  81,  20,  12},
    {1095,  Kind::PushButton,    "制御",                                              110,  81,  20,  12},
    {kNoId, Kind::GroupBox,      "特殊キーワード（全角文字チェック用：前後を@で囲む）",   5, 105, 190,  60},
    {1086,  Kind::PushButton,    "記号1",                                              10, 115,  20,  12},
    {1087,  Kind::PushButton,    "記号2",                                              35, 115,  20,  12},
    {1088,  Kind::PushButton,    "英数字",                                             60, 115,  20,  12},
    {1089,  Kind::PushButton,    "ひら",                                               85, 115,  20,  12},
    {1090,  Kind::PushButton,    "カナ",                                              110, 115,  20,  12},
    {1082,  Kind::PushButton,    "ｷﾞﾘｼｬ",                                             135, 115,  20,  12},
    {1083,  Kind::PushButton,    "ﾛｼｱ",                                               159, 115,  20,  12},
    {1084,  Kind::PushButton,    "第1漢",                                              10, 131,  20,  12},
    {1085,  Kind::PushButton,    "第2漢",                                              35, 131,  20,  12},
    {1076,  Kind::PushButton,    "特殊",                                               61, 131,  20,  12},
    {1078,  Kind::PushButton,    "外字",                                               85, 131,  20,  12},
    {1079,  Kind::PushButton,    "拡張",                                              110, 131,  20,  12},
    {1081,  Kind::PushButton,    "全角小文字",                                         10, 145,  45,  12},
    {1096,  Kind::PushButton,    "全角大文字",                                         60, 145,  45,  12},
    {1080,  Kind::PushButton,    "サンプル",                                          155, 151,  35,  12},
    {1125,  Kind::CheckBox,      "除外文字列を使う",                                   10, 171,  67,  12},
    {1026,  Kind::Edit,          "",                                                   80, 171, 110,  12, HScroll},
    {1,     Kind::DefPushButton, "OK",                                                  5, 191,  50,  14},
    {2,     Kind::PushButton,    "キャンセル",                                         145, 191,  50,  14},
};

}  // namespace

const DialogTemplate kConditionEditor = {
    res::kConditionEditor, "", 199, 207, "ＭＳ Ｐゴシック", 9, Caption | SysMenu, 0, kControls,
};

}  // namespace res::dialogs
