#include "resources/music/notation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <sstream>

namespace lorvix::music {
namespace {

constexpr double kEpsilon = 1e-9;

struct Drum {
  char letter;
  int pitch;
};
constexpr std::array<Drum, 9> kDrums{{{'K', 36}, {'S', 38}, {'X', 37}, {'H', 42}, {'P', 44},
                                      {'O', 46}, {'C', 49}, {'R', 51}, {'T', 54}}};

struct ChordKind {
  const char* name;
  int third, fifth, seventh;  // semitones above the root
};
constexpr std::array<ChordKind, 8> kChordKinds{{{"", 4, 7, 12},
                                               {"m", 3, 7, 12},
                                               {"7", 4, 7, 10},
                                               {"m7", 3, 7, 10},
                                               {"maj7", 4, 7, 11},
                                               {"dim", 3, 6, 9},
                                               {"sus2", 2, 7, 12},
                                               {"sus4", 5, 7, 12}}};

struct Chord {
  int root = 0;  // pitch class, C = 0
  ChordKind kind = kChordKinds[0];
};

// A token split into what sounds ("C4+E4", "r", "1+5") and its length.
struct Token {
  std::vector<std::string> parts;
  std::string lengthText;  // "q.", "h~": the suffix as written
  double beats = 0;
  bool rest = false;
  bool tie = false;
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

Token ReadToken(const std::string& text) {
  Token t;
  size_t end = text.size();
  t.tie = end > 0 && text[end - 1] == '~';
  if (t.tie) --end;
  const bool dotted = end > 0 && text[end - 1] == '.';
  if (dotted) --end;
  static constexpr std::array<std::pair<char, double>, 5> kLengths{
      {{'w', 4}, {'h', 2}, {'q', 1}, {'e', 0.5}, {'s', 0.25}}};
  for (const auto& [letter, beats] : kLengths)
    if (end > 1 && text[end - 1] == letter) t.beats = dotted ? beats * 1.5 : beats;
  if (t.beats == 0) throw NotationError("no length in '" + text + "'");
  --end;
  t.lengthText = text.substr(end);
  const std::string head = text.substr(0, end);
  t.rest = head == "r";
  if (!t.rest) t.parts = Split(head, '+');
  return t;
}

int PitchClass(char letter) {
  static constexpr std::array<int, 7> kClasses{9, 11, 0, 2, 4, 5, 7};  // A..G
  if (letter < 'A' || letter > 'G') return -1;
  return kClasses[static_cast<size_t>(letter - 'A')];
}

// "Bb3" -> 58, "H" -> 42.
int PitchOf(const std::string& name) {
  if (name.size() == 1)
    for (const Drum& d : kDrums)
      if (d.letter == name[0]) return d.pitch;
  int pitchClass = name.empty() ? -1 : PitchClass(name[0]);
  if (pitchClass < 0) throw NotationError("'" + name + "' is no note");
  size_t i = 1;
  if (i < name.size() && (name[i] == '#' || name[i] == 'b')) pitchClass += name[i++] == '#' ? 1 : -1;
  const std::string octave = name.substr(i);
  if (octave.empty() || octave.find_first_not_of("0123456789") != std::string::npos)
    throw NotationError("'" + name + "' is no note");
  return 12 * (std::stoi(octave) + 1) + pitchClass;
}

std::string NoteName(int pitch) {
  static constexpr std::array<const char*, 12> kNames{"C",  "C#", "D",  "D#", "E",  "F",
                                                      "F#", "G",  "G#", "A",  "A#", "B"};
  return std::string(kNames[static_cast<size_t>(pitch % 12)]) + std::to_string(pitch / 12 - 1);
}

void CheckBarIsFull(double position, int beatsPerBar, int bar) {
  const double over = std::fmod(position, beatsPerBar);
  if (over > kEpsilon && beatsPerBar - over > kEpsilon)
    throw NotationError("bar " + std::to_string(bar) + " ends " + std::to_string(over) +
                        " beats into the next");
}

Chord ReadChord(const std::string& text) {
  Chord chord;
  const int letter = text.empty() ? -1 : PitchClass(text[0]);
  chord.root = letter;
  size_t i = 1;
  if (i < text.size() && (text[i] == '#' || text[i] == 'b')) chord.root += text[i++] == '#' ? 1 : -1;
  const std::string kind = text.substr(std::min(i, text.size()));
  for (const ChordKind& k : kChordKinds)
    if (kind == k.name && letter >= 0) {
      chord.root = (chord.root + 12) % 12;
      chord.kind = k;
      return chord;
    }
  throw NotationError("'" + text + "' is no chord");
}

// One chord per beat of the progression.
std::vector<Chord> ChordsPerBeat(const std::string& progression, int beatsPerBar) {
  std::vector<Chord> beats;
  for (const std::string& bar : Split(progression, '|')) {
    const std::vector<std::string> tokens = Words(bar);
    if (tokens.size() == 1) {
      beats.insert(beats.end(), static_cast<size_t>(beatsPerBar), ReadChord(tokens[0]));
      continue;
    }
    if (tokens.size() != static_cast<size_t>(beatsPerBar))
      throw NotationError("chord bar '" + bar + "' needs one chord or one token per beat");
    for (const std::string& token : tokens) {
      if (token != ".") beats.push_back(ReadChord(token));
      else if (beats.empty()) throw NotationError("progression starts with '.'");
      else beats.push_back(beats.back());
    }
  }
  return beats;
}

int Degree(const Chord& chord, const std::string& degree, int octave) {
  int root = 12 * (octave + 1) + chord.root;
  if (chord.root >= 8) root -= 12;
  const ChordKind& k = chord.kind;
  if (degree == "1") return root;
  if (degree == "3") return root + k.third;
  if (degree == "5") return root + k.fifth;
  if (degree == "7") return root + k.seventh;
  if (degree == "8") return root + 12;
  if (degree == "9") return root + 14;
  if (degree == "10") return root + 12 + k.third;
  if (degree == "12") return root + 12 + k.fifth;
  throw NotationError("'" + degree + "' is no chord degree");
}

}  // namespace

ParsedVoice ParseNotes(const std::string& text, int beatsPerBar) {
  ParsedVoice voice;
  std::vector<size_t> tied;  // notes that the next token continues
  int bar = 1;
  std::string spaced;  // bar lines need no blanks around them
  for (char c : text) spaced += c == '|' ? std::string(" | ") : std::string(1, c);
  for (const std::string& word : Words(spaced)) {
    if (word == "|") {
      CheckBarIsFull(voice.beats, beatsPerBar, bar++);
      continue;
    }
    const Token token = ReadToken(word);
    std::vector<size_t> continued;
    for (const std::string& part : token.parts) {
      const int pitch = PitchOf(part);
      size_t index = voice.notes.size();
      for (size_t t : tied)
        if (voice.notes[t].pitch == pitch) index = t;
      if (index == voice.notes.size()) voice.notes.push_back({pitch, voice.beats, 0});
      voice.notes[index].length += token.beats;
      continued.push_back(index);
    }
    for (size_t t : tied)
      if (std::find(continued.begin(), continued.end(), t) == continued.end())
        throw NotationError("'" + word + "' does not continue the tied notes before it");
    tied = token.tie ? continued : std::vector<size_t>{};
    voice.beats += token.beats;
  }
  CheckBarIsFull(voice.beats, beatsPerBar, bar);
  return voice;
}

std::string Accompany(const std::string& progression, const std::string& pattern, int octave,
                      int beatsPerBar) {
  const std::vector<Chord> chords = ChordsPerBeat(progression, beatsPerBar);
  std::vector<Token> tokens;
  double patternBeats = 0;
  for (const std::string& word : Words(pattern)) {
    tokens.push_back(ReadToken(word));
    patternBeats += tokens.back().beats;
  }
  if (std::abs(patternBeats - beatsPerBar) > kEpsilon)
    throw NotationError("pattern '" + pattern + "' is not one bar long");

  std::string out;
  for (size_t first = 0; first < chords.size(); first += static_cast<size_t>(beatsPerBar)) {
    if (first > 0) out += " |";
    double position = 0;
    for (const Token& token : tokens) {
      const Chord& chord = chords[first + static_cast<size_t>(position + kEpsilon)];
      std::string notes = token.rest ? "r" : "";
      for (const std::string& degree : token.parts)
        notes += (notes.empty() ? "" : "+") + NoteName(Degree(chord, degree, octave));
      out += " " + notes + token.lengthText;
      position += token.beats;
    }
  }
  return out;
}

std::string Bars(std::initializer_list<std::string> sections) {
  std::string out;
  for (const std::string& s : sections) out += (out.empty() ? "" : " | ") + s;
  return out;
}

std::string RestBars(int count, int beatsPerBar) {
  std::string bar;
  for (int beat = 0; beat < beatsPerBar; ++beat) bar += (bar.empty() ? "" : " ") + std::string("rq");
  return Repeat(bar, count);
}

std::string Repeat(const std::string& bar, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += (out.empty() ? "" : " | ") + bar;
  return out;
}

}  // namespace lorvix::music
