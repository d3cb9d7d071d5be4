#pragma once
// Text from files made on Windows arrives in Windows-1252; the rest of the
// program works in UTF-8.

#include <string>
#include <string_view>

namespace lorvix {

// Converts every byte by the Windows-1252 table. The five bytes that code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// characters of the same number, so no byte is lost.
std::string Cp1252ToUtf8(std::string_view bytes);

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// A text line of a level file as UTF-8: kept as it is when it already is
// valid UTF-8 (pure ASCII, or text written by our own builder), converted
// from Windows-1252 otherwise.
std::string TextLineToUtf8(std::string_view bytes);

// The first `maxChars` characters of a UTF-8 text.
std::string TruncateUtf8(const std::string& text, size_t maxChars);

// Removes a multi-byte sequence cut off at the end of `bytes`, as left by
// cutting a line after a fixed number of bytes.
void DropIncompleteUtf8Tail(std::string& bytes);

}  // namespace lorvix
