// Runs the level file fuzz bodies on a few thousand generated inputs, so
// that every build checks them even without a fuzzer: random bytes, and
// well-formed files that are cut short, have bytes changed or digits added.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "levels/fuzz/level_files_fuzz.h"
#include "levels/level_files.h"
#include "levels/tests/sample_level.h"

namespace lorvix {
namespace {

using Body = void (*)(const uint8_t*, size_t);

std::string WellFormedFile() {
  std::string text = "Gr\xFC\xDF" "e\r\nzweite Zeile\r\n\r\n2\r\n";
  text += LevelRecordText(testing::SampleLevel(), LineOneEnd::Builder);
  text += LevelRecordText(testing::SampleLevel(), LineOneEnd::Editor);
  return text + "1 2 3 4 10 ";
}

std::string Mutated(const std::string& seed, std::mt19937& random) {
  std::string input = seed;
  const int edits = static_cast<int>(random() % 8);
  for (int i = 0; i < edits && !input.empty(); ++i) {
    const size_t at = random() % input.size();
    switch (random() % 4) {
      case 0: input[at] = static_cast<char>(random()); break;
      case 1: input.insert(at, std::string(1 + random() % 12, static_cast<char>('0' + random() % 10))); break;
      case 2: input.insert(at, "-"); break;
      case 3: input.erase(at, random() % 40); break;
    }
  }
  if (!input.empty() && random() % 2) input.resize(random() % input.size());
  // A leading byte for the bodies that take the wanted level from it.
  return static_cast<char>(random()) + input;
}

std::string RandomBytes(std::mt19937& random) {
  std::string input(random() % 400, '\0');
  for (char& c : input) c = static_cast<char>(random() % 3 == 0 ? ' ' + random() % 20 : random());
  return input;
}

void Exercise(Body body, unsigned seed) {
  std::mt19937 random(seed);
  const std::string wellFormed = WellFormedFile();
  for (int i = 0; i < 1500; ++i) {
    const std::string input = i % 3 == 0 ? RandomBytes(random) : Mutated(wellFormed, random);
    body(reinterpret_cast<const uint8_t*>(input.data()), input.size());
  }
}

TEST(LevelFilesFuzz, LevelRecord) { Exercise(fuzz::LevelRecordInput, 1); }
TEST(LevelFilesFuzz, WorldsFile) { Exercise(fuzz::WorldsFileInput, 2); }
TEST(LevelFilesFuzz, ExtraWorld) { Exercise(fuzz::ExtraWorldInput, 3); }
TEST(LevelFilesFuzz, Solution) { Exercise(fuzz::SolutionInput, 4); }
TEST(LevelFilesFuzz, UserLevel) { Exercise(fuzz::UserLevelInput, 5); }

}  // namespace
}  // namespace lorvix
