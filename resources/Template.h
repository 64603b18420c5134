#pragma once
// The shape of the program's window resources: dialog templates, menus, the
// string table and small pictures. The resources themselves are plain constant
// tables, one file each, that the window layer turns into windows.
//
// Texts are UTF-8 (they are written in the source); positions and sizes are in
// dialog units, converted to pixels with the dialog font's base units.

#include <cstdint>
#include <span>
#include <string_view>

namespace res {

// Control identifier of a control that has none (labels, frames).
inline constexpr int kNoId = -1;

enum class Kind {
    PushButton,
    DefPushButton,  // the button the Enter key stands for
    CheckBox,
    Radio,
    Edit,
    Label,
    GroupBox,
    Rule,         // horizontal etched line
    Icon,         // shows the application icon
    ListView,     // report view with columns, rows chosen by the owner
    ListBox,
    ProgressBar,
    Custom,       // a place held for a control the dialog supplies itself
};

// Control styles; any combination.
enum Style : std::uint32_t {
    None = 0,
    Group = 1u << 0,         // starts a group (radio groups run to the next one)
    ReadOnly = 1u << 1,
    Digits = 1u << 2,        // only digits can be typed
    RightAlign = 1u << 3,
    MultiLine = 1u << 4,
    HScroll = 1u << 5,       // edit scrolls horizontally / list has a horizontal bar
    VScroll = 1u << 6,
    MultiSelect = 1u << 7,   // extended selection: click, Shift and Ctrl
    PathEllipsis = 1u << 8,  // a long path is shortened in the middle
    Sunken = 1u << 9,
    AcceptFiles = 1u << 10,  // takes files dropped from the desktop
    Border = 1u << 11,
    TabStop = 1u << 12,      // for custom controls; the others follow their kind
};

constexpr Style operator|(Style a, Style b)
{
    return static_cast<Style>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

struct Control {
    int id;            // kNoId for none
    Kind kind;
    const char* text;  // UTF-8; the caption of buttons and labels, the first text of an edit
    int x, y, cx, cy;  // dialog units
    Style style = None;
    int byteLimit = 0;  // most code page 932 bytes an edit takes; 0 for no limit
};

// Window styles of a dialog; any combination.
enum WindowStyle : std::uint32_t {
    Caption = 1u << 0,
    SysMenu = 1u << 1,   // the close box
    MinBox = 1u << 2,
    MaxBox = 1u << 3,
    Sizable = 1u << 4,
};

constexpr WindowStyle operator|(WindowStyle a, WindowStyle b)
{
    return static_cast<WindowStyle>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

struct DialogTemplate {
    int id;
    const char* caption;  // UTF-8
    int cx, cy;           // client size in dialog units
    const char* fontFace;
    int fontPoints;
    WindowStyle style;
    int menuId;  // 0 for no menu bar
    std::span<const Control> controls;  // in tab order
};

// A menu is a flat list in the order it is shown: a popup opens a level that
// the next End closes.
enum class MenuEntry { Popup, Item, Separator, End };

struct MenuLine {
    MenuEntry entry;
    int id = 0;              // command of an item
    const char* text = "";   // UTF-8; "\t" puts the rest in the shortcut column
};

struct Menu {
    int id;
    std::span<const MenuLine> lines;
};

struct StringEntry {
    int id;
    const char* text;  // UTF-8
};

// A small picture written as characters, one string per row; the palette
// gives each character its colour (0xAARRGGBB). Characters not in the
// palette are transparent.
struct PaletteEntry {
    char key;
    std::uint32_t argb;
};

struct PixelArt {
    int width, height;
    std::span<const PaletteEntry> palette;
    std::span<const char* const> rows;
};

// A looping animation: one background picture with a moving sprite on it.
struct SpritePosition {
    int x, y;
};

struct Animation {
    int id;
    int width, height;
    int frameMs;
    const PixelArt& background;
    const PixelArt& sprite;
    std::span<const SpritePosition> frames;  // where the sprite stands in each frame
};

}  // namespace res
