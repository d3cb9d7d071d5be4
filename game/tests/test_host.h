#pragma once
// Test helpers for the rules: a host that writes down every side effect the
// rules ask for, in order, and boards drawn as rows of characters.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_host.h"
#include "game/game_state.h"

namespace lorvix::test {

// Each side effect becomes one line such as "sound 3", "redraw 4 7 1 4",
// "invalidate" or "solved", so that tests can compare whole sequences.
class RecordingHost : public GameHost {
 public:
  std::vector<std::string> events;
  uint32_t now = 0;             // TickCount, unless `clock` is given
  std::vector<uint32_t> clock;  // successive TickCount values; the last one repeats
  std::vector<int> randoms;     // successive Random values; the last one repeats
  bool loadWorldLevelSucceeds = true;

  void PlayEffect(int sound) override { Log("sound " + std::to_string(sound)); }
  void RedrawCells(int c0, int c1, int r0, int r1) override {
    Log("redraw " + std::to_string(c0) + " " + std::to_string(c1) + " " + std::to_string(r0) + " " +
        std::to_string(r1));
  }
  void InvalidateAll() override { Log("invalidate"); }
  void UpdateStatusLine() override { Log("status"); }
  void LevelSolved() override { Log("solved"); }
  void NextLevel() override { Log("next level"); }
  void PreviousLevel() override { Log("previous level"); }
  void NextWorld() override { Log("next world"); }
  void PreviousWorld() override { Log("previous world"); }
  bool LoadWorldLevel() override {
    Log("load world level");
    return loadWorldLevelSucceeds;
  }
  void LoadExtraLevel() override { Log("load extra level"); }
  void OpenUserLevel() override { Log("open user level"); }
  void RestartWorld() override { Log("restart world"); }
  void CloseRequest() override { Log("close request"); }
  void TitleStep() override { Log("title step"); }
  void AboutStep() override { Log("about step"); }
  uint32_t TickCount() override { return clock.empty() ? now : Next(clock, clockPos_); }
  int Random() override { return static_cast<int>(Next(randoms, randomPos_)); }

  // The sound numbers played, in order.
  std::vector<int> Sounds() const {
    std::vector<int> out;
    for (const std::string& e : events)
      if (e.rfind("sound ", 0) == 0) out.push_back(std::stoi(e.substr(6)));
    return out;
  }
  void Clear() { events.clear(); }

 private:
  void Log(std::string e) { events.push_back(std::move(e)); }
  template <typename T>
  static T Next(const std::vector<T>& values, std::size_t& pos) {
    if (values.empty()) return T{};
    const T v = values[std::min(pos, values.size() - 1)];
    ++pos;
    return v;
  }
  std::size_t clockPos_ = 0;
  std::size_t randomPos_ = 0;
};

// Tile code for one character of a drawn board.
//   '#' wall   '.' floor   '_' target   'o' crate   'O' crate on target
//   's' slider 'S' slider on target     'u' plug    '=' filled  '~' water
//   'E' exit   'a' 'b' 'c' 'd' teleporter pads 50, 52, 54, 56
//   '@' the figure, on floor
int32_t TileFor(char c);

// A level drawn as rows (top row first), at most 20 characters each; squares
// not drawn are stone walls. The figure stands on '@', the exit is the first
// 'E'. The title is not showing, no key pairs are set, the door to the exit
// is not placed, and the undo copy equals the board, as after a level load.
GameState Level(std::initializer_list<std::string_view> rows);

// The top-left corner of the board drawn back as rows, with the figure as
// '@' (whatever lies under it).
std::vector<std::string> Drawn(const GameState& s, int cols, int rows);

}  // namespace lorvix::test
