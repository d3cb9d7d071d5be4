#pragma once
// The seam between the game and the machine it runs on. Everything above
// this interface is plain C++; the wx/SDL implementation shows real windows
// and plays real sound, the headless implementation (platform/headless)
// answers from a script and records what was asked, for tests and tools.
//
// Texts are UTF-8. Pixels are 0x00RRGGBB.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/frame.h"

namespace platform {

enum class Icon { None, Stop, Question, Information };
enum class Buttons { Ok, YesNo, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
  std::string filter;      // e.g. "Level (*.sda)|*.sda"
  std::string defaultExt;  // without the dot, e.g. "sda"
  std::string initialDir;
  bool mustExist = true;   // open dialogs: path and file must exist
  bool overwritePrompt = true;  // save dialogs: ask before replacing a file
};

struct FileDialogResult {
  bool confirmed = false;
  int errorCode = 0;       // non-zero when the dialog itself failed
  std::string path;        // the chosen path (or the name field on an error)
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Windows. A frame starts hidden; see platform/frame.h.
  virtual std::unique_ptr<Frame> CreateFrame(const FrameSpec& spec, WindowEvents& events) = 0;
  // Runs a modal dialog centred on the active frame until a DIALOG_OK
  // button is pressed or the dialog is closed.
  virtual void RunDialog(const DialogSpec& spec, WindowEvents& events) = 0;
  // Runs the program until EndProgram. `tick` (may be empty) runs about
  // every 5 ms, but never while a modal dialog or message box is open.
  // Returns the program's exit code.
  virtual int RunEventLoop(std::function<void()> tick) = 0;

  // Modal message box; returns the button pressed.
  virtual Answer MessageBox(const std::string& text, const std::string& caption, Icon icon,
                            Buttons buttons) = 0;
  virtual FileDialogResult OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual FileDialogResult SaveFileDialog(const FileDialogRequest& request) = 0;
  // Text input with OK and Cancel; nullopt when cancelled. At most maxChars
  // characters can be typed.
  virtual std::optional<std::string> TextInputDialog(const std::string& title,
                                                     const std::string& prompt,
                                                     int maxChars) = 0;

  // Milliseconds since some fixed point; wraps around like a 32-bit counter.
  virtual uint32_t TickCount() = 0;

  // Sound effects: plays the WAV file asynchronously, cutting off the one
  // still playing. An empty path stops the sound.
  virtual void PlaySoundFile(const std::string& path) = 0;

  // Background music, one song at a time. Each call returns 0 or an error
  // number whose text MusicErrorText gives. When a song that PlayMusic
  // started ends by itself, the platform calls the handler set with
  // SetMusicFinishedHandler on the window thread, never from inside a call
  // of the game (closing a song does not report its end).
  virtual int OpenMusic(const std::string& path) = 0;
  virtual int PlayMusic() = 0;
  virtual int CloseMusic() = 0;
  virtual std::string MusicErrorText(int error) = 0;
  virtual void SetMusicFinishedHandler(std::function<void()> handler) = 0;

  // The game window, the client of the frame created with
  // FrameSpec::showsGameWindow: ask for a full repaint (no erase), and copy
  // finished pixels of `source` inside `area` to the same place on screen.
  virtual void InvalidateGameWindow() = 0;
  virtual void PresentGameWindow(const PixelView& source, const Rect& area) = 0;

  // Text of the game frame's status field, and its caption.
  virtual void SetStatusText(const std::string& text) = 0;
  virtual void SetFrameCaption(const std::string& text) = 0;

  // Ends the program after the close check has been answered Yes.
  virtual void EndProgram() = 0;

  // Size of the primary screen in pixels.
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;

  // Opens a help page in the user's browser; failures are not reported.
  virtual void OpenHelpPage(const std::string& path) = 0;

  // Runs `function` on the window thread soon, after the event being
  // handled. Safe to call from any thread: work running beside the windows
  // hands its results over this way. A function posted shortly before the
  // program ends may never run.
  virtual void CallAfter(std::function<void()> function) = 0;
};

}  // namespace platform
