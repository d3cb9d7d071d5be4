// No solve is lost: records and solutions that cannot be stored where they
// belong go to the player's data directory, and a write that fails
// everywhere leaves every earlier file as it was, without a message.

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "levels/level_files.h"
#include "levels/tests/window_fixture.h"
#include "platform/atomic_file.h"

namespace lorvix::testing {
namespace {

using platform::Answer;
using platform::ScopedWriteFault;
using platform::WriteStep;

class WorkFiles : public WindowTest {
 protected:
  // Every write to a file below `dir` fails as in a read-only folder.
  static ScopedWriteFault ReadOnlyFolder(const std::string& dir) {
    return ScopedWriteFault([dir](WriteStep, const std::string& path) {
      return path.rfind(dir, 0) == 0 ? EROFS : 0;
    });
  }
  // Solves the level on the board in `moves` counted moves, recorded as
  // right, right, right.
  void Solve(int moves) {
    w().MoveCount = moves;
    w().MoveList[0] = w().MoveList[1] = w().MoveList[2] = MOVE_RIGHT;
    w().MoveListPos = 3;
    w().LevelSolved();
  }
  // The game's own files fail silently: no message but the password gate's
  // question (the password of the level could not be stored either).
  bool NoErrorShown() const {
    for (const platform::RecordedMessage& m : platform.messages)
      if (m.caption != "Sorry") return false;
    return true;
  }
  std::vector<std::string> FilesBelow(const std::filesystem::path& dir) const {
    std::vector<std::string> files;
    if (!std::filesystem::exists(dir)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
      if (entry.is_regular_file()) files.push_back(entry.path().lexically_relative(dir).string());
    std::sort(files.begin(), files.end());
    return files;
  }
};

TEST_F(WorkFiles, SolvesOfAReadOnlyInstallationAreKeptAndReplayedFromTheDataDirectory) {
  WriteWorldsFile(100);
  TMyWindow& g = Open();
  ASSERT_TRUE(g.LoadWorldLevel());
  {
    ScopedWriteFault installed = ReadOnlyFolder(programDir);
    Solve(9);
  }
  EXPECT_FALSE(Exists(programDir + "Solve1.sco"));
  EXPECT_EQ(ReadFile(dataDir + "Solve1.sco"), "1 1 10 ");
  EXPECT_EQ(Setting("LEVEL", "Level1"), "9");

  // Once moved, the file is read and written there, even when the program
  // folder has become writable.
  g.LevelNumber = 1;
  ASSERT_TRUE(g.LoadWorldLevel());
  g.ReplaySolution();
  EXPECT_TRUE(g.Replaying);
  EXPECT_EQ(g.MoveList[2], MOVE_END);
  g.LevelNumber = 1;
  ASSERT_TRUE(g.LoadWorldLevel());
  Solve(8);
  EXPECT_FALSE(Exists(programDir + "Solve1.sco"));
  EXPECT_EQ(g.BestMoves, 0) << "level 2 has no record";

  // A user level's solution moves the same way.
  Choose(WriteUserLevel("Meins.sda", 7));
  g.OpenUserLevel();
  {
    ScopedWriteFault installed = ReadOnlyFolder(programDir);
    Solve(3);
  }
  EXPECT_EQ(FilesBelow(dataDir), (std::vector<std::string>{"Editorloesung.sco", "Solve1.sco"}));
}

// A pack on a read-only medium with a read-only record file: the records it
// already holds come along, and the pack can be played on level by level.
TEST_F(WorkFiles, AnExtraWorldInAReadOnlyFolderKeepsItsRecordsInTheDataDirectory) {
  WriteWorldsFile(100);
  std::filesystem::create_directories(root / "cd");
  const std::string pack = WriteExtraWorld("cd/Pack.sde", "A\r\nB\r\nC\r\n", 3);
  const std::string records = (root / "cd" / "Pack.dat").string();
  WriteFile(records, "[LEVEL]\r\nLevel3=77\r\n");
  ::chmod(records.c_str(), 0444);

  TMyWindow& g = Open();
  Choose(pack);
  g.OpenExtraWorld();
  ASSERT_EQ(ShownLevel(), 201);
  {
    ScopedWriteFault medium = ReadOnlyFolder((root / "cd").string());
    Solve(20);
  }
  EXPECT_EQ(ShownLevel(), 202);
  EXPECT_EQ(ReadFile(records), "[LEVEL]\r\nLevel3=77\r\n");
  EXPECT_FALSE(Exists((root / "cd" / "Pack1.sco").string()));
  const std::string moved = dataDir + "extra" + root.string() + "/cd/";
  EXPECT_EQ(ReadFile(moved + "Pack.dat"), "[LEVEL]\r\nLevel3=77\r\nLevel1=20\r\n");
  EXPECT_EQ(ReadFile(moved + "Pack1.sco"), "1 1 10 ");

  g.PreviousLevel();
  EXPECT_EQ(g.BestMoves, 20);
  g.NextLevel();  // level 1 counts as solved: record and solution are found
  EXPECT_EQ(ShownLevel(), 202);
}

TEST_F(WorkFiles, AFullDiskLosesNoEarlierRecordOrSolutionAndShowsNoMessage) {
  WriteWorldsFile(100);
  SetSetting("LEVEL", "Level1", "40");
  WriteFile(programDir + "Solve1.sco", "3 10 ");
  const std::string settingsBefore = ReadFile(settingsFile);
  TMyWindow& g = Open();
  ASSERT_TRUE(g.LoadWorldLevel());
  {
    ScopedWriteFault full([](WriteStep step, const std::string&) { return step == WriteStep::Write ? ENOSPC : 0; });
    Solve(12);
  }
  EXPECT_EQ(ReadFile(settingsFile), settingsBefore);
  EXPECT_EQ(ReadFile(programDir + "Solve1.sco"), "3 10 ");
  EXPECT_EQ(FilesBelow(dataDir), std::vector<std::string>{});
  EXPECT_EQ(FilesBelow(root / "bin"), (std::vector<std::string>{"LEVEL.DAT", "Solve1.sco"}));
  EXPECT_EQ(ShownLevel(), 1) << "the password was not stored: the gate answered No leads back";
  EXPECT_TRUE(NoErrorShown());
}

// The same once for real: program, settings and data directory on a small
// file system that is full. The file system is mounted in a child process
// with a mount namespace of its own; where the machine allows neither, the
// test is skipped.
TEST_F(WorkFiles, ARealFullFileSystemLosesNoEarlierFile) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const bool own = ::unshare(CLONE_NEWNS) == 0 || ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0;
    if (!own || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", root.c_str(), "tmpfs", 0, "size=96k") != 0)
      ::_exit(77);
    std::filesystem::create_directories(root / "bin");  // again, on the small file system
    std::filesystem::create_directories(root / "config");
    WriteWorldsFile(3);
    SetSetting("LEVEL", "Level1", "40");
    WriteFile(programDir + "Solve1.sco", "3 10 ");
    const std::string settingsBefore = ReadFile(settingsFile);
    {
      std::ofstream filler(root / "filler", std::ios::binary);
      const std::string block(4096, 'x');
      while (filler.write(block.data(), block.size())) filler.flush();
    }
    Open();
    if (!w().LoadWorldLevel()) ::_exit(2);
    Solve(12);
    int failures = 0;
    failures += ReadFile(settingsFile) != settingsBefore;
    failures += ReadFile(programDir + "Solve1.sco") != "3 10 ";
    failures += !FilesBelow(dataDir).empty();
    failures += FilesBelow(root / "bin") != std::vector<std::string>{"LEVEL.DAT", "Solve1.sco"};
    failures += !NoErrorShown();
    ::_exit(failures == 0 ? 0 : 10 + failures);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no small file system can be mounted here";
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace lorvix::testing
