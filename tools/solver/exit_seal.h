#pragma once
// A quick proof that the door to the exit seals the exit: a flood fill over
// every square the figure could ever stand on, whatever the blocks do and
// with every key door open. Only walls that never open stop it, and the
// door to the exit counts as one of them. When the exit lies outside that
// area no search is needed; when it lies inside, a full search must decide.

#include "levels/level_files.h"

namespace lorvix::solver {

bool ExitSealedByDoor(const LevelRecord& level);

}  // namespace lorvix::solver
