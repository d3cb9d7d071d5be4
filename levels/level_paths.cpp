// Where the files that belong to a level lie: the record file of an extra
// world and the solution file of each kind of level.
//
//   extra world   /home/anna/Pack.sde
//   its records   /home/anna/Pack.dat      (last four characters replaced)
//   its level 3   /home/anna/Pack3.sco
//   worlds file   <program dir>/Solve12.sco  for level 12
//   user levels   <program dir>/Editorloesung.sco, shared by all of them

#include <algorithm>

#include "levels/level_files.h"

namespace lorvix {
namespace {

// The extra world path without its last four characters (the dot and the
// three-letter extension).
std::string WithoutExtension(const std::string& path) {
  return path.substr(0, path.size() - std::min<size_t>(4, path.size()));
}

std::string InDirectory(const std::string& dir, const std::string& name) {
  if (dir.empty() || dir.back() == '/' || dir.back() == '\\') return dir + name;
  return dir + '/' + name;
}

}  // namespace

std::string ExtraRecordsPathFor(const std::string& extraWorldPath) {
  return WithoutExtension(extraWorldPath) + ".dat";
}

std::string ExtraSolutionPathFor(const std::string& extraWorldPath, int level) {
  return WithoutExtension(extraWorldPath) + std::to_string(level) + ".sco";
}

std::string WorldSolutionPathFor(const std::string& programDir, int level) {
  return InDirectory(programDir, "Solve" + std::to_string(level) + ".sco");
}

std::string UserLevelSolutionPathFor(const std::string& programDir) {
  return InDirectory(programDir, "Editorloesung.sco");
}

}  // namespace lorvix
