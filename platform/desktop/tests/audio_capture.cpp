#include "platform/desktop/tests/audio_capture.h"

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>
#include <thread>

namespace platform::testing {

namespace {
constexpr double kRate = 44100;
}  // namespace

void UseAudioDriver(const std::string& driver, const std::string& outputFile) {
  ::setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  ::setenv("SDL_DISKAUDIOFILE", outputFile.c_str(), 1);
}

Capture::Capture(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  samples_.resize(bytes.size() / 2);
  for (size_t i = 0; i < samples_.size(); ++i)
    samples_[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                       static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
}

double Capture::Level(size_t frame) const {
  return std::max(std::abs(samples_[2 * frame]), std::abs(samples_[2 * frame + 1])) / 32768.0;
}

double Capture::SoundingSeconds(double level) const {
  size_t count = 0;
  for (size_t f = 0; f < samples_.size() / 2; ++f) count += Level(f) > level;
  return count / kRate;
}

int Capture::SoundingRuns(double gap, double level) const {
  int runs = 0;
  double quietSince = -1e9;
  bool sounding = false;
  for (size_t f = 0; f < samples_.size() / 2; ++f) {
    const double t = f / kRate;
    if (Level(f) > level) {
      if (!sounding && t - quietSince >= gap) ++runs;
      sounding = true;
    } else if (sounding) {
      sounding = false;
      quietSince = t;
    }
  }
  return runs;
}

double Capture::Peak() const { return PeakOfLast(samples_.size() / 2 / kRate); }

double Capture::PeakOfLast(double seconds) const {
  const size_t frames = samples_.size() / 2;
  const size_t count = std::min(frames, static_cast<size_t>(seconds * kRate));
  double peak = 0;
  for (size_t f = frames - count; f < frames; ++f) peak = std::max(peak, Level(f));
  return peak;
}

void Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace platform::testing
