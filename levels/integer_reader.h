#pragma once
// The number reader shared by every level, world and solution reader.

#include <cstdint>
#include <istream>

namespace lorvix {

// Skips white space and reads one signed decimal integer ("-12", "+7", "30").
// Anything else ends the input for good: the stream's failbit is set and
// `value` keeps its old value. A number outside the signed 32-bit range
// counts as a non-number, so a reader never stores a clipped value and stops
// before the rest of the file could be misread. Stops reading at the first
// character that is not a digit, so junk never makes it loop or allocate.
bool ReadInteger(std::istream& in, int32_t& value);

}  // namespace lorvix
