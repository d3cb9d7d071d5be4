#include "levels/passwords.h"

#include <cstddef>

namespace lorvix {
namespace {

// Password of level 1 first, ten levels (one world) per line.
constexpr std::array<int32_t, 100> kPasswords = {
    46367, 31508, 88377, 31364, 37485, 91029, 88014, 20535, 18124, 35893,
    97778, 68061, 59917, 59472, 10307, 61069, 46180, 84210, 54261, 16821,
    60950, 32846, 64302, 52897, 11337, 66076, 13624, 21011, 47111, 89824,
    50008, 40492, 37087, 36123, 40636, 94250, 65503, 37446, 22791, 18091,
    27076, 47519, 75657, 65772, 90151, 62826, 37649, 87567, 78485, 58914,
    11895, 12727, 92538, 74389, 57149, 84123, 61223, 47064, 14131, 29419,
    63518, 39245, 97016, 15468, 34036, 54982, 71892, 28821, 22597, 83064,
    33838, 62257, 63595, 20210, 77115, 28520, 53145, 90042, 18326, 59095,
    99573, 71250, 99103, 39641, 49255, 11793, 14760, 41488, 65710, 17568,
    71947, 84038, 91102, 42496, 29778, 81387, 95000, 89363, 13867, 92251,
};

}  // namespace

void FillPasswordTable(PasswordArray& table) {
  table.fill(0);
  for (std::size_t i = 0; i < kPasswords.size(); ++i) table[i + 1] = kPasswords[i];
}

int32_t PasswordOf(const PasswordArray& table, int64_t level) {
  return (level >= 0 && level < PASSWORD_TABLE_SIZE) ? table[static_cast<std::size_t>(level)] : 0;
}

}  // namespace lorvix
