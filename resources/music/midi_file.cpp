#include "resources/music/midi_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace lorvix::music {
namespace {

uint8_t Byte(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 127)); }

void PutBigEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 255);
}

void PutVariableLength(std::string& out, uint32_t value) {
  std::string reversed(1, static_cast<char>(value & 0x7F));
  while ((value >>= 7) != 0) reversed += static_cast<char>(0x80 | (value & 0x7F));
  out.append(reversed.rbegin(), reversed.rend());
}

bool IsNoteOff(const MidiEvent& e) {
  return (e.bytes[0] & 0xF0) == 0x80 || ((e.bytes[0] & 0xF0) == 0x90 && e.bytes[2] == 0);
}

}  // namespace

// Names longer than 127 bytes would need a longer length field; ours are short.
void MidiTrack::Name(const std::string& name) {
  const std::string text = name.substr(0, 127);
  std::vector<uint8_t> bytes{0xFF, 0x03, static_cast<uint8_t>(text.size())};
  bytes.insert(bytes.end(), text.begin(), text.end());
  Add(0, bytes);
}

void MidiTrack::Tempo(uint32_t tick, double beatsPerMinute) {
  const auto microseconds = static_cast<uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
  Add(tick, {0xFF, 0x51, 0x03, static_cast<uint8_t>(microseconds >> 16),
             static_cast<uint8_t>(microseconds >> 8), static_cast<uint8_t>(microseconds)});
}

void MidiTrack::TimeSignature(int beatsPerBar) {
  Add(0, {0xFF, 0x58, 0x04, static_cast<uint8_t>(beatsPerBar), 2, 24, 8});
}

void MidiTrack::Program(int channel, int program) {
  Add(0, {static_cast<uint8_t>(0xC0 | channel), Byte(program)});
}

void MidiTrack::Control(int channel, int controller, int value) {
  Add(0, {static_cast<uint8_t>(0xB0 | channel), Byte(controller), Byte(value)});
}

void MidiTrack::Note(int channel, int pitch, int velocity, uint32_t tick, uint32_t length) {
  Add(tick, {static_cast<uint8_t>(0x90 | channel), Byte(pitch), Byte(std::max(velocity, 1))});
  Add(tick + length, {static_cast<uint8_t>(0x80 | channel), Byte(pitch), 0});
}

std::vector<MidiEvent> MidiTrack::Sorted() const {
  std::vector<MidiEvent> events = events_;
  std::stable_sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
    if (a.tick != b.tick) return a.tick < b.tick;
    return IsNoteOff(a) && !IsNoteOff(b);
  });
  return events;
}

bool WriteMidiFile(const std::string& path, int ticksPerQuarter, const std::vector<MidiTrack>& tracks) {
  std::string out = "MThd";
  PutBigEndian(out, 6, 4);
  PutBigEndian(out, 1, 2);
  PutBigEndian(out, static_cast<uint32_t>(tracks.size()), 2);
  PutBigEndian(out, static_cast<uint32_t>(ticksPerQuarter), 2);
  for (const MidiTrack& track : tracks) {
    std::string body;
    uint32_t now = 0;
    for (const MidiEvent& e : track.Sorted()) {
      PutVariableLength(body, e.tick - now);
      body.append(e.bytes.begin(), e.bytes.end());
      now = e.tick;
    }
    body += std::string("\x00\xFF\x2F\x00", 4);
    out += "MTrk";
    PutBigEndian(out, static_cast<uint32_t>(body.size()), 4);
    out += body;
  }
  std::ofstream file(path, std::ios::binary);
  file << out;
  return static_cast<bool>(file);
}

}  // namespace lorvix::music
