#pragma once
// A small text notation for writing tunes by hand.
//
// Notes. A voice is a list of tokens separated by blanks:
//   C5q      a note: letter, '#' or 'b', octave (C4 is middle C), length
//   F#4e.    lengths: w whole, h half, q quarter, e eighth, s sixteenth;
//            a dot makes it half as long again
//   C4+E4+G4h  notes sounding together; the length follows the last one
//   rq       a rest of a quarter
//   A5h~     '~' ties the note to the same note in the next token
//   |        a bar line: the bar before it must be exactly full
// Drums use letters instead of notes, without an octave: K kick, S snare,
// X side stick, H closed hi-hat, P pedal hi-hat, O open hi-hat, C crash,
// R ride, T tambourine ("K+Hq").
//
// Chords. A progression is a list of bars separated by '|'. A bar holds one
// chord for the whole bar ("Dm"), or one token per beat, '.' keeping the
// chord before ("Bb . C ."). A chord is a root and a kind: "" major, "m"
// minor, "7", "m7", "maj7", "dim", "sus2", "sus4".
//
// Patterns. An accompaniment pattern is one bar of notation in which chord
// degrees stand for notes: 1 root, 3 third, 5 fifth, 7 seventh (the octave
// when the chord has none), 8 octave, 9 ninth, 10 third and 12 fifth an
// octave up ("1q 5e 8e 1+3+5h").

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace lorvix::music {

struct Note {
  int pitch = 0;       // MIDI note number
  double start = 0;    // in beats from the start of the voice
  double length = 0;   // in beats
};

struct ParsedVoice {
  std::vector<Note> notes;
  double beats = 0;  // the length of the whole voice
};

// Throws NotationError, naming the token or the bar, on anything malformed.
struct NotationError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

ParsedVoice ParseNotes(const std::string& text, int beatsPerBar);

// The pattern played over every bar of the progression, its degrees turned
// into notes of the chord that sounds at each note's start. Roots lie
// between G#(octave - 1) and G(octave), so that the voice stays in one place.
std::string Accompany(const std::string& progression, const std::string& pattern, int octave,
                      int beatsPerBar);

// Sections joined with bar lines between them.
std::string Bars(std::initializer_list<std::string> sections);
// `count` bars of rest.
std::string RestBars(int count, int beatsPerBar);
// The same bar `count` times.
std::string Repeat(const std::string& bar, int count);

}  // namespace lorvix::music
