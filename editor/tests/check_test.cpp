// "Prüfen": the verdict on solvable, unsolvable, walk-past and broken
// levels, the progress and "Abbrechen", edits that stop a check, and the
// same answers as leveltool. The check runs on its own thread; the tests
// run what it posts, as the window thread would.

#include <regex>

#include "editor/editor_check.h"
#include "editor/tests/editor_fixture.h"
#include "levels/any_level_file.h"
#include "tools/leveltool/tests/tool_run.h"
#include "tools/solver/tests/level_sketch.h"

namespace lorvix::testing {
namespace {

using namespace std::chrono_literals;
using solver::OpenCrateRoom;

constexpr int CM_CHECK = 51710;

class Check : public EditorTest {
 protected:
  EditorCheck& check() { return *w().Check; }
  // The window made last: the progress window while a check runs, then
  // the result window.
  platform::HeadlessFrame& Latest() { return *platform.frames.back(); }
  std::string Shown(int id) {
    return id < CHECK_RESULT_HEADLINE ? check().Progress().Text(id) : check().Result().Text(id);
  }
  void PressButton(int id) { Latest().events.ControlActivated(Latest().controls, id, -1); }

  void WaitForResult() {
    for (int i = 0; i < 1200 && !check().Result().IsOpen(); ++i) platform.WaitForPosted(100ms);
    ASSERT_TRUE(check().Result().IsOpen()) << "no result within two minutes";
  }
  // Until the progress window counts the first positions.
  void WaitForProgress() {
    for (int i = 0; i < 1200 && Shown(CHECK_PROGRESS_EXPLORED) == "Untersuchte Stellungen: 0"; ++i)
      platform.WaitForPosted(100ms);
  }
  void Load(const std::string& path) {
    platform.fileDialogResults.push_back({true, 0, path});
    editor.Command(51684);
  }
  // Checks the level drawn and returns the result's headline.
  std::string Verdict() {
    editor.Command(CM_CHECK);
    WaitForResult();
    return Shown(CHECK_RESULT_HEADLINE);
  }
};

TEST_F(Check, ASolvableLevelGetsItsFewestMovesAndTheirKeys) {
  DrawLevel();
  const LevelRecord drawn = w().CurrentLevel();
  Press(platform::VK_F5);
  EXPECT_EQ(w().CursorCol, 10) << "F5 is no cursor key";
  EXPECT_EQ(Latest().caption, "Prüfen");
  EXPECT_EQ(Latest().spec.owner, editor.Frame.get()) << "kept above the editor";
  EXPECT_TRUE(check().Progress().IsOpen());
  EXPECT_EQ(Shown(CHECK_PROGRESS_TITLE), "Die Spielebene wird geprüft …");
  EXPECT_EQ(Shown(CHECK_PROGRESS_TIME), "Zeit: 0,0 s");
  EXPECT_EQ(Shown(CHECK_PROGRESS_CANCEL), "Abbrechen");

  WaitForResult();
  const solver::SolveResult expected = solver::Solve(drawn);
  EXPECT_FALSE(check().Progress().IsOpen());
  EXPECT_EQ(Latest().caption, "Prüfen");
  EXPECT_EQ(Latest().spec.owner, editor.Frame.get());
  EXPECT_EQ(Shown(CHECK_RESULT_HEADLINE), "Die Spielebene ist lösbar: mindestens 10 Züge.");
  EXPECT_EQ(Shown(CHECK_RESULT_NOTES), GroupedNumber(expected.explored) + " Stellungen untersucht.");
  EXPECT_EQ(Shown(CHECK_RESULT_KEYS_CAPTION), "Lösung (R rechts, L links, U hoch, D runter):");
  EXPECT_EQ(Shown(CHECK_RESULT_KEYS), expected.keys);
  const platform::Control& keys = Latest().spec.controls[3];
  EXPECT_EQ(keys.id, CHECK_RESULT_KEYS);
  EXPECT_TRUE(keys.readOnly && keys.multiLine) << "copyable, not editable";
  EXPECT_EQ(w().CurrentLevel(), drawn) << "checked, not changed";
  EXPECT_TRUE(platform.dialogs.empty()) << "nothing saved";

  PressButton(CHECK_RESULT_OK);
  EXPECT_FALSE(check().Result().IsOpen());
}

TEST_F(Check, SaysWhyALevelFails) {
  editor.Command(CM_CHECK);
  EXPECT_EQ(platform.messages.at(0).text, "Die Startposition des Spielers fehlt !") << "validated as for saving";
  EXPECT_EQ(platform.messages.at(0).caption, "Fehler");
  EXPECT_TRUE(platform.frames.size() == 1u) << "no check window";

  DrawLevel();
  ClickSquare(6, 3, platform::MouseButton::Right);  // the socket is gone
  EXPECT_EQ(Verdict(), "Die Spielebene ist nicht lösbar.");

  DrawLevel();
  ClickSquare(11, 2, platform::MouseButton::Right);  // a way round the door
  EXPECT_EQ(Verdict(), "Die Spielebene ist nicht lösbar.");
  EXPECT_EQ(Shown(CHECK_RESULT_NOTES), "Der Ausgang ist auch bei geschlossener Tür erreichbar.");
  EXPECT_EQ(Shown(CHECK_RESULT_KEYS_CAPTION), "Weg zum Ausgang bei geschlossener Tür:");
  EXPECT_FALSE(Shown(CHECK_RESULT_KEYS).empty());

  DrawLevel();
  Put(2, 0, 15, 10);  // one blue pad
  Put(1, 0, 8, 2);    // water where the door to the exit was
  Put(1, 5, 8, 2);    // and the door to the exit on it
  EXPECT_EQ(Verdict(), "Die Spielebene ist nicht lösbar.");
  EXPECT_EQ(Shown(CHECK_RESULT_NOTES),
            "Die Tür zum Ausgang steht auf keiner Wand.\nDer blaue Teleporter steht auf 1 Feld statt auf 2.");
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Check, AbbrechenStopsTheSearchAndSaysHowFarItCame) {
  w().ApplyLevel(OpenCrateRoom());
  Press(platform::VK_F5);
  WaitForProgress();
  EXPECT_NE(Shown(CHECK_PROGRESS_EXPLORED), "Untersuchte Stellungen: 0");
  EXPECT_NE(Shown(CHECK_PROGRESS_TIME), "Zeit: 0,0 s");

  PressButton(CHECK_PROGRESS_CANCEL);
  EXPECT_FALSE(check().Progress().IsOpen());
  ASSERT_TRUE(check().Result().IsOpen()) << "the search has stopped before the button returns";
  EXPECT_TRUE(std::regex_match(Shown(CHECK_RESULT_HEADLINE), std::regex("Nach [0-9.]+ Stellungen abgebrochen\\.")))
      << Shown(CHECK_RESULT_HEADLINE);
  EXPECT_EQ(Shown(CHECK_RESULT_NOTES), "");
  const size_t frames = platform.frames.size();
  platform.WaitForPosted(300ms);
  EXPECT_EQ(platform.frames.size(), frames) << "what the stopped search posted is dropped";
}

TEST_F(Check, AnyEditStopsARunningCheckWithoutAResult) {
  ASSERT_TRUE(WriteUserLevel(Path("room.sda"), OpenCrateRoom()));
  const std::vector<std::pair<const char*, std::function<void()>>> edits = {
      {"placing", [&] { ClickSquare(15, 12); }},
      {"placing with the space key", [&] { Press(platform::VK_SPACE); }},
      {"erasing", [&] { ClickSquare(3, 2, platform::MouseButton::Right); }},
      {"loading", [&] { Load(Path("room.sda")); }},
      {"Spielebene Löschen", [&] { editor.Command(108); }},
  };
  for (const auto& [name, edit] : edits) {
    w().ApplyLevel(OpenCrateRoom());
    Press(platform::VK_F5);
    Press(platform::VK_DOWN);  // moving the cursor and choosing a tool edit nothing
    ChooseCell(0, 1);
    ASSERT_TRUE(check().Progress().IsOpen()) << name;
    edit();
    EXPECT_FALSE(check().Progress().IsOpen()) << name;
  }
  platform.WaitForPosted(300ms);
  EXPECT_FALSE(check().Result().IsOpen());

  // A second "Prüfen" starts again; what the first posts is dropped.
  w().ApplyLevel(OpenCrateRoom());
  Press(platform::VK_F5);
  Press(platform::VK_F5);
  PressButton(CHECK_PROGRESS_CANCEL);
  EXPECT_TRUE(check().Result().IsOpen());
}

// An editor that goes away stops its check; what it posted finds nothing.
TEST_F(Check, ACheckEndsWithItsEditor) {
  {
    TMyEditFrameWindow other(game);
    other.Client.ApplyLevel(OpenCrateRoom());
    other.KeyDown(platform::VK_F5);
    platform.WaitForPosted(300ms);
  }
  platform.WaitForPosted(300ms);
  platform.RunPosted();
}

// Both run the one check of the solver library: the verdict, the number of
// moves and their keys agree, on drawn levels and on shipped ones.
TEST_F(Check, AnswersLikeLeveltool) {
  std::vector<LevelRecord> levels;
  DrawLevel();
  levels.push_back(w().CurrentLevel());
  ClickSquare(6, 3, platform::MouseButton::Right);
  levels.push_back(w().CurrentLevel());
  DrawLevel();
  ClickSquare(11, 2, platform::MouseButton::Right);
  levels.push_back(w().CurrentLevel());
  DrawLevel();
  Put(2, 0, 15, 10);
  levels.push_back(w().CurrentLevel());
  for (int number : {1, 2, 11}) {
    LevelRecord shipped;
    int32_t count = 0;
    ASSERT_EQ(ReadAnyLevelFile(LORVIX_LEVEL_DAT, number, shipped, count), LevelReadResult::Ok);
    levels.push_back(shipped);
  }

  for (size_t i = 0; i < levels.size(); ++i) {
    const std::string path = Path("level" + std::to_string(i) + ".sda");
    ASSERT_TRUE(WriteUserLevel(path, levels[i]));
    const ToolRun checked = Leveltool({"check", path});
    const ToolRun solved = Leveltool({"solve", path, "1"});
    Load(path);
    const std::string verdict = Verdict();
    if (checked.exitCode == 0) {
      std::smatch moves;
      ASSERT_TRUE(std::regex_search(solved.out, moves, std::regex("^([RLUD]*)\nmoves ([0-9]+)\n$")));
      EXPECT_EQ(verdict, "Die Spielebene ist lösbar: mindestens " + moves[2].str() + " Züge.") << i;
      EXPECT_EQ(Shown(CHECK_RESULT_KEYS), moves[1].str()) << i;
    } else {
      EXPECT_EQ(verdict, "Die Spielebene ist nicht lösbar.") << i << ": " << checked.out;
      std::smatch shortcut;
      if (std::regex_search(checked.out, shortcut, std::regex("door to the exit is closed \\(([RLUD]+)\\)"))) {
        EXPECT_EQ(Shown(CHECK_RESULT_KEYS), shortcut[1].str()) << i;
      }
    }
  }

  LevelRecord noStart = levels[0];
  noStart.Start = {NOT_PLACED, NOT_PLACED};
  ASSERT_TRUE(WriteUserLevel(Path("nostart.sda"), noStart));
  EXPECT_NE(Leveltool({"check", Path("nostart.sda")}).out.find("FAILED: start not placed"), std::string::npos);
  Load(Path("nostart.sda"));
  editor.Command(CM_CHECK);
  EXPECT_EQ(platform.messages.back().text, "Die Startposition des Spielers fehlt !");
}

TEST(CheckVerdict, CountsInGermanAndSaysWhyASearchStopped) {
  EXPECT_EQ(GroupedNumber(0), "0");
  EXPECT_EQ(GroupedNumber(999), "999");
  EXPECT_EQ(GroupedNumber(1000), "1.000");
  EXPECT_EQ(GroupedNumber(12345678), "12.345.678");

  solver::LevelReport oneMove;
  oneMove.solution.moves = 1;
  EXPECT_EQ(VerdictOf(oneMove).headline, "Die Spielebene ist lösbar: mindestens 1 Zug.");

  solver::LevelReport full;
  full.solution.explored = 1234567;
  full.faults.push_back({solver::FaultKind::GaveUp, "gave up"});
  const CheckVerdict verdict = VerdictOf(full);
  EXPECT_EQ(verdict.headline, "Nach 1.234.567 Stellungen abgebrochen.");
  EXPECT_EQ(verdict.notes, std::vector<std::string>{"Die Suche hat die Grenze ihres Speichers erreicht."});
  EXPECT_TRUE(verdict.keys.empty());
}

}  // namespace
}  // namespace lorvix::testing
