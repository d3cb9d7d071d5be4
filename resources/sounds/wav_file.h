#pragma once
// Writing 16-bit PCM WAV files: the sound generator's output, and test
// sounds in the audio tests.
//
// Layout (all numbers little-endian):
//   "RIFF" <file size - 8> "WAVE"
//   "fmt " 16  format 1 (PCM), channels, rate, bytes/s, block align, 16 bits
//   "data" <byte count> <samples, interleaved when there are two channels>

#include <cstdint>
#include <string>
#include <vector>

namespace lorvix::sounds {

// Samples in -1..1, clipped at full scale. Returns whether the file was written.
bool WriteWav(const std::string& path, const std::vector<double>& samples, int sampleRate,
              int channels = 1);

}  // namespace lorvix::sounds
