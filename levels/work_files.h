#pragma once
// The player's work that the game keeps beside other files: the solutions
// of the worlds file and of user levels beside the program, and the record
// file and solutions of an extra world beside the pack. When the file
// cannot be written there (the game is installed system-wide, the pack lies
// on a read-only medium, the file itself is read-only or that disk is
// full), it goes to the player's data directory instead and is read and
// written there from then on, so that no solve is lost:
//
//   <program dir>/Solve12.sco  ->  $XDG_DATA_HOME/lorvix/Solve12.sco
//   /media/cd/Pack3.sco        ->  $XDG_DATA_HOME/lorvix/extra/media/cd/Pack3.sco
//
// (XDG_DATA_HOME defaults to ~/.local/share.) Files that were never moved
// stay where they always were.

#include <functional>
#include <string>

namespace lorvix {

struct WorkPlaces {
  std::string programDir;  // ends in '/'
  std::string dataDir;     // ends in '/'; empty when there is none
};

// Where the data directory keeps the file that belongs at `path`; empty
// when there is no data directory.
std::string FallbackPathFor(const WorkPlaces& places, const std::string& path);

// The copy in the data directory once there is one, otherwise `path`.
std::string WorkFileToRead(const WorkPlaces& places, const std::string& path);

// Runs `write` (which replaces one file and tells whether it could) on the
// file that belongs at `path`: on the copy in the data directory once there
// is one, otherwise on `path` itself. When `path` cannot be written, the
// file moves to the data directory, with what it held so far, and `write`
// runs there. Returns whether the work was stored anywhere.
bool WriteWorkFile(const WorkPlaces& places, const std::string& path,
                   const std::function<bool(const std::string& file)>& write);

}  // namespace lorvix
