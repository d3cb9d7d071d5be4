#pragma once
// An SdlAudio for tests: its output goes through SDL's "disk" driver into a
// file in real time; what it hands to the window thread waits in a
// PostedQueue until the test, as the window thread, runs it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/desktop/sdl_audio.h"
#include "platform/headless/posted_queue.h"

namespace platform::testing {

// Selects the SDL audio driver for the next SdlAudio made.
void UseAudioDriver(const std::string& driver, const std::string& outputFile = {});

// The samples of a disk capture: 16-bit stereo at 44.1 kHz, as the mixer opens the device.
class Capture {
 public:
  explicit Capture(const std::string& file);
  // Seconds in which either channel is louder than `level` (full scale = 1).
  double SoundingSeconds(double level = 0.01) const;
  // Sounding stretches separated by at least `gap` seconds of quiet.
  int SoundingRuns(double gap, double level = 0.01) const;
  double Peak() const;
  // The loudest sample of the last `seconds`.
  double PeakOfLast(double seconds) const;

 private:
  double Level(size_t frame) const;
  std::vector<int16_t> samples_;
};

void Sleep(int milliseconds);

}  // namespace platform::testing
