#pragma once
// The bodies of the level file fuzz targets. Each reads arbitrary bytes as
// one file format and aborts when a property that must hold for every input
// is broken. The libFuzzer entries (fuzz_*.cpp, built with LORVIX_FUZZ) and
// a normal test with a few thousand generated inputs both call them.

#include <cstddef>
#include <cstdint>

namespace lorvix::fuzz {

// Reading keeps what it reads: writing the record read and reading that
// again gives the same record.
void LevelRecordInput(const uint8_t* data, size_t size);
// The first byte chooses the wanted level (0..15); the rest is the file.
void WorldsFileInput(const uint8_t* data, size_t size);
// Header lines are valid UTF-8 of at most 149 characters and survive a
// write and a read; the first byte chooses the wanted level.
void ExtraWorldInput(const uint8_t* data, size_t size);
// A solution read back holds zeros after its end marker and survives a
// write and a read.
void SolutionInput(const uint8_t* data, size_t size);
// A user level file read from the disk is the record its bytes hold, and
// the editor's writer stores it so that it reads back the same.
void UserLevelInput(const uint8_t* data, size_t size);

}  // namespace lorvix::fuzz
