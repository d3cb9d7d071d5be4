#include "platform/desktop/wx_keys.h"

#include <wx/event.h>

#include "platform/keys.h"

namespace platform {

int VirtualKeyOfKeyDown(const wxKeyEvent& event) {
  const int code = event.GetKeyCode();
  switch (code) {
    case WXK_LEFT: case WXK_NUMPAD_LEFT: return VK_LEFT;
    case WXK_UP: case WXK_NUMPAD_UP: return VK_UP;
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: return VK_RIGHT;
    case WXK_DOWN: case WXK_NUMPAD_DOWN: return VK_DOWN;
    case WXK_NUMPAD_MULTIPLY: return VK_MULTIPLY;
    case WXK_NUMPAD_ADD: return VK_ADD;
    case WXK_NUMPAD_SUBTRACT: return VK_SUBTRACT;
    case WXK_NUMPAD_DIVIDE: return VK_DIVIDE;
    case WXK_SPACE: return VK_SPACE;
    case WXK_RETURN: case WXK_NUMPAD_ENTER: return VK_RETURN;
    case WXK_ESCAPE: return VK_ESCAPE;
    case WXK_BACK: return VK_BACK;
    case WXK_TAB: return VK_TAB;
    case WXK_SHIFT: case WXK_CONTROL: return VK_OTHER;
    default: break;
  }
  if (code >= WXK_F1 && code <= WXK_F24) return VK_F1 + (code - WXK_F1);
  if (code >= 'A' && code <= 'Z') return code;
  return 0;
}

int VirtualKeyOfCharacter(const wxKeyEvent& event) {
  switch (event.GetUnicodeKey()) {
    case '*': return VK_MULTIPLY;
    case '+': return VK_ADD;
    case '-': return VK_SUBTRACT;
    case '/': return VK_DIVIDE;
    default: return VK_OTHER;
  }
}

}  // namespace platform
