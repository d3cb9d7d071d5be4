#pragma once
// The game window: owner of the whole game state. Its operations are spread
// over the folders of the subsystems they belong to:
//   gamewindow/game_window.cpp   rules glue, keys, clicks, tick, commands
//   levels/game_window_setup.cpp construction, options, close check
//   levels/level_loading.cpp     loading levels from the three kinds of file
//   levels/navigation.cpp        moving between levels and worlds
//   levels/progress.cpp          solved levels, records, replay
//   levels/password_gate.cpp     the password gate of world levels
//   render/*.cpp                 set-up of the pictures, painting, status line
//   audio/*.cpp                  sound effects and music
// It runs the same against the wx/SDL platform and the headless one.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "game/game_host.h"
#include "game/game_state.h"
#include "game/tick.h"
#include "platform/platform.h"

namespace lorvix {

struct GameGraphics;  // render/game_graphics.h
class TMyWindow;

// The editor's frame window. The game window creates it hidden while it is
// constructed, through CreateEditorFrame, which the editor sets before the
// game window is made; tests and tools leave it empty and have no editor.
class EditorFrameWindow {
 public:
  virtual ~EditorFrameWindow() = default;
  // "&Editor starten": the game frame has been hidden; show the editor.
  virtual void Show() = 0;
};
using EditorFrameFactory = std::function<std::unique_ptr<EditorFrameWindow>(TMyWindow&)>;
extern EditorFrameFactory CreateEditorFrame;

// Where the program's files are: the directory of the running executable
// (ending in '/'), the full path of the settings file, and the player's data
// directory (ending in '/', empty when there is none), which takes the
// solutions and records that cannot be stored where they belong.
struct AppPaths {
  std::string programDir;
  std::string settingsFile;
  std::string dataDir{};  // set by AppPathsFor; tests may leave it out
};

class TMyWindow : public GameState, public GameHost {
 public:
  TMyWindow(platform::Platform& platform, const AppPaths& paths);
  ~TMyWindow() override;
  TMyWindow(const TMyWindow&) = delete;
  TMyWindow& operator=(const TMyWindow&) = delete;

  // --- Input and time (app/game_window.cpp) ---
  void TryMove(int key);
  void LeftButtonDown(int x, int y);
  void LeftButtonUp();
  void GameTick();
  void CheckSquares();
  void Undo();
  void Retry();
  void RestartGame();
  void About();             // command 104
  void Help();              // command 116
  bool UndoEnabled() const { return MovedSinceUndo; }

  // --- Settings, options and closing (levels/game_window_setup.cpp) ---
  void ToggleSound();             // command 110
  void ToggleAnimation();         // command 113
  void ToggleSmoothMovement();    // command 51685
  // The close check: asks the quit question; on Yes stores LAST and sets
  // AppClosing. Returns whether the program may close.
  bool CanClose();
  // Stores the level to resume at (SETUP LAST), as a confirmed close does.
  void StoreLastLevel();
  void CloseRequest() override;   // close check, then end the program

  // --- Navigation (levels/level_loading.cpp, levels/navigation.cpp) ---
  void ShowNotice(int kind, const std::string& text = {});
  bool LoadWorldLevel() override;
  // LoadWorldLevel; when it fails, the close request (the player may quit).
  // Either way the whole window is repainted afterwards.
  void LoadWorldLevelOrQuit();
  void LoadExtraLevel() override;
  void OpenUserLevel() override;
  void OpenExtraWorld();
  void RestartWorld() override;
  void NextLevel() override;
  void PreviousLevel() override;
  void NextWorld() override;
  void PreviousWorld() override;
  void SelectWorld(int world);
  bool NextLevelEnabled() const;
  bool PreviousLevelEnabled() const;

  // --- Progress (levels/progress.cpp, levels/password_gate.cpp) ---
  void LevelSolved() override;
  void ReplaySolution();          // command 114
  void DeleteRecords();           // command 108
  // Password gate of LoadWorldLevel; may lower LevelNumber by one.
  void PasswordGate();

  // --- Pictures (render/) ---
  void SetupGameWindow();
  void ShowMenuPictures();
  void PaintGameWindow(const platform::Rect& area);
  void PaintBackground();
  void SelectBackground(int pattern);
  void RebuildBackBuffer();
  void RedrawCells(int c0, int c1, int r0, int r1) override;
  void TitleStep() override;
  void AboutStep() override;
  void Celebrate();
  void DestroyGameWindowGraphics();
  void UpdateStatusLine() override;
  std::string StatusLineText() const;

  // --- Sound and music (audio/) ---
  void PlayEffect(int sound) override;
  void StartMusic();      // at the end of the window set-up, and after a song
  void SongEnded();       // the platform's report that a song has ended
  void ToggleMusic();     // command 112
  void ShowSongList();    // command 51694
  void OpenMusicDevice();   // window set-up: song ends come to this window
  void CloseMusicDevice();  // window end: stops the song, no more reports

  // --- Host services ---
  void InvalidateAll() override { Platform.InvalidateGameWindow(); }
  uint32_t TickCount() override { return Platform.TickCount(); }
  int Random() override;

  platform::Platform& Platform;

  // Paths (all built once at construction).
  std::string ProgramDir;  // ends in '/'
  std::string SettingsPath;
  std::string DataDir;     // ends in '/', or empty
  std::array<std::string, 5> SoundFilePaths;
  std::string WorldsFilePath;
  std::string ExtraWorldPath;
  std::string ExtraRecordsPath;

  int32_t BackgroundChoice = 0;
  std::array<int32_t, 120> PasswordTable{};
  std::unique_ptr<EditorFrameWindow> EditorFrame;
  // The main frame, whose client this window is; set by the shell when the
  // frame exists (null in tests and tools). The editor shows it again.
  platform::Frame* GameFrame = nullptr;

  TickState Tick;
  std::unique_ptr<GameGraphics> Graphics;
};

// Set once the player has confirmed quitting; the editor frame may close then.
extern bool AppClosing;

}  // namespace lorvix
