#pragma once
// Top-level windows of the programs: a frame with a menu bar, an optional
// one-field status bar, a client area that shows our own finished pixels,
// and native controls (labels, list boxes, text fields, buttons) laid over
// that client area. Modal dialogs are built from the same controls.
//
// The owner of a window describes it once (FrameSpec, DialogSpec) and is
// told what happens in it through WindowEvents; the platform never decides
// anything by itself beyond drawing and input. Coordinates are client
// pixels, except in dialogs, whose layout is given in dialog units (a
// quarter of the average character width, an eighth of the character
// height of the desktop's dialog font) so that it follows the font size.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

// Pixels 0x00RRGGBB, row 0 at the top.
struct PixelView {
  const uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
};

// One menu entry. Labels are UTF-8 with '&' before the mnemonic letter.
// Text after a tab is shown as the item's key at the right; it binds no
// key: the owner handles its keys itself, as key-down events.
struct MenuItem {
  enum class Kind { Command, Check, Separator, Submenu };
  Kind kind = Kind::Command;
  int id = 0;
  std::string label;
  std::string hint;               // status bar text while highlighted
  std::vector<MenuItem> items;    // the entries of a submenu
};

// A command item without hint, and a separator line.
inline MenuItem CommandItem(int id, std::string label) {
  return {MenuItem::Kind::Command, id, std::move(label), {}, {}};
}
inline MenuItem SeparatorItem() { return {MenuItem::Kind::Separator, 0, {}, {}, {}}; }

struct Menu {
  std::string title;
  std::vector<MenuItem> items;
};

// Enabled and checked state of a menu item, asked whenever a menu opens.
struct ItemState {
  bool enabled = true;
  bool checked = false;
};

// A native control. `text` is a label's text, a button's caption or a text
// field's initial text; `maxChars` limits what can be typed into a text
// field (0: no limit). A read-only text field shows text that the user can
// select and copy but not change; a multi-line one wraps its text over as
// many lines as its height holds, and scrolls.
struct Control {
  enum class Kind { Label, ListBox, TextField, Button };
  Kind kind = Kind::Label;
  int id = 0;
  Rect rect;
  std::string text;
  int maxChars = 0;
  bool readOnly = false;
  bool multiLine = false;
};

class Frame;

struct FrameSpec {
  std::string caption;
  int clientWidth = 0;             // the client area, menu and status bar excluded
  int clientHeight = 0;
  std::vector<Menu> menus;         // the last menu sits at the right end
  bool statusBar = false;
  bool closeBox = true;            // without it the frame has no system menu
  bool acceptsFiles = false;       // files dropped on it arrive as FilesDropped
  PixelView icon;                  // 32 x 32; none when empty
  std::vector<Control> controls;
  // The frame whose client is the game window (Platform::PresentGameWindow
  // and its neighbours act on it); one per program at most.
  bool showsGameWindow = false;
  // A small window that belongs to another frame stays above it and
  // first shows beside it. The owner may go first.
  Frame* owner = nullptr;
};

struct DialogSpec {
  std::string caption;
  int width = 0;                   // dialog units
  int height = 0;
  std::vector<Control> controls;   // rects in dialog units
};

// A control id that closes a dialog when its button is pressed.
inline constexpr int DIALOG_OK = 1;

enum class MouseButton { Left, Right };

// The controls of a frame or a dialog, by id.
class Controls {
 public:
  virtual ~Controls() = default;
  virtual void SetText(int id, const std::string& text) = 0;
  virtual std::string Text(int id) = 0;
  // A list box's rows; the selection is cleared.
  virtual void SetRows(int id, const std::vector<std::string>& rows) = 0;
  // The selected row of a list box, -1 when none.
  virtual int Selection(int id) = 0;
};

// What happens in a window, reported to its owner. Every event has a
// harmless default.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void Command(int /*id*/) {}
  virtual ItemState MenuItemState(int /*id*/) { return {}; }
  // Close box or system close. Returns whether the window may close; a
  // frame that refuses stays as it is.
  virtual bool CloseRequested() { return true; }
  // The client area must be drawn anew (after Invalidate, or when the
  // platform lost its picture); the owner presents at least `area`.
  virtual void Paint(const Rect& /*area*/) {}
  // Keys arrive as Windows virtual-key codes (see platform/keys.h).
  virtual void KeyDown(int /*virtualKey*/) {}
  virtual void MouseDown(MouseButton /*button*/, int /*x*/, int /*y*/) {}
  virtual void MouseUp(MouseButton /*button*/, int /*x*/, int /*y*/) {}
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  virtual void FilesDropped(const std::vector<std::string>& /*paths*/) {}
  // A button was pressed (row -1) or a list row double-clicked.
  virtual void ControlActivated(Controls& /*controls*/, int /*id*/, int /*row*/) {}
  // A dialog's controls exist; fill them.
  virtual void DialogSetup(Controls& /*controls*/) {}
};

// A frame created by Platform::CreateFrame. It starts hidden and lives
// until its owner destroys it.
class Frame : public Controls {
 public:
  virtual void Show(bool shown) = 0;
  virtual bool IsShown() = 0;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetStatusText(const std::string& text) = 0;
  // Asks for a Paint of the whole client area, soon and without erasing.
  virtual void Invalidate() = 0;
  // Shows the pixels of `source` inside `area` at the same place.
  virtual void Present(const PixelView& source, const Rect& area) = 0;
  // Shows a picture in place of a menu item's text; the item keeps its id,
  // hint, check mark and enabled state.
  virtual void SetMenuPicture(int id, const PixelView& picture) = 0;
};

}  // namespace platform
