// Saving through a temporary file: the old file survives every failure and
// no temporary file is left behind.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include "levels/tests/scratch_dir.h"
#include "platform/atomic_file.h"

namespace lorvix {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

size_t EntriesIn(const std::string& dir) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                           std::filesystem::directory_iterator()));
}

TEST(AtomicFile, CreatesAndReplacesKeepingPermissions) {
  ScratchDir dir;
  const std::string path = dir / "level.sda";
  ASSERT_TRUE(platform::WriteFileAtomically(path, "erste"));
  EXPECT_EQ(ReadBytes(path), "erste");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(platform::WriteFileAtomically(path, std::string("zwei\0te", 7)));
  EXPECT_EQ(ReadBytes(path), std::string("zwei\0te", 7));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

// A file size limit makes the write fail half-way, as a full disk would;
// this works even for the root user, who ignores permissions.
TEST(AtomicFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  ScratchDir dir;
  const std::string path = dir / "Solve1.sco";
  WriteBytes(path, "1 2 10 ");

  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = platform::WriteFileAtomically(path, std::string(4096, '4'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(ReadBytes(path), "1 2 10 ");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFile, AnUnwritableDirectoryIsReportedAsFailure) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  ScratchDir dir;
  const std::string path = dir / "level.sda";
  WriteBytes(path, "alt");
  ::chmod(dir.path().c_str(), 0500);
  EXPECT_FALSE(platform::WriteFileAtomically(path, "neu"));
  ::chmod(dir.path().c_str(), 0700);
  EXPECT_EQ(ReadBytes(path), "alt");
}

TEST(AtomicFile, ATargetThatCannotBeReplacedStaysAsItIs) {
  ScratchDir dir;
  const std::string path = dir / "pack.sde";
  std::filesystem::create_directory(path);
  WriteBytes(path + "/inside", "x");
  EXPECT_FALSE(platform::WriteFileAtomically(path, "neu"));
  EXPECT_EQ(ReadBytes(path + "/inside"), "x");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
  EXPECT_FALSE(platform::WriteFileAtomically(dir / "missing/dir/file", "neu"));
}


// Each step that the system could refuse (a full disk while writing or
// syncing, a folder that refuses new files, a rename that fails) leaves
// the old file as it was.
TEST(AtomicFile, EveryStepThatFailsKeepsTheOldFile) {
  ScratchDir dir;
  const std::string path = dir / "QX LORVIX 11.INI";
  WriteBytes(path, "[LEVEL]\nLevel1=40\n");
  for (platform::WriteStep failing : {platform::WriteStep::Create, platform::WriteStep::Write,
                                      platform::WriteStep::Sync, platform::WriteStep::Rename}) {
    platform::ScopedWriteFault fault(
        [failing](platform::WriteStep step, const std::string&) { return step == failing ? ENOSPC : 0; });
    EXPECT_FALSE(platform::WriteFileAtomically(path, "[LEVEL]\nLevel1=12\n"));
    EXPECT_EQ(ReadBytes(path), "[LEVEL]\nLevel1=40\n");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
  }
  EXPECT_TRUE(platform::WriteFileAtomically(path, "neu")) << "the hook is gone with its scope";
}

// A file that nobody may write stays as it is, also for root, whom the
// system would let replace it.
TEST(AtomicFile, AReadOnlyFileIsNotReplaced) {
  ScratchDir dir;
  const std::string path = dir / "Pack.dat";
  WriteBytes(path, "[LEVEL]\nLevel1=40\n");
  ::chmod(path.c_str(), 0444);
  EXPECT_FALSE(platform::WriteFileAtomically(path, "neu"));
  EXPECT_EQ(ReadBytes(path), "[LEVEL]\nLevel1=40\n");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

// Settings kept elsewhere and linked into place stay linked.
TEST(AtomicFile, ALinkStaysALinkAndTheFileItPointsToIsReplaced) {
  ScratchDir dir;
  std::filesystem::create_directory(dir / "dotfiles");
  WriteBytes(dir / "dotfiles/lorvix.ini", "alt");
  std::filesystem::create_symlink("dotfiles/lorvix.ini", dir / "QX LORVIX 11.INI");
  ASSERT_TRUE(platform::WriteFileAtomically(dir / "QX LORVIX 11.INI", "neu"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "QX LORVIX 11.INI"));
  EXPECT_EQ(ReadBytes(dir / "dotfiles/lorvix.ini"), "neu");
  EXPECT_EQ(EntriesIn(dir / "dotfiles"), 1u);
}

}  // namespace
}  // namespace lorvix
