// Fuzz target for the editor: any bytes as a user level loaded into the
// editor window over the level it holds, then placements, erasures, tool
// choices and cursor moves, the picture composed, and a save that is
// loaded back. It checks:
//
// - the load replaces the fields the file holds and keeps the rest, with
//   tool and cursor unchanged;
// - the cursor stays on the board, and a click or key writes no square but
//   the cursor's (and the old exit's, when the exit moves), nor moves any
//   record that neither lay nor lands there (indexes into the board and the
//   picture are checked by the standard library's assertions and the
//   sanitizers);
// - records off the board are never drawn: the picture is the same as with
//   those records not placed at all;
// - a level that passes the check is saved, reported as saved, and loads
//   back into the same fields; one that does not is refused with one of the
//   three messages and nothing is written.
//
// Input layout: a byte choosing the level held before the load, a byte
// giving the length of the actions at the end of the input, the file in
// between, then the actions, one byte each with the bytes they read.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editor/editor_frame.h"
#include "editor/editor_tools.h"
#include "fuzz/fuzz_input.h"
#include "platform/keys.h"
#include "platform/headless/headless_platform.h"

namespace lorvix::fuzz {
namespace {

constexpr int KEYS[] = {platform::VK_LEFT, platform::VK_UP, platform::VK_RIGHT, platform::VK_DOWN,
                        platform::VK_SPACE, platform::VK_RETURN};

// Every tool the palette and the door and key menus offer.
constexpr int TOOLS[] = {
    TILE_TARGET, TILE_WATER, TILE_TELEPORT_BLUE, TILE_CRATE, TILE_CRATE_ON_TARGET,
    TILE_TELEPORT_GREEN, TILE_SLIDER, TILE_SLIDER_ON_TARGET, TILE_TELEPORT_RED, TILE_PLUG,
    TILE_TELEPORT_YELLOW, TILE_FILLED, TILE_EXIT, TOOL_EXIT_DOOR, TOOL_START, TILE_WALL_STONE,
    TILE_LAMP_RED_ON, TILE_PILLAR_FIRST, TILE_GEAR_FIRST, TILE_FLOOR, ToolOfDoor(0), ToolOfKey(0),
    ToolOfDoor(2), ToolOfKey(2), ToolOfDoor(4), ToolOfKey(4)};

constexpr const char* REFUSALS[] = {"Die Startposition des Spielers fehlt !",
                                    "Eine Tür zum Ausgang fehlt !", "Der Ausgang fehlt !"};

// Client points from a little left of and above the client area to well
// right of and below it.
int ClientX(FuzzInput& in) { return in.Byte() * 4 - 128; }
int ClientY(FuzzInput& in) { return in.Byte() * 2 - 16; }

// A level whose every field differs from its neighbours, with records on
// and off the board and codes that have no picture.
LevelRecord Patterned() {
  LevelRecord level;
  for (int i = 0; i < KEY_PAIRS; ++i) {
    level.KeySquares[i] = {i * 7 - 3, i + 10};
    level.DoorSquares[i] = {i + 18, i * 4};
  }
  level.Start = {19, 14};
  level.Exit = {-1, 3};
  level.ExitDoor = {20, 0};
  for (int i = 0; i < BOARD_CELLS; ++i) level.Board[i] = i % 130 - 5;
  return level;
}

// A small level as a designer draws it: every record on the board.
LevelRecord Drawn() {
  LevelRecord level;
  level.Board.fill(TILE_FLOOR);
  level.Start = {2, 2};
  level.Exit = {10, 2};
  level.Board[CellIndex(10, 2)] = TILE_EXIT;
  level.ExitDoor = {8, 2};
  level.Board[CellIndex(8, 2)] = TILE_WALL_STONE;
  level.Board[CellIndex(4, 3)] = TILE_CRATE;
  level.Board[CellIndex(6, 3)] = TILE_TARGET;
  level.KeySquares[1] = {6, 3};
  level.DoorSquares[1] = {7, 7};
  return level;
}

// The level with every record that lies off the board taken away.
LevelRecord WithoutRecordsOffTheBoard(LevelRecord level) {
  for (Square* place : {&level.Start, &level.Exit, &level.ExitDoor})
    if (!OnBoard(place->col, place->row)) *place = {NOT_PLACED, NOT_PLACED};
  for (int i = 0; i < KEY_PAIRS; ++i)
    for (Square* entry : {&level.KeySquares[i], &level.DoorSquares[i]})
      if (!OnBoard(entry->col, entry->row)) *entry = {};
  return level;
}

std::vector<Square> Records(const LevelRecord& level) {
  std::vector<Square> records{level.Start, level.Exit, level.ExitDoor};
  records.insert(records.end(), level.KeySquares.begin(), level.KeySquares.end());
  records.insert(records.end(), level.DoorSquares.begin(), level.DoorSquares.end());
  return records;
}

// The game window and its editor, made once: building them reads the
// settings file and copies the tile sheet, which would dominate each run.
struct Editor {
  platform::HeadlessPlatform platform;
  TMyWindow game{platform, {ScratchFolder(), ScratchFolder() + "QX LORVIX 11.INI"}};
  TMyEditFrameWindow frame{game};
  TMyWindow2& w = frame.Client;
  const std::string levelPath = ScratchFolder() + "level.sda";
  const std::string savedPath = ScratchFolder() + "saved.sda";

  void Choose(const std::string& path) { platform.fileDialogResults.push_back({true, 0, path}); }
  void Load(const std::string& path) {
    Choose(path);
    w.LoadUserLevel();
  }
};

Editor& TheEditor() {
  static Editor editor;
  return editor;
}

class EditorRun {
 public:
  EditorRun(Editor& e, FuzzInput& actions) : e_(e), in_(actions) {}

  void LoadFile(const std::string& bytes) {
    std::ofstream(e_.levelPath, std::ios::binary | std::ios::trunc) << bytes;
    LevelRecord expected = e_.w.CurrentLevel();
    std::istringstream text(bytes);
    ReadLevelRecord(text, expected);
    const int tool = e_.w.SelectedTool, col = e_.w.CursorCol, row = e_.w.CursorRow;
    e_.Load(e_.levelPath);
    Require(e_.platform.messages.empty());
    Require(e_.w.CurrentLevel() == expected);
    Require(e_.w.SelectedTool == tool && e_.w.CursorCol == col && e_.w.CursorRow == row);
  }

  void Act() {
    const LevelRecord before = e_.w.CurrentLevel();
    switch (in_.Byte() % 5) {
      case 0: e_.frame.MouseMove(ClientX(in_), ClientY(in_)); break;
      case 1: Click(platform::MouseButton::Left); break;
      case 2: Click(platform::MouseButton::Right); break;
      case 3: e_.frame.KeyDown(in_.Pick(KEYS)); break;
      case 4: e_.w.SelectTool(in_.Pick(TOOLS)); break;
    }
    CheckTouchedOnlyTheCursorSquare(before);
  }

  // The second picture is only needed when some record lies off the board.
  void CheckPicture() {
    const LevelRecord level = e_.w.CurrentLevel();
    e_.w.ComposePicture();
    const LevelRecord onBoard = WithoutRecordsOffTheBoard(level);
    if (onBoard == level) return;
    const Bitmap withRecords = e_.w.BackBuffer;
    e_.w.ApplyLevel(onBoard);
    e_.w.ComposePicture();
    e_.w.ApplyLevel(level);
    const size_t pixels = size_t{EDITOR_CLIENT_WIDTH} * EDITOR_CLIENT_HEIGHT;
    Require(std::equal(withRecords.Data(), withRecords.Data() + pixels, e_.w.BackBuffer.Data()));
  }

  void SaveAndLoadBack() {
    std::filesystem::remove(e_.savedPath);
    e_.platform.messages.clear();
    const LevelRecord level = e_.w.CurrentLevel();
    e_.Choose(e_.savedPath);
    e_.w.SaveUserLevel();
    const bool placed = level.Start.col != NOT_PLACED && level.ExitDoor.col != NOT_PLACED &&
                        level.Exit.col != NOT_PLACED;
    Require(e_.platform.messages.size() == 1);
    const std::string& told = e_.platform.messages[0].text;
    if (!placed) {
      Require(told == REFUSALS[0] || told == REFUSALS[1] || told == REFUSALS[2]);
      Require(!std::filesystem::exists(e_.savedPath));
      e_.platform.fileDialogResults.clear();
      return;
    }
    Require(told == "Die Daten wurden gespeichert.");
    e_.w.ApplyLevel(Patterned());
    e_.platform.messages.clear();
    e_.Load(e_.savedPath);
    Require(e_.platform.messages.empty());
    Require(e_.w.CurrentLevel() == level);
  }

 private:
  // As the user clicks: the mouse moves there first.
  void Click(platform::MouseButton button) {
    const int x = ClientX(in_), y = ClientY(in_);
    e_.frame.MouseMove(x, y);
    e_.frame.MouseDown(button, x, y);
  }

  void CheckTouchedOnlyTheCursorSquare(const LevelRecord& before) {
    const Square cursor{e_.w.CursorCol, e_.w.CursorRow};
    Require(OnBoard(cursor.col, cursor.row));
    const LevelRecord after = e_.w.CurrentLevel();
    for (int i = 0; i < BOARD_CELLS; ++i) {
      if (after.Board[i] == before.Board[i]) continue;
      const Spot changed = SpotOfCell(i);
      Require(changed == Spot(cursor) || changed == Spot(before.Exit));
    }
    const std::vector<Square> was = Records(before), is = Records(after);
    for (size_t i = 0; i < was.size(); ++i)
      if (was[i] != is[i]) Require(was[i] == cursor || is[i] == cursor);
  }

  Editor& e_;
  FuzzInput& in_;
};

}  // namespace
}  // namespace lorvix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lorvix;
  using namespace lorvix::fuzz;
  if (size < 2) return 0;
  Editor& editor = TheEditor();
  editor.platform.messages.clear();
  editor.platform.dialogs.clear();
  editor.platform.fileDialogResults.clear();
  editor.w.SelectedTool = TILE_FLOOR;
  editor.w.CursorCol = editor.w.CursorRow = 0;
  switch (data[0] % 3) {
    case 0: editor.w.ResetLevel(); break;
    case 1: editor.w.ApplyLevel(Drawn()); break;
    case 2: editor.w.ApplyLevel(Patterned()); break;
  }
  const size_t actionBytes = std::min<size_t>(data[1], size - 2);
  const size_t fileBytes = size - 2 - actionBytes;
  FuzzInput actions(data + 2 + fileBytes, actionBytes);

  EditorRun run(editor, actions);
  run.LoadFile(std::string(reinterpret_cast<const char*>(data + 2), fileBytes));
  while (!actions.Empty()) run.Act();
  run.CheckPicture();
  run.SaveAndLoadBack();
  return 0;
}
