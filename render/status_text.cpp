#include "render/status_text.h"

#include <array>
#include <cinttypes>
#include <cstdio>

namespace lorvix {

namespace {

// The status formats, tried in this order; the first whose condition holds
// is shown. The runs of blanks belong to the texts.
//   extra world with record:  level, level count, moves, record
//   extra world:              level, level count, moves
//   world with record:        world, stage, moves, record  (not for own levels)
//   own level:                moves
//   world:                    world, stage, moves
constexpr const char* kExtraWithRecord =
    "Extra - Spielwelt    Level : %" PRId32 "/%" PRId32 "     Züge : %" PRId32
    "     Bestleistung : %" PRId32;
constexpr const char* kExtra =
    "Extra - Spielwelt    Level : %" PRId32 "/%" PRId32 "     Züge : %" PRId32;
constexpr const char* kWorldWithRecord =
    "Spielwelt : %" PRId64 "      Spielstufe : %" PRId64 "      Züge : %" PRId32
    "      Bestleistung : %" PRId32 " Züge";
constexpr const char* kEditorLevel = "Editor Level     Züge : %" PRId32;
constexpr const char* kWorld =
    "Spielwelt : %" PRId64 "      Spielstufe : %" PRId64 "      Züge : %" PRId32;

// Every format with four numbers of up to 20 characters fits.
constexpr size_t kBufferSize = 152;

}  // namespace

std::string FormatStatusLine(const GameState& s) {
  // Ten stages to a world; the level number is worked out wide so that no
  // value read from a file can overflow it.
  const int64_t worldIndex = (int64_t{s.LevelNumber} - 1) / 10;
  const int64_t world = worldIndex + 1;
  const int64_t stage = s.LevelNumber - 10 * worldIndex;

  std::array<char, kBufferSize> text{};
  if (s.ExtraWorld && s.BestMoves != 0)
    std::snprintf(text.data(), text.size(), kExtraWithRecord, s.LevelNumber, s.LevelCount,
                  s.MoveCount, s.BestMoves);
  else if (s.ExtraWorld)
    std::snprintf(text.data(), text.size(), kExtra, s.LevelNumber, s.LevelCount, s.MoveCount);
  else if (s.BestMoves != 0 && !s.EditorLevel)
    std::snprintf(text.data(), text.size(), kWorldWithRecord, world, stage, s.MoveCount,
                  s.BestMoves);
  else if (s.EditorLevel)
    std::snprintf(text.data(), text.size(), kEditorLevel, s.MoveCount);
  else
    std::snprintf(text.data(), text.size(), kWorld, world, stage, s.MoveCount);
  return text.data();
}

}  // namespace lorvix
