// The game's own background tunes, written in the notation of notation.h
// and turned into General MIDI files (one per tune) for the song list.
//
//   make_tunes OUTDIR      writes OUTDIR/<name>.mid
//
// Each tune is a form of sections (intro, A, B, ..., coda). Melodies are
// written note by note; accompaniment is a one-bar pattern of chord degrees
// played over the chord progression. Instruments are General MIDI program
// numbers counted from 0; channel 9 is the drum kit. Volume and pan are
// controller values 0..127 (pan 64 = middle). Legato is the share of each
// note's length that actually sounds.
//
// The generator refuses a tune whose bars do not add up, whose voices differ
// in length, or that lasts less than 30 or more than 90 seconds.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/music/midi_file.h"
#include "resources/music/notation.h"

namespace lorvix::music {
namespace {

// General MIDI programs.
enum Program {
  ELECTRIC_PIANO = 4, CELESTA = 8, MUSIC_BOX = 10, VIBRAPHONE = 11, MARIMBA = 12,
  NYLON_GUITAR = 24, ACOUSTIC_BASS = 32, FINGERED_BASS = 33, CELLO = 42, PIZZICATO = 45,
  HARP = 46, STRINGS = 48, CLARINET = 71, FLUTE = 73, WARM_PAD = 89,
};
constexpr int DRUMS = 9;  // the drum channel

struct Voice {
  const char* name;
  int program;
  int channel;
  int volume;
  int pan;
  int velocity;
  double legato;
  std::string notes;
};

struct Tune {
  const char* file;
  double beatsPerMinute;
  int beatsPerBar;
  std::vector<Voice> voices;
};

// --- Morgenrunde: F major, 116 a minute, 4/4. Marimba over strings, a
// double bass and soft drums. Form: intro (2 bars), A A B A, a closing chord.
Tune Morgenrunde() {
  const int m = 4;
  const std::string intro = "F | C";
  const std::string chordsA = "F | C | Dm | Bb | F | C | Bb . C . | F";
  const std::string chordsB = "Dm | Am | Bb | F | Gm | C7 | Bb | C";
  const std::string body = Bars({intro, chordsA, chordsA, chordsB, chordsA});

  const std::string melodyA =
      "A5q C6q A5e G5e F5q | G5q E5q C5h | D5e E5e F5e A5e D6q C6q | Bb5h. rq |"
      "A5q C6q F6q E6e D6e | C6q G5q E5q G5q | F5e G5e A5e Bb5e C6q E5q";
  const std::string melodyB =
      "D6q. C6e A5q F5q | E5q A5q C6h | D6q. C6e Bb5q D6q | C6h A5h |"
      "Bb5q D6q G6q F6e E6e | E6q C6q Bb5q G5q | D6q Bb5q F5q D6q | C6h. rq";
  const std::string firstA = melodyA + " | F5h rq C5q";  // leads into the second
  const std::string lastA = melodyA + " | F5h. rq";

  return {"Morgenrunde.mid", 116, m, {
    {"Marimba", MARIMBA, 0, 100, 64, 90, 0.95,
     Bars({RestBars(2, m), firstA, lastA, melodyB, lastA, "F5+A5+C6w"})},
    {"Streicher", STRINGS, 1, 62, 80, 70, 1.0,
     Bars({Accompany(body, "1+3+5h 1+3+5h", 4, m), Accompany("F", "1+3+5w", 4, m)})},
    {"Bass", ACOUSTIC_BASS, 2, 100, 58, 90, 0.9,
     Bars({Accompany(body, "1q. 5e 8q 5q", 2, m), Accompany("F", "1w", 2, m)})},
    {"Schlagzeug", 0, DRUMS, 70, 64, 70, 0.5,
     Bars({Repeat("K+He He X+He He K+He K+He X+He He", 34), "K+Cw"})},
  }};
}

// --- Waldweg: A minor, 138 a minute, 3/4, a waltz. Flute and clarinet over
// harp and plucked strings. Form: intro (4 bars), A B A B A, two bars to end.
Tune Waldweg() {
  const int m = 3;
  const std::string intro = "Am | Dm | E7 | Am";
  const std::string chordsA = "Am | Dm | G | C | F | Dm | E7 | Am";
  const std::string chordsB = "C | G | Am | Em | F | C | Dm . E | Am";
  const std::string body = Bars({intro, chordsA, chordsB, chordsA, chordsB, chordsA});

  const std::string melodyA =
      "E5h A5q | F5q. E5e D5q | D5q G5q B5q | C6h. |"
      "A5q C6q F6q | E6q D6q A5q | B5q. A5e G#5q | A5h.";
  const std::string melodyB =
      "G5q C6q E6q | D6h B5q | C6q A5q E5q | G5h. |"
      "A5q C6q F6q | E6q. D6e C6q | D6q F5q G#5q | A5h.";

  return {"Waldweg.mid", 138, m, {
    {"Floete", FLUTE, 0, 108, 70, 92, 0.92,
     Bars({RestBars(4, m), melodyA, melodyB, RestBars(8, m), melodyB, melodyA, "A5h.~ | A5h."})},
    {"Klarinette", CLARINET, 1, 100, 54, 88, 0.92,
     Bars({RestBars(20, m), melodyA, RestBars(18, m)})},
    {"Harfe", HARP, 2, 84, 60, 78, 1.0,
     Bars({Accompany(body, "1e 5e 8e 10e 8e 5e", 3, m), Accompany("Am", "1+5+8+10h.", 3, m), "rh."})},
    {"Pizzicato", PIZZICATO, 3, 92, 64, 90, 0.9,
     Bars({Accompany(body, "1q rq 5q", 2, m), "A2q rh | rh."})},
  }};
}

// --- Zahnradbahn: D major, 132 a minute, 4/4. Clarinet with electric
// piano off the beat, a bass guitar and drums. Form: intro (2 bars),
// A B A B A, a closing bar.
Tune Zahnradbahn() {
  const int m = 4;
  const std::string intro = "D | A";
  const std::string chordsA = "D | Bm | G | A | D | Bm | Em . A . | D";
  const std::string chordsB = "G | D | Em | A | G | D | Em | A7";
  const std::string body = Bars({intro, chordsA, chordsB, chordsA, chordsB, chordsA});

  const std::string melodyA =
      "F#5e A5e F#5e D5e A4q D5q | B4e D5e F#5e B5e A5h | G5q B5q D6q. B5e | A5h. rq |"
      "F#5e A5e D6e A5e F#5q A5q | D6q. C#6e B5q F#5q | G5e F#5e E5e G5e E5q C#5q | D5h. rq";
  const std::string melodyB =
      "B5q. A5e G5q D5q | F#5q A5q D6h | E6q D6e B5e G5q E5q | C#6h A5h |"
      "B5q D6q G6q. F#6e | F#6q D6q A5q F#5q | G5q B5q E6q D6q | C#6q E5q G5q A5q";

  return {"Zahnradbahn.mid", 132, m, {
    {"Klarinette", CLARINET, 0, 108, 64, 96, 0.9,
     Bars({RestBars(2, m), melodyA, melodyB, melodyA, melodyB, melodyA, "D5w"})},
    {"E-Piano", ELECTRIC_PIANO, 1, 80, 84, 76, 0.8,
     Bars({Accompany(body, "re 1+3+5e re 1+3+5e re 1+3+5e re 1+3+5e", 4, m),
           Accompany("D", "1+3+5w", 4, m)})},
    {"Bass", FINGERED_BASS, 2, 100, 56, 92, 0.85,
     Bars({Accompany(body, "1e 1e 5q 8e 8e 5q", 2, m), Accompany("D", "1w", 2, m)})},
    {"Schlagzeug", 0, DRUMS, 76, 64, 76, 0.5,
     Bars({Repeat("K+Hq S+He He K+He K+He S+Hq", 42), "K+Cw"})},
  }};
}

// --- Sternenglas: E minor, 80 a minute, 4/4, slow. Music box over a warm
// pad, a cello and a quiet harp. Form: one bar to begin, A B A, two to end.
Tune Sternenglas() {
  const int m = 4;
  const std::string chordsA = "Em | C | G | D | Em | C | Am . B7 . | Em";
  const std::string chordsB = "C | D | Bm | Em | Am | D | G | B7";
  const std::string body = Bars({"Em", chordsA, chordsB, chordsA});
  const std::string ending = "Em | Em";

  const std::string melodyA =
      "B5q G5q E5q G5q | E6h D6q C6q | B5q. A5e G5q D5q | F#5h A5h |"
      "G5q B5q E6q D6e B5e | C6h G5h | A5q C6q B5q D#5q | E5w";
  const std::string melodyB =
      "G5q C6q E6q G6q | F#6h. E6e D6e | D6q B5q F#5q B5q | G5h. E5q |"
      "E6q. D6e C6q A5q | D6q. C6e A5q F#5q | B5q D6q G6q D6q | D#6h F#5h";

  return {"Sternenglas.mid", 80, m, {
    {"Spieluhr", MUSIC_BOX, 0, 112, 64, 92, 1.0,
     Bars({RestBars(1, m), melodyA, melodyB, melodyA, "B5h G5h | E5w"})},
    {"Flaeche", WARM_PAD, 1, 70, 64, 64, 1.0,
     Bars({Accompany(body, "1+3+5h 1+3+5h", 4, m), Accompany(ending, "1+3+5w", 4, m)})},
    {"Cello", CELLO, 2, 84, 50, 76, 0.95,
     Bars({Accompany(body, "1h 5h", 2, m), Accompany(ending, "1w", 2, m)})},
    {"Harfe", HARP, 3, 64, 84, 64, 1.0,
     Bars({Accompany(body, "1e 5e 8e 10e 12e 10e 8e 5e", 3, m),
           Accompany("Em", "1+5+8+10w", 3, m), "rw"})},
  }};
}

// --- Marktplatz: G major, 104 a minute, 4/4. Vibraphone with a nylon
// guitar, a double bass and ride cymbal. Form: intro (2 bars), A B A, a
// closing chord.
Tune Marktplatz() {
  const int m = 4;
  const std::string intro = "G | D";
  const std::string chordsA = "G | Em | C | D | G | Em | Am . D . | G";
  const std::string chordsB = "C | D | Bm | Em | Am | D | G | D7";
  const std::string body = Bars({intro, chordsA, chordsB, chordsA});

  const std::string melodyA =
      "D5q G5q B5q. A5e | G5q E5q B4h | C5q E5q G5q C6q | A5h. F#5q |"
      "G5q B5q D6q. C6e | B5q G5q E5q G5q | A5q C6q D6e C6e A5e F#5e | G5h. rq";
  const std::string melodyB =
      "E6q. D6e C6q G5q | F#5q A5q D6h | D6q. B5e F#5q B5q | G5h E5h |"
      "A5q C6q E6q. D6e | C6q A5q F#5q A5q | B5q D6q G6q D6q | C6q A5q F#5q D5q";

  return {"Marktplatz.mid", 104, m, {
    {"Vibraphon", VIBRAPHONE, 0, 110, 70, 94, 0.95,
     Bars({RestBars(2, m), melodyA, melodyB, melodyA, "G5+B5+D6w"})},
    {"Gitarre", NYLON_GUITAR, 1, 88, 50, 80, 1.0,
     Bars({Accompany(body, "1e 5e 8e 5e 10e 5e 8e 5e", 3, m), Accompany("G", "1+5+8+10w", 3, m)})},
    {"Bass", ACOUSTIC_BASS, 2, 100, 64, 90, 0.9,
     Bars({Accompany(body, "1q. 5e 8q 5q", 2, m), Accompany("G", "1w", 2, m)})},
    {"Schlagzeug", 0, DRUMS, 62, 72, 70, 0.5,
     Bars({Repeat("K+Rq Re Re X+Rq Re Re", 26), "K+Rw"})},
  }};
}

// ---------------------------------------------------------------------------

constexpr int kTicksPerBeat = 480;
constexpr double kShortest = 30, kLongest = 90;  // seconds
constexpr int kReverb = 91;
constexpr int kVolume = 7, kPan = 10;
// Every voice's volume is scaled by this, so that the tunes stay in the
// background: about 4 dB below the level the voices are written for.
constexpr double kBackground = 0.8;

uint32_t Ticks(double beats) { return static_cast<uint32_t>(std::lround(beats * kTicksPerBeat)); }

// Notes on the first beat of a bar a little louder, off the beat a little softer.
int Velocity(const Voice& voice, const Note& note, int beatsPerBar) {
  const double inBar = std::fmod(note.start, beatsPerBar);
  if (inBar < 1e-9) return voice.velocity + 10;
  if (std::fmod(inBar, 1.0) < 1e-9) return voice.velocity + 3;
  return voice.velocity - 4;
}

MidiTrack VoiceTrack(const Voice& voice, const ParsedVoice& parsed, int beatsPerBar) {
  MidiTrack track;
  track.Name(voice.name);
  if (voice.channel != DRUMS) track.Program(voice.channel, voice.program);
  track.Control(voice.channel, kVolume, static_cast<int>(std::lround(voice.volume * kBackground)));
  track.Control(voice.channel, kPan, voice.pan);
  track.Control(voice.channel, kReverb, 40);
  for (const Note& note : parsed.notes)
    track.Note(voice.channel, note.pitch, Velocity(voice, note, beatsPerBar), Ticks(note.start),
               std::max<uint32_t>(1, Ticks(note.length * voice.legato)));
  return track;
}

// Returns an empty text on success, otherwise what is wrong.
std::string WriteTune(const Tune& tune, const std::string& dir) {
  std::vector<MidiTrack> tracks(1);
  tracks[0].Name(std::string(tune.file, std::string(tune.file).find('.')));
  tracks[0].TimeSignature(tune.beatsPerBar);
  tracks[0].Tempo(0, tune.beatsPerMinute);
  double beats = -1;
  for (const Voice& voice : tune.voices) {
    ParsedVoice parsed;
    try {
      parsed = ParseNotes(voice.notes, tune.beatsPerBar);
    } catch (const NotationError& e) {
      return std::string(tune.file) + ", " + voice.name + ": " + e.what();
    }
    if (beats >= 0 && std::abs(parsed.beats - beats) > 1e-9)
      return std::string(tune.file) + ", " + voice.name + " is " + std::to_string(parsed.beats) + " beats long, not " +
             std::to_string(beats);
    beats = parsed.beats;
    tracks.push_back(VoiceTrack(voice, parsed, tune.beatsPerBar));
  }
  const double seconds = beats * 60 / tune.beatsPerMinute;
  if (seconds < kShortest || seconds > kLongest)
    return std::string(tune.file) + " lasts " + std::to_string(seconds) + " seconds";
  if (!WriteMidiFile(dir + "/" + tune.file, kTicksPerBeat, tracks))
    return std::string(tune.file) + " cannot be written";
  return {};
}

}  // namespace
}  // namespace lorvix::music

int main(int argc, char** argv) {
  using namespace lorvix::music;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_tunes OUTDIR\n");
    return 2;
  }
  int failures = 0;
  for (Tune (*compose)() : {Morgenrunde, Waldweg, Zahnradbahn, Sternenglas, Marktplatz}) {
    std::string problem;
    try {
      problem = WriteTune(compose(), argv[1]);
    } catch (const NotationError& e) {
      problem = e.what();
    }
    if (problem.empty()) continue;
    std::fprintf(stderr, "make_tunes: %s\n", problem.c_str());
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}
