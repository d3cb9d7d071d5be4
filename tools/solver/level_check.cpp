#include "tools/solver/level_check.h"

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "tools/solver/exit_seal.h"

namespace lorvix::solver {
namespace {

std::string SquareText(Square s) { return std::to_string(s.col) + " " + std::to_string(s.row); }

LevelFault& Add(std::vector<LevelFault>& list, FaultKind kind, std::string text) {
  return list.emplace_back(LevelFault{kind, std::move(text)});
}

void CheckPlaced(FaultKind kind, const char* what, Square s, LevelReport& report) {
  if (!OnBoard(s)) Add(report.faults, kind, std::string(what) + " not placed or outside the board (" + SquareText(s) + ")");
}

// Faults that can be seen on the level record itself.
void CheckRecord(const LevelRecord& level, LevelReport& report) {
  CheckPlaced(FaultKind::StartNotPlaced, "start", level.Start, report);
  CheckPlaced(FaultKind::ExitNotPlaced, "exit", level.Exit, report);
  CheckPlaced(FaultKind::ExitDoorNotPlaced, "door to the exit", level.ExitDoor, report);
  if (OnBoard(level.ExitDoor)) {
    const int32_t code = CodeAt(level.Board, Spot(level.ExitDoor));
    if (!IsClosedDoor(code))
      Add(report.faults, FaultKind::ExitDoorNotWall, "door to the exit is not a wall (code " + std::to_string(code) + ")")
          .code = code;
  }

  std::map<int32_t, int> pads;
  for (int32_t code : level.Board)
    if (IsTeleporter(code)) ++pads[code];
  for (const auto& [code, count] : pads) {
    if (count == 2) continue;
    LevelFault& fault = Add(report.faults, FaultKind::TeleporterNotPaired,
                            "teleporter code " + std::to_string(code) + " on " + std::to_string(count) +
                                (count == 1 ? " square" : " squares") + " instead of two");
    fault.code = code;
    fault.count = count;
  }

  for (int i = 0; i < KEY_PAIRS; ++i) {
    if (level.KeySquares[i].col == 0) continue;
    const std::string pair = "key/door pair " + std::to_string(i + 1);
    if (!OnBoard(level.KeySquares[i]))
      Add(report.faults, FaultKind::KeyOutside, pair + ": key outside the board (" + SquareText(level.KeySquares[i]) + ")")
          .pair = i;
    if (!OnBoard(level.DoorSquares[i]))
      Add(report.faults, FaultKind::DoorOutside, pair + ": door outside the board (" + SquareText(level.DoorSquares[i]) + ")")
          .pair = i;
  }
}

SolveOptions SearchOptions(const LevelCheckOptions& options, size_t stateLimit) {
  SolveOptions search;
  search.stateLimit = stateLimit;
  search.cancel = options.cancel;
  search.progress = options.progress;
  search.reported = options.reported;
  return search;
}

// Most levels are proven sealed by a flood fill. The others are searched
// with a door to the exit that never opens: the door's square keeps its
// wall code for good.
void CheckExitNeedsDoor(const LevelRecord& level, const LevelCheckOptions& options, LevelReport& report) {
  if (ExitSealedByDoor(level)) return;
  LevelRecord shut = level;
  shut.ExitDoor = {NOT_PLACED, NOT_PLACED};
  report.closedDoor = Solve(shut, SearchOptions(options, options.closedDoorLimit));
  const SolveResult& result = report.closedDoor;
  if (result.status == SolveStatus::Solved)
    Add(report.faults, FaultKind::ExitReachableWithDoorClosed,
        "exit reachable while the door to the exit is closed (" + result.keys + ")");
  else if (result.status == SolveStatus::GaveUp)
    Add(report.warnings, FaultKind::ExitDoorUndecided,
        "exit not shown unreachable with the door to the exit closed: gave up after " +
            std::to_string(result.states) + " states");
  else if (result.status == SolveStatus::Cancelled)
    Add(report.faults, FaultKind::Cancelled, "search cancelled");
}

void CheckSolvable(const LevelRecord& level, const LevelCheckOptions& options, LevelReport& report) {
  report.solution = Solve(level, SearchOptions(options, options.solveLimit));
  const SolveResult& result = report.solution;
  switch (result.status) {
    case SolveStatus::Solved: break;
    case SolveStatus::Unsolvable: Add(report.faults, FaultKind::NotSolvable, "not solvable"); break;
    case SolveStatus::GaveUp:
      Add(report.faults, FaultKind::GaveUp, "no solution found: gave up after " + std::to_string(result.states) + " states");
      break;
    case SolveStatus::Cancelled: Add(report.faults, FaultKind::Cancelled, "search cancelled"); break;
    case SolveStatus::InvalidLevel:
      Add(report.faults, FaultKind::CannotSearch, "cannot be searched: " + result.problem);
      break;
  }
}

bool WasCancelled(const LevelReport& report) {
  return !report.faults.empty() && report.faults.back().kind == FaultKind::Cancelled;
}

}  // namespace

LevelContents ContentsOf(const LevelRecord& level) {
  LevelContents c;
  for (int32_t code : level.Board) {
    c.crates += code == TILE_CRATE || code == TILE_CRATE_ON_TARGET;
    c.sliders += code == TILE_SLIDER || code == TILE_SLIDER_ON_TARGET;
    c.plugs += code == TILE_PLUG;
    c.water = c.water || code == TILE_WATER;
    c.teleporters = c.teleporters || IsTeleporter(code);
  }
  for (const Square& key : level.KeySquares) c.keysAndDoors = c.keysAndDoors || key.col != 0;
  return c;
}

// The searches need a start and an exit on the board, and the closed-door
// search a door to the exit there too. A cancelled search ends the check.
LevelReport CheckLevel(const LevelRecord& level, const LevelCheckOptions& options) {
  LevelReport report;
  report.contents = ContentsOf(level);
  CheckRecord(level, report);
  if (!OnBoard(level.Start) || !OnBoard(level.Exit)) return report;
  if (options.stopAtFault && !report.Passed()) return report;
  report.searched = true;
  if (OnBoard(level.ExitDoor)) CheckExitNeedsDoor(level, options, report);
  if (WasCancelled(report) || (options.stopAtFault && !report.Passed())) return report;
  CheckSolvable(level, options, report);
  return report;
}

// Workers take the next unchecked level until none is left. The calling
// thread waits for the reports in order.
void CheckLevels(const std::vector<LevelRecord>& levels, const LevelCheckOptions& options, unsigned threads,
                 const std::function<void(size_t index, const LevelReport& report)>& done) {
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::min<size_t>(threads, levels.size()));
  std::vector<std::optional<LevelReport>> reports(levels.size());
  std::mutex mutex;
  std::condition_variable ready;
  size_t next = 0;
  auto work = [&] {
    for (;;) {
      size_t index = 0;
      {
        const std::lock_guard lock(mutex);
        if (next == levels.size()) return;
        index = next++;
      }
      LevelReport report = CheckLevel(levels[index], options);
      const std::lock_guard lock(mutex);
      reports[index] = std::move(report);
      ready.notify_all();
    }
  };
  std::vector<std::jthread> workers;
  for (unsigned i = 0; i < threads; ++i) workers.emplace_back(work);
  for (size_t index = 0; index < levels.size(); ++index) {
    std::unique_lock lock(mutex);
    ready.wait(lock, [&] { return reports[index].has_value(); });
    const LevelReport report = std::move(*reports[index]);
    reports[index].reset();
    lock.unlock();
    done(index, report);
  }
}

}  // namespace lorvix::solver
