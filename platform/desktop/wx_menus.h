#pragma once
// Menu bars from the platform's menu descriptions.

#include <map>
#include <set>
#include <vector>

#include "platform/frame.h"

class wxMenuBar;

namespace platform {

// The toolkit takes item ids below 32767 only, while our commands use
// numbers up to 51706: each item gets a toolkit id of its own, and the bar
// translates between the two.
struct BuiltMenuBar {
  wxMenuBar* bar = nullptr;       // owned by the frame it is given to
  std::map<int, int> commandOf;   // toolkit id -> command id
  std::map<int, int> toolkitIdOf; // command id -> toolkit id
  std::set<int> checkIds;         // toolkit ids of the items with a check mark
};

// Builds the bar. Key texts after a tab are shown beside the items but
// bind no key.
BuiltMenuBar BuildMenuBar(const std::vector<Menu>& menus);
// Puts the last menu at the right end of the bar, where help menus go.
void MoveLastMenuToTheRight(wxMenuBar* bar);

// Replaces the text of the item with toolkit id `toolkitId` by a picture
// (the item keeps its id, help text, check mark and enabled state).
void ShowMenuPicture(wxMenuBar* bar, int toolkitId, const PixelView& picture);

}  // namespace platform
