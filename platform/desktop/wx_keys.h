#pragma once
// Translating the toolkit's key codes into the Windows virtual-key codes of
// platform/keys.h.

class wxKeyEvent;

namespace platform {

// The virtual-key code of a key-down event, or 0 when the key is better
// told by the character it types (see VirtualKeyOfCharacter): digits and
// punctuation, whose characters depend on the keyboard layout.
int VirtualKeyOfKeyDown(const wxKeyEvent& event);

// The virtual-key code for a typed character: the four number-pad
// operators also come from the main keyboard, for keyboards without a
// number pad; every other character is VK_OTHER.
int VirtualKeyOfCharacter(const wxKeyEvent& event);

}  // namespace platform
