#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace razzlewick {

// Dialog layouts, menus and strings as plain data, measured in dialog units. The ui/
// builder turns a DialogTemplate into widgets; nothing here knows the toolkit.

enum class ControlKind {
    StaticText,
    StaticBitmap,
    StaticIcon,
    GroupBox,
    Edit,
    PushButton,  // with text: a DrawnButton; without text: an ArrowButton
    CheckBox,
    ComboDropDownList,
    UpDown,
    TabStrip,
    ListView,  // rows of columns, several selectable; the dialog gives it its model
};

// Style flags of a control, one bit each, as the layout tables name them: enumerators that
// convert to the template's 32-bit style word.
namespace ControlStyle {
enum : std::uint32_t {
    None = 0,
    TabStop = 1u << 0,
    Center = 1u << 1,          // text or image centred horizontally
    CenterVertical = 1u << 2,  // text or image centred vertically
    Multiline = 1u << 3,
    ReadOnly = 1u << 4,
    Border = 1u << 5,
    VScroll = 1u << 6,
    WordWrap = 1u << 7,
    Digits = 1u << 8,  // edit accepts digits only
    DefaultButton = 1u << 9,
    TextLeft = 1u << 10,     // check box text left of the box
    DialogFrame = 1u << 11,  // raised dialog-frame border
    SunkenEdge = 1u << 12,
    Buddy = 1u << 13,       // up-down bound to the preceding control
    AlignRight = 1u << 14,  // up-down sits at the buddy's right edge
};
}  // namespace ControlStyle

// Window style flags of a dialog.
namespace DialogStyle {
enum : std::uint32_t {
    None = 0,
    Child = 1u << 0,
    Visible = 1u << 1,
    SystemMenu = 1u << 2,
    MinimizeBox = 1u << 3,
    MaximizeBox = 1u << 4,
    ThickFrame = 1u << 5,  // the user may resize it
    AppWindow = 1u << 6,   // own task-bar entry
    SetForeground = 1u << 7,
};
}  // namespace DialogStyle

struct ControlTemplate final {
    int id = -1;
    ControlKind kind = ControlKind::StaticText;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t style = ControlStyle::None;
    std::string name;                // the widget's objectName: what the control is for
    int imageId = 0;                 // picture resource of a static bitmap or icon, 0 for none
    std::vector<std::string> items;  // initial entries of a list
};

struct DialogTemplate final {
    int id = 0;
    std::string caption;
    int width = 0;  // dialog units
    int height = 0;
    int fontPointSize = 0;
    std::uint32_t style = DialogStyle::None;
    int menuId = 0;                         // 0 when the dialog has no menu bar
    std::vector<ControlTemplate> controls;  // template order = tab and stacking order
};

struct MenuItemTemplate final {
    std::string text;  // empty for a separator
    int commandId = 0;
    std::string shortcut;  // "Ctrl+K"; empty for none
    bool separator = false;
};

struct PopupMenuTemplate final {
    std::string text;
    std::vector<MenuItemTemplate> items;
};

struct MenuTemplate final {
    int id = 0;
    std::vector<PopupMenuTemplate> popups;
};

// The templates by resource number. An unknown number is a programming error:
// the lookups throw std::out_of_range naming it.
const DialogTemplate& FindDialogTemplate(int id);
const MenuTemplate& FindMenuTemplate(int id);
// The string table; an unknown number gives an empty string, as a failed load would.
std::string LoadResourceString(int id);

// Every dialog template, for tools that walk them all (the screenshot program).
const std::vector<DialogTemplate>& AllDialogTemplates();

}  // namespace razzlewick
