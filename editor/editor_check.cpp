#include "editor/editor_check.h"

#include "editor/editor_window.h"

namespace lorvix {

void TMyWindow2::StartCheck() {
  if (ValidateLevel()) Check->Start(CurrentLevel(), EditFrame);
}

EditorCheck::EditorCheck(platform::Platform& platform)
    : progress_(platform, [this] { worker_.Cancel(); }),
      result_(platform),
      worker_(
          platform, [this](const CheckProgress& progress) { progress_.Show(progress); },
          [this](const solver::LevelReport& report) { Reported(report); }) {}

// An earlier result describes the level as it was then.
void EditorCheck::Start(const LevelRecord& level, platform::Frame* owner) {
  progress_.SetOwner(owner);
  result_.SetOwner(owner);
  result_.Close();
  worker_.Start(level);
  progress_.Open();
}

void EditorCheck::LevelChanged() {
  if (!worker_.Running()) return;
  worker_.Stop();
  progress_.Close();
}

void EditorCheck::Reported(const solver::LevelReport& report) {
  progress_.Close();
  result_.Show(VerdictOf(report));
}

}  // namespace lorvix
