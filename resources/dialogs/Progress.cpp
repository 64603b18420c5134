// Template 1097: the progress of an extraction run. It has no close box.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind              text                            x    y   cx   cy  style
    {2,     Kind::PushButton,  "中止",                        102,  70,  50,  15},
    {1098,  Kind::Label,       "元ファイル名：",               35,   5,  42,  10},
    {1099,  Kind::Label,       "",                             80,   5, 110,  10, PathEllipsis},
    {kNoId, Kind::Label,       "行数：",                      195,   5,  20,  12},
    {1108,  Kind::Edit,        "",                            220,   5,  30,  12, ReadOnly | Digits},
    {1100,  Kind::Label,       "ファイルをチェックしています。", 35,  40, 125,  10},
    {kNoId, Kind::Label,       "ファイル数：",                160,  40,  34,  12},
    {1008,  Kind::Edit,        "",                            195,  40,  20,  12, ReadOnly | Digits | RightAlign},
    {kNoId, Kind::Label,       "／",                          220,  40,   8,  12},
    {1015,  Kind::Edit,        "",                            229,  40,  21,  12, ReadOnly | Digits},
    {1033,  Kind::Label,       "抽出件数",                    100,  55,  30,  10},
    {1055,  Kind::Edit,        "",                            135,  55,  30,  12, ReadOnly | Digits},
    {1102,  Kind::Label,       "ｲﾒｰｼﾞ",                         5,  20,  25,  28},
    {1123,  Kind::ProgressBar, "",                             35,  20, 210,  12, Border},
};

}  // namespace

const DialogTemplate kProgress = {
    res::kProgressDialog, "ファイルチェック中", 255, 89, "ＭＳ Ｐゴシック", 9, Caption, 0, kControls,
};

}  // namespace res::dialogs
