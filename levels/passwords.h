#pragma once
// The level-skip passwords of the worlds file: one fixed five-digit number
// per level 1..100, built into the program.

#include <array>
#include <cstdint>

namespace lorvix {

inline constexpr int PASSWORD_TABLE_SIZE = 120;
using PasswordArray = std::array<int32_t, PASSWORD_TABLE_SIZE>;

// Entries 1..100 get the passwords, all others 0.
void FillPasswordTable(PasswordArray& table);

// Entry `level` of the table; 0 for a level outside it, so that a level
// number from a damaged file never reads beyond the table.
int32_t PasswordOf(const PasswordArray& table, int64_t level);

}  // namespace lorvix
