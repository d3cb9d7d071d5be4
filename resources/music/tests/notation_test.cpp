// The note notation of the tunes: what a voice and an accompaniment turn
// into, and the mistakes in writing that must stop the build.

#include <gtest/gtest.h>

#include "resources/music/notation.h"

namespace lorvix::music {
namespace {

std::vector<int> Pitches(const ParsedVoice& voice) {
  std::vector<int> pitches;
  for (const Note& n : voice.notes) pitches.push_back(n.pitch);
  return pitches;
}

TEST(Notation, NotesChordsRestsAndTiesBecomeTimedPitches) {
  const ParsedVoice v = ParseNotes("C4q F#4e. Bb3s C4+E4h | rq G5h.~ | G5q K+Hq rh", 4);
  EXPECT_EQ(Pitches(v), (std::vector<int>{60, 66, 58, 60, 64, 79, 36, 42}));
  EXPECT_DOUBLE_EQ(v.notes[1].length, 0.75);
  EXPECT_DOUBLE_EQ(v.notes[3].start, 2);
  EXPECT_DOUBLE_EQ(v.notes[5].start, 5);
  EXPECT_DOUBLE_EQ(v.notes[5].length, 4) << "tied over the bar line";
  EXPECT_DOUBLE_EQ(v.beats, 12);
}

TEST(Notation, WritingMistakesAreRefused) {
  for (const char* wrong : {"C4q C4q C4q | C4q", "C4q C4h.. | ", "H4q rh.", "C4", "C4q~ D4h.",
                            "Xyq rh."})
    EXPECT_THROW(ParseNotes(wrong, 4), NotationError) << wrong;
  EXPECT_THROW(Accompany("F | Q", "1w", 2, 4), NotationError);
  EXPECT_THROW(Accompany("F", "1h", 2, 4), NotationError) << "pattern shorter than a bar";
  EXPECT_THROW(Accompany("F . C", "1w", 2, 4), NotationError) << "three tokens in a bar of four";
}

TEST(Notation, AccompanimentTakesTheChordThatSoundsAtEachNote) {
  EXPECT_EQ(Accompany("C | Am7 | Bb . F# .", "1q 3+5q 7q 10q", 3, 4),
            " C3q E3+G3q C4q E4q | A2q C3+E3q G3q C4q | A#2q D3+F3q F#4q A#4q");
}

}  // namespace
}  // namespace lorvix::music
