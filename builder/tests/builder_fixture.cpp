#include "builder/tests/builder_fixture.h"

namespace wendrel::testing {

BuilderTest::BuilderTest() : builder(std::make_unique<TMyFrameWindow>(platform, dir.path() + "/")) {}

std::string BuilderTest::LevelFile(const std::string& name, const std::string& text) {
  const std::string path = dir / name;
  lorvix::testing::WriteBytes(path, text);
  return path;
}

std::vector<std::string> BuilderTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const platform::RecordedMessage& m : platform.messages) texts.push_back(m.text);
  return texts;
}

}  // namespace wendrel::testing
