#pragma once
// A platform without display or sound card. Questions and dialogs are
// answered from queues that a test fills beforehand, and everything asked is
// recorded so that tests can check texts, captions, icons and buttons. The
// clock only moves when the test moves it. Presented pixels land in `screen`.
// Functions posted with CallAfter wait in `posted` until the test runs them
// (RunPosted, WaitForPosted) or the event loop does, on the test's thread.

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_frame.h"
#include "platform/headless/posted_queue.h"
#include "platform/platform.h"

namespace platform {

struct RecordedMessage {
  std::string text;
  std::string caption;
  Icon icon;
  Buttons buttons;
};

struct RecordedDialog {
  std::string kind;  // "open", "save" or "input"
  FileDialogRequest request;
  std::string title;
};

// What a test does in a modal dialog while it is open: press buttons,
// select rows, read the controls. The dialog closes when the script returns.
using DialogScript = std::function<void(HeadlessControls& controls, WindowEvents& events)>;

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform();

  std::unique_ptr<Frame> CreateFrame(const FrameSpec& spec, WindowEvents& events) override;
  void RunDialog(const DialogSpec& spec, WindowEvents& events) override;
  // Advances the clock by 5 ms, runs what was posted and ticks until
  // EndProgram, at most `loopTicks` times.
  int RunEventLoop(std::function<void()> tick) override;

  Answer MessageBox(const std::string& text, const std::string& caption, Icon icon,
                    Buttons buttons) override;
  FileDialogResult OpenFileDialog(const FileDialogRequest& request) override;
  FileDialogResult SaveFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> TextInputDialog(const std::string& title, const std::string& prompt,
                                             int maxChars) override;
  uint32_t TickCount() override { return now; }
  void PlaySoundFile(const std::string& path) override { sounds.push_back(path); }
  int OpenMusic(const std::string& path) override;
  int PlayMusic() override { return musicOpen.empty() ? 1 : nextPlayError; }
  int CloseMusic() override;
  std::string MusicErrorText(int error) override { return "Fehler " + std::to_string(error); }
  void SetMusicFinishedHandler(std::function<void()> handler) override {
    musicFinished = std::move(handler);
  }
  // Lets the song that plays end, as the real device would after its last note.
  void FinishSong();
  void InvalidateGameWindow() override { ++invalidations; }
  void PresentGameWindow(const PixelView& source, const Rect& area) override;
  void SetStatusText(const std::string& text) override { statusText = text; }
  void SetFrameCaption(const std::string& text) override { frameCaption = text; }
  void EndProgram() override { ended = true; }
  int ScreenWidth() override { return screenWidth; }
  int ScreenHeight() override { return screenHeight; }
  void OpenHelpPage(const std::string& path) override { helpPages.push_back(path); }
  void CallAfter(std::function<void()> function) override { posted.Post(std::move(function)); }

  // Runs the functions posted so far (see PostedQueue::RunPosted).
  int RunPosted() { return posted.RunPosted(); }
  // Waits until a function is posted, at most `timeout`, and runs every
  // posted function then. Returns how many ran.
  int WaitForPosted(std::chrono::milliseconds timeout) {
    posted.WaitForPost(timeout);
    return posted.RunPosted();
  }
  PostedQueue posted;

  // Script: answers are taken from the front. An empty queue answers
  // message boxes with OK or No, and cancels dialogs.
  std::deque<Answer> answers;
  std::deque<FileDialogResult> fileDialogResults;
  std::deque<std::optional<std::string>> textInputs;
  std::deque<DialogScript> dialogScripts;  // an empty queue closes at once
  int loopTicks = 1000;

  // Record.
  std::vector<RecordedMessage> messages;
  std::vector<RecordedDialog> dialogs;
  std::vector<HeadlessFrame*> frames;        // every frame created, in order
  std::vector<DialogSpec> modalDialogs;      // every dialog run, in order
  std::vector<std::string> sounds;
  std::vector<std::string> helpPages;
  std::string statusText;
  std::string frameCaption;
  bool ended = false;
  int invalidations = 0;
  int presents = 0;

  // Music: the song open now (empty when none), every song opened, and the
  // error the next open or play answers with (0 = success).
  std::string musicOpen;
  std::vector<std::string> songsOpened;
  int nextOpenError = 0;
  int nextPlayError = 0;
  std::function<void()> musicFinished;

  uint32_t now = 0;
  int screenWidth = 1280;
  int screenHeight = 1024;

  // What the game window shows; grows to whatever is presented into it.
  static constexpr int kScreenWidth = 710;
  static constexpr int kScreenHeight = 550;
  std::vector<uint32_t> screen;
};

}  // namespace platform
