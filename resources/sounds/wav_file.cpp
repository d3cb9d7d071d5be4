#include "resources/sounds/wav_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace lorvix::sounds {
namespace {

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 255);
  out += static_cast<char>((v >> 8) & 255);
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

bool WriteWav(const std::string& path, const std::vector<double>& samples, int sampleRate,
              int channels) {
  const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
  const auto blockAlign = static_cast<uint32_t>(channels * 2);
  std::string out = "RIFF";
  Put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(channels));
  Put32(out, static_cast<uint32_t>(sampleRate));
  Put32(out, static_cast<uint32_t>(sampleRate) * blockAlign);
  Put16(out, blockAlign);
  Put16(out, 16);
  out += "data";
  Put32(out, dataBytes);
  for (double s : samples) {
    const auto value = static_cast<int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
    Put16(out, static_cast<uint16_t>(value));
  }
  std::ofstream file(path, std::ios::binary);
  file << out;
  return static_cast<bool>(file);
}

}  // namespace lorvix::sounds
