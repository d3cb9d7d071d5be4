#pragma once
// Keys reach the programs as Windows virtual-key codes, whatever the
// machine: the codes are what the rules and the editor are written
// against. Letters and digits are their upper-case ASCII codes; a key
// without a code of its own here arrives as VK_OTHER.

namespace platform {

inline constexpr int VK_OTHER = 0xFF;
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_MULTIPLY = 0x6A;  // numeric-pad *
inline constexpr int VK_ADD = 0x6B;       // numeric-pad +
inline constexpr int VK_SUBTRACT = 0x6D;  // numeric-pad -
inline constexpr int VK_DIVIDE = 0x6F;    // numeric-pad /
inline constexpr int VK_F1 = 0x70;        // F2..F12 follow in order
inline constexpr int VK_F5 = 0x74;
inline constexpr int VK_F11 = 0x7A;
inline constexpr int VK_F12 = 0x7B;

}  // namespace platform
