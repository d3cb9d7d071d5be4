#pragma once
// Writing Standard MIDI Files (format 1): the tunes of the music generator,
// and short songs in the audio tests.
//
// Layout (numbers big-endian):
//   "MThd" 6  format 1, track count, ticks per quarter note
//   per track: "MTrk" <byte count> then events, each a variable-length
//   delta time (7 bits a byte, high bit = more follows) and the event bytes;
//   the last event is the end-of-track meta event FF 2F 00.

#include <cstdint>
#include <string>
#include <vector>

namespace lorvix::music {

struct MidiEvent {
  uint32_t tick = 0;
  std::vector<uint8_t> bytes;
};

class MidiTrack {
 public:
  void Add(uint32_t tick, std::vector<uint8_t> bytes) { events_.push_back({tick, std::move(bytes)}); }
  void Name(const std::string& name);
  void Tempo(uint32_t tick, double beatsPerMinute);
  void TimeSignature(int beatsPerBar);
  void Program(int channel, int program);
  void Control(int channel, int controller, int value);
  // A note from `tick`, `length` ticks long.
  void Note(int channel, int pitch, int velocity, uint32_t tick, uint32_t length);

  // The events ordered by time; at the same tick a note's end comes before
  // the next note's start, so that repeated notes sound again.
  std::vector<MidiEvent> Sorted() const;

 private:
  std::vector<MidiEvent> events_;
};

// Returns whether the file was written.
bool WriteMidiFile(const std::string& path, int ticksPerQuarter, const std::vector<MidiTrack>& tracks);

}  // namespace lorvix::music
