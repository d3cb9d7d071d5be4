// Construction of the game window, the option switches that are stored in
// the settings file, and the close check that stores the level played last.

#include <cstdlib>
#include <ctime>

#include "gamewindow/game_window.h"
#include "levels/level_start.h"
#include "levels/passwords.h"
#include "levels/settings.h"
#include "render/game_graphics.h"

namespace lorvix {

EditorFrameFactory CreateEditorFrame;

// The steps run in a fixed order: the clock seeds the generator before
// anything may draw from it, the paths exist before the settings are read,
// and the editor is created last, when the window it edits for is complete.
TMyWindow::TMyWindow(platform::Platform& platform, const AppPaths& paths)
    : Platform(platform),
      ProgramDir(paths.programDir),
      SettingsPath(paths.settingsFile),
      DataDir(paths.dataDir) {
  std::srand(static_cast<unsigned>(std::time(nullptr)));

  for (size_t i = 0; i < SoundFilePaths.size(); ++i)
    SoundFilePaths[i] = ProgramDir + "SOUND" + std::to_string(i + 1) + ".WAV";
  WorldsFilePath = ProgramDir + "LEVEL.DAT";
  ExtraWorldPath.clear();
  ExtraRecordsPath.clear();

  const SetupSettings setup = ReadSetupSettings(SettingsPath);
  BackgroundChoice = setup.background;
  SoundOn = setup.sound;
  AnimationOn = setup.animation ? 1 : 0;
  SmoothMovement = setup.smoothMovement;
  MusicOn = setup.music;
  LevelNumber = setup.lastLevel;

  KeySquares.fill({});
  DoorSquares.fill({});
  SavedDoorTiles.fill(0);
  MoveList.fill(0);
  LevelCount = 0;
  MoveListPos = 0;
  // Until the first load succeeds the board holds no level.
  ShowNoLevel(*this);

  TitleShowing = true;
  MovedSinceUndo = false;
  FacingRight = true;
  Sliding = false;
  ExtraWorld = false;
  EditorLevel = false;
  AboutShowing = false;
  MouseWalkUp = MouseWalkDown = MouseWalkLeft = MouseWalkRight = false;
  AppClosing = false;
  MouseX = MouseY = 0;
  AboutScroll = 0;
  GlideX = GlideY = 0;
  BestMoves = 0;

  FillPasswordTable(PasswordTable);

  if (CreateEditorFrame) EditorFrame = CreateEditorFrame(*this);
}

// The music stops first, and the editor goes next: it edits for this window
// and must not outlive it. Then the pictures are released and a sound still
// playing is cut off.
TMyWindow::~TMyWindow() {
  CloseMusicDevice();
  EditorFrame.reset();
  DestroyGameWindowGraphics();
  Platform.PlaySoundFile("");
}

void TMyWindow::ToggleSound() {
  SoundOn = SoundOn == 1 ? 0 : 1;
  WriteSetupValue(SettingsPath, KEY_SOUND, SoundOn);
}

void TMyWindow::ToggleAnimation() {
  AnimationOn = AnimationOn == 1 ? 0 : 1;
  WriteSetupValue(SettingsPath, KEY_ANIMATION, AnimationOn);
}

void TMyWindow::ToggleSmoothMovement() {
  SmoothMovement = !SmoothMovement;
  WriteSetupValue(SettingsPath, KEY_SMOOTH_MOVEMENT, SmoothMovement ? 1 : 0);
}

bool TMyWindow::CanClose() {
  if (Platform.MessageBox("Wollen sie wirklich aufhören ?", "Dumme Frage", platform::Icon::Question,
                          platform::Buttons::YesNo) != platform::Answer::Yes)
    return false;
  StoreLastLevel();
  AppClosing = true;
  return true;
}

// An extra world or a user level cannot be resumed from the settings, so
// the game then starts at level 1 next time. A level beyond the count of
// the loaded file is stored as the count.
void TMyWindow::StoreLastLevel() {
  if (ExtraWorld) LevelNumber = 1;
  WriteSetupValue(SettingsPath, KEY_LAST_LEVEL, LevelNumber <= LevelCount ? LevelNumber : LevelCount);
}

void TMyWindow::CloseRequest() {
  if (CanClose()) Platform.EndProgram();
}

}  // namespace lorvix
