// libFuzzer entry for one level file format; see level_files_fuzz.h.

#include "levels/fuzz/level_files_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lorvix::fuzz::UserLevelInput(data, size);
  return 0;
}
