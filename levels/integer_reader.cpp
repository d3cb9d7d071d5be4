#include "levels/integer_reader.h"

#include <limits>

namespace lorvix {
namespace {

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ReadInteger(std::istream& in, int32_t& value) {
  using Traits = std::istream::traits_type;
  if (!in.good()) return false;
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr) {
    in.setstate(std::ios::failbit);
    return false;
  }

  auto fail = [&in](std::ios::iostate state) {
    in.setstate(state);
    return false;
  };

  int c = buf->sgetc();
  while (c != Traits::eof() && IsBlank(c)) c = buf->snextc();
  if (c == Traits::eof()) return fail(std::ios::eofbit | std::ios::failbit);

  bool negative = false;
  if (c == '-' || c == '+') {
    negative = c == '-';
    c = buf->snextc();
  }
  if (c == Traits::eof() || !IsDigit(c)) return fail(std::ios::failbit);

  // The magnitude may reach 2^31 for the most negative value.
  const int64_t limit = negative ? int64_t{std::numeric_limits<int32_t>::max()} + 1
                                 : int64_t{std::numeric_limits<int32_t>::max()};
  int64_t magnitude = 0;
  while (c != Traits::eof() && IsDigit(c)) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return fail(std::ios::failbit);
    c = buf->snextc();
  }
  if (c == Traits::eof()) in.setstate(std::ios::eofbit);
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return true;
}

}  // namespace lorvix
