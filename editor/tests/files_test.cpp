// Checking, saving and loading levels in the editor, and a level drawn in
// the editor played through to its exit in the game.

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <functional>

#include "editor/tests/editor_fixture.h"
#include "platform/atomic_file.h"

namespace lorvix::testing {
namespace {

using platform::Icon;

constexpr const char* kNotWritten =
    "Fehler beim Speichern der Datei.     \nBitte überprüfen Sie den freien Speicherplatz     \n"
    "auf dem Datenträger.";

class Files : public EditorTest {
 protected:
  void SaveAs(const std::string& path) {
    platform.fileDialogResults.push_back({true, 0, path});
    editor.Command(51683);
  }
  void Load(const std::string& path) {
    platform.fileDialogResults.push_back({true, 0, path});
    editor.Command(51684);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : platform.messages) texts.push_back(m.text);
    return texts;
  }
};

TEST_F(Files, ValidationNamesTheFirstMissingRecordAndOpensNoDialog) {
  editor.Command(51683);
  Put(0, 6, 2, 2);
  Put(0, 5, 10, 2);
  editor.Command(51683);
  Put(1, 5, 8, 2);
  Put(0, 7, 10, 2);  // a wall over the exit
  editor.Command(51683);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Die Startposition des Spielers fehlt !",
                                               "Eine Tür zum Ausgang fehlt !", "Der Ausgang fehlt !"}));
  for (const auto& m : platform.messages) {
    EXPECT_EQ(m.caption, "Fehler");
    EXPECT_EQ(m.icon, Icon::Information);
    EXPECT_EQ(m.buttons, platform::Buttons::Ok);
  }
  EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(Files, SavingWritesTheEditorLayoutAndLoadingGivesTheLevelBack) {
  DrawLevel();
  const LevelRecord drawn = w().CurrentLevel();
  SaveAs(Path("mine.sda"));

  ASSERT_EQ(platform.dialogs.size(), 1u);
  const platform::FileDialogRequest& request = platform.dialogs[0].request;
  EXPECT_EQ(platform.dialogs[0].kind, "save");
  EXPECT_EQ(request.filter, "Level (*.sda)|*.sda");
  EXPECT_EQ(request.defaultExt, "sda");
  EXPECT_EQ(request.initialDir, scratch.path() + "/");
  EXPECT_TRUE(request.overwritePrompt);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Die Daten wurden gespeichert.");
  EXPECT_EQ(platform.messages[0].caption, "OK");
  EXPECT_EQ(platform.messages[0].icon, Icon::Information);

  const std::string bytes = ReadBytes(Path("mine.sda"));
  const std::string head =
      "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n"
      "2 2 10 2 8 2\r\n";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_NE(bytes.find("\r\n 1  1  1  1  1  1  1  1 30  1  7 30  1  1  1  1  1  1  1  1 \r\n"),
            std::string::npos);

  editor.Command(108);
  Load(Path("mine.sda"));
  EXPECT_EQ(w().CurrentLevel(), drawn);
  EXPECT_EQ(At(2, 2), TILE_FLOOR) << "the start is no tile";
  SaveAs(Path("again.sda"));
  EXPECT_EQ(ReadBytes(Path("again.sda")), bytes);
  EXPECT_EQ(platform.dialogs[1].kind, "open");
  EXPECT_EQ(platform.dialogs[1].request.initialDir, scratch.path() + "/");
}

TEST_F(Files, CancelledAndFailedDialogs) {
  DrawLevel();
  const LevelRecord drawn = w().CurrentLevel();
  editor.Command(51683);  // cancelled
  editor.Command(51684);
  EXPECT_TRUE(platform.messages.empty());

  platform.fileDialogResults.push_back({false, 12291, "x"});
  editor.Command(51683);
  platform.fileDialogResults.push_back({false, 12290, "Ebene.sda"});
  editor.Command(51684);
  Load(Path("missing.sda"));
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "Fehler beim Speichern der Datei #12291",
                         "Fehler beim Öffnen der Datei Ebene.sda .",
                         "Fehler beim Öffnen der Datei " + Path("missing.sda") + " ."}));
  for (const auto& m : platform.messages) {
    EXPECT_EQ(m.caption, "Datei Fehler");
    EXPECT_EQ(m.icon, Icon::Stop);
  }
  EXPECT_EQ(w().CurrentLevel(), drawn);
}

// A file size limit makes the write fail half-way, as a full disk would.
TEST_F(Files, AFailedSaveKeepsTheOldFileAndIsReportedNotPraised) {
  DrawLevel();
  WriteBytes(Path("old.sda"), "alt");
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  SaveAs(Path("old.sda"));
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previousHandler);
  SaveAs(Path("no/such/dir.sda"));

  EXPECT_EQ(ReadBytes(Path("old.sda")), "alt");
  EXPECT_EQ(Texts(), (std::vector<std::string>{kNotWritten, kNotWritten}));
  EXPECT_EQ(platform.messages[0].caption, "Datei Fehler");
  EXPECT_EQ(platform.messages[0].icon, Icon::Stop);
}

// A save that fails at any step of the replacement (a full disk, an I/O
// error) keeps the level saved before and leaves no temporary file beside
// it; the designer is told so, never that the level was saved.
TEST_F(Files, ASaveFailingAtAnyStepKeepsTheFileSavedBefore) {
  DrawLevel();
  WriteBytes(Path("old.sda"), "alt");
  const std::set<std::string> before = FileNamesIn(scratch.path());
  for (platform::WriteStep failing : {platform::WriteStep::Create, platform::WriteStep::Write,
                                      platform::WriteStep::Sync, platform::WriteStep::Rename}) {
    platform::ScopedWriteFault fault([failing](platform::WriteStep step, const std::string&) {
      return step == failing ? ENOSPC : 0;
    });
    SaveAs(Path("old.sda"));
  }
  EXPECT_EQ(ReadBytes(Path("old.sda")), "alt");
  EXPECT_EQ(FileNamesIn(scratch.path()), before);
  EXPECT_EQ(Texts(), std::vector<std::string>(4, kNotWritten));
  for (const auto& m : platform.messages) {
    EXPECT_EQ(m.caption, "Datei Fehler");
    EXPECT_EQ(m.icon, Icon::Stop);
  }
}

TEST_F(Files, AShortFileReplacesOnlyWhatItHolds) {
  ChooseCell(0, 7);
  ClickSquare(12, 12);
  ChooseCell(0, 1);
  Press(platform::VK_LEFT);
  const TileGrid board = w().Board;
  WriteBytes(Path("short.sda"), "1 2 3 4 0 0 0 0 0 0 0 0 0 0 0 0 0 0 5 6\n100 100 5 6 7 8\n 1 30");
  Load(Path("short.sda"));
  EXPECT_EQ(w().KeySquares[0], (Square{1, 2}));
  EXPECT_EQ(w().DoorSquares[4], (Square{5, 6}));
  EXPECT_EQ(w().StartCol, NOT_PLACED);
  EXPECT_EQ(w().ExitCol, 5);
  EXPECT_EQ(w().ExitDoorRow, 8);
  EXPECT_EQ(w().Board[CellIndex(1, 0)], TILE_WALL_STONE) << "the two cells it holds";
  EXPECT_EQ(w().Board[CellIndex(12, 12)], board[CellIndex(12, 12)]) << "the rest as it was";
  EXPECT_EQ(w().SelectedTool, TILE_CRATE);
  EXPECT_EQ(w().CursorCol, 18);
  editor.Command(51683);
  EXPECT_EQ(Texts().back(), "Die Startposition des Spielers fehlt !");
}

// Records far off the board are kept as they are but never reach into
// the board: moving such an exit writes only the new exit square.
TEST_F(Files, RecordsOffTheBoardNeverTouchTheBoard) {
  std::string text = "-5 3 2000000000 -2000000000 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
  text += "20 14 -1 99999 300 -7\n";
  for (int i = 0; i < 300; ++i) text += " 1";
  WriteBytes(Path("odd.sda"), text);
  Load(Path("odd.sda"));
  EXPECT_EQ(w().ExitRow, 99999);
  Frame().PaintAll();
  ChooseCell(0, 5);  // exit
  ClickSquare(0, 0);
  ChooseCell(0, 1);  // crate
  ClickSquare(19, 14);
  TileGrid expected = FilledBoard(TILE_FLOOR);
  expected[CellIndex(0, 0)] = TILE_EXIT;
  expected[CellIndex(19, 14)] = TILE_CRATE;
  EXPECT_EQ(w().Board, expected);
  EXPECT_EQ(w().StartCol, 20) << "not on (19, 14), so not removed";
}

// The figure has come to rest after every move before the next key.
TEST_F(Files, ALevelDrawnInTheEditorPlaysInTheGame) {
  DrawLevel();
  SaveAs(Path("mine.sda"));
  platform.fileDialogResults.push_back({true, 0, Path("mine.sda")});
  game.OpenUserLevel();
  ASSERT_TRUE(game.EditorLevel);
  EXPECT_EQ(game.Board, w().Board);
  EXPECT_EQ(game.PlayerCol, 2);

  auto tickUntilAtRest = [&] {
    for (int i = 0; i < 1000 && (game.GlideX != 0 || game.GlideY != 0 || game.Sliding); ++i) {
      platform.now += 5;
      game.GameTick();
    }
  };
  for (int key : {KEY_DOWN, KEY_RIGHT, KEY_RIGHT, KEY_RIGHT, KEY_UP, KEY_RIGHT, KEY_RIGHT, KEY_RIGHT,
                  KEY_RIGHT, KEY_RIGHT}) {
    tickUntilAtRest();
    game.TryMove(key);
  }
  EXPECT_EQ(ReadBytes(scratch.path() + "/Editorloesung.sco"), "3 1 1 1 4 1 1 1 1 10 ");
}

}  // namespace
}  // namespace lorvix::testing
