// The program's resources as data: window templates, the string table, the
// icon and the version record. The window layer builds every window from
// these tables; nothing here depends on Qt.
//
// Texts are UTF-8 string literals: they only ever reach widgets.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kelvor::res {

// What kind of control a template entry creates.
enum class ControlKind {
    Edit,        // single-line edit box
    CheckBox,    // automatic two-state check box
    ComboBox,    // drop-down list (choice only, no typing)
    ListBox,     // list box
    PushButton,  // push button
    Label,       // static text
    GroupBox,    // group box frame with an optional caption
    Icon,        // static showing an icon resource (text holds the icon id)
    Frame,       // static frame (the picture panel)
};

// Style flags, named after the behaviour they give the control.
enum Style : std::uint32_t {
    kTabStop = 1u << 0,
    kBorder = 1u << 1,
    kVScroll = 1u << 2,
    kDisabled = 1u << 3,
    kHidden = 1u << 4,        // created invisible
    kAutoHScroll = 1u << 5,   // edit: scrolls horizontally as text is typed
    kAlignRight = 1u << 6,    // edit / label: right-aligned text
    kAlignCenter = 1u << 7,   // label: centred horizontally
    kCenterVertical = 1u << 8,// label: centred vertically
    kReadOnly = 1u << 9,      // edit: read-only
    kNoPrefix = 1u << 10,     // label: '&' shown as is, no mnemonic
    kDefault = 1u << 11,      // push button: the template's default button
    kNotify = 1u << 12,       // list box: notifies selection changes
    kNoIntegralHeight = 1u << 13,
    kBlackFrame = 1u << 14,   // frame: black border
    kSunken = 1u << 15,       // frame: sunken edge
};

struct ControlTemplate {
    int id;             // control identifier; -1 for labels and group boxes without one
    ControlKind kind;
    const char* text;   // caption, UTF-8 (empty for none)
    int x, y, cx, cy;   // dialog units
    std::uint32_t style;
};

struct DialogTemplate {
    int id;
    const char* title;       // UTF-8
    int cx, cy;              // client size in dialog units
    const char* fontFace;    // UTF-8, as the template names it
    int pointSize;
    int menuId;              // 0: no menu bar
    bool minimizeBox;
    bool taskbarButton;      // appears as an application window
    std::span<const ControlTemplate> controls;  // in template (tab) order
};

// An icon image: width x height pixels, 0xAARRGGBB, row by row from the top.
struct IconImage {
    int width, height;
    std::span<const std::uint32_t> pixels;
};

struct IconTemplate {
    int id;
    std::span<const IconImage> images;  // 32x32 and 16x16
};

struct VersionString {
    const char* key;    // "Comments", "FileDescription", ...
    const char* value;  // UTF-8
};

struct VersionRecord {
    std::uint16_t fileVersion[4];
    std::uint16_t productVersion[4];
    const char* stringTableKey;  // "041104b0"
    std::span<const VersionString> strings;
};

// Look-ups; nullptr / empty when the id is unknown.
const DialogTemplate* FindDialog(int id);
const IconTemplate* FindIcon(int id);
std::string_view FindString(int id);  // UTF-8; empty when unknown
const VersionRecord& Version();

// Resource identifiers.
inline constexpr int kIdAboutBox = 100;
inline constexpr int kIdAboutEntry = 101;   // string: system-menu entry
inline constexpr int kIdUnitForm = 102;
inline constexpr int kIdMainMenu = 128;  // the menu bar above the unit form
inline constexpr int kIdAppIcon = 128;
inline constexpr int kIdSearchBox = 131;

}  // namespace kelvor::res
