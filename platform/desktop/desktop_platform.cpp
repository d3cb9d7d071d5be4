// The desktop platform: the toolkit's application object, the tick timer,
// and the platform functions, each handed to the window, dialog or audio
// code that does the work.

#include "platform/desktop/desktop_platform.h"

#include <wx/app.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/timer.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/desktop/sdl_audio.h"
#include "platform/desktop/wx_dialogs.h"
#include "platform/desktop/wx_frame.h"

namespace platform {
namespace {

class DesktopApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

// Counts the modal dialogs and message boxes that are open: the tick waits
// while any is. (The toolkit's timers go on firing during them.)
class ModalCounter : public wxModalDialogHook {
 public:
  int open = 0;

 protected:
  int Enter(wxDialog*) override {
    ++open;
    return wxID_NONE;
  }
  void Exit(wxDialog*) override { --open; }
};

// The toolkit's asserts open a dialog of their own; a program in use (or a
// test without anyone to answer) is better served by a line on stderr.
void AssertToStderr(const wxString& file, int line, const wxString& func, const wxString& cond,
                    const wxString& msg) {
  std::fprintf(stderr, "wx assert %s:%d %s: %s %s\n", file.utf8_str().data(), line,
               func.utf8_str().data(), cond.utf8_str().data(), msg.utf8_str().data());
}

// Stock button labels in German, whatever the desktop's language.
void UseGermanStockLabels() {
  auto* translations = new wxTranslations;
  translations->SetLanguage(wxLANGUAGE_GERMAN);
  translations->AddStdCatalog();
  wxTranslations::Set(translations);
}

class DesktopPlatform;
DesktopPlatform* g_platform = nullptr;

class DesktopPlatform : public Platform {
 public:
  DesktopPlatform(int argc, char** argv) {
    // GTK's own texts (in the file dialogs) in German too, wherever the
    // desktop's locale lets GTK translate.
    setenv("LANGUAGE", "de", 1);
    wxApp::SetInstance(new DesktopApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
      wxEntryCleanup();
      throw std::runtime_error("Es konnte kein Fenster geöffnet werden (keine Anzeige?).");
    }
    wxSetAssertHandler(AssertToStderr);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    UseGermanStockLabels();
    wxTheApp->SetExitOnFrameDelete(false);
    // No window of ours works in idle time; with 200 ticks a second, idle
    // events to every window would cost more than the game itself.
    wxIdleEvent::SetMode(wxIDLE_PROCESS_SPECIFIED);
    modal_.Register();
    g_platform = this;
    wxTheApp->SetSignalHandler(SIGTERM, [](int) {
      if (g_platform) g_platform->Terminate();
    });
    audio_ = std::make_unique<SdlAudio>(
        [](std::function<void()> f) { wxTheApp->CallAfter(std::move(f)); });
    timer_ = std::make_unique<wxTimer>();
    timer_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { OnTimer(); });
  }

  ~DesktopPlatform() override {
    timer_.reset();
    audio_.reset();
    g_platform = nullptr;
    modal_.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
  }

  std::unique_ptr<Frame> CreateFrame(const FrameSpec& spec, WindowEvents& events) override {
    auto frame = std::make_unique<DesktopFrame>(spec, events, [this](DesktopFrame* gone) {
      if (gameFrame_ == gone) gameFrame_ = nullptr;
    });
    if (spec.showsGameWindow) gameFrame_ = frame.get();
    return frame;
  }

  void RunDialog(const DialogSpec& spec, WindowEvents& events) override {
    RunModalDialog(spec, events);
  }

  // The tick runs from a 5 ms timer, which keeps the game's pace without
  // keeping a processor busy.
  int RunEventLoop(std::function<void()> tick) override {
    if (ended_) return 0;
    tick_ = std::move(tick);
    timer_->Start(5);
    wxTheApp->OnRun();
    timer_->Stop();
    tick_ = nullptr;
    return 0;
  }

  Answer MessageBox(const std::string& text, const std::string& caption, Icon icon,
                    Buttons buttons) override {
    return ShowMessageBox(text, caption, icon, buttons);
  }
  FileDialogResult OpenFileDialog(const FileDialogRequest& request) override {
    return ShowFileDialog(request, false);
  }
  FileDialogResult SaveFileDialog(const FileDialogRequest& request) override {
    return ShowFileDialog(request, true);
  }
  std::optional<std::string> TextInputDialog(const std::string& title, const std::string& prompt,
                                             int maxChars) override {
    return ShowTextInput(title, prompt, maxChars);
  }

  uint32_t TickCount() override {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }

  void PlaySoundFile(const std::string& path) override { audio_->PlaySoundFile(path); }
  int OpenMusic(const std::string& path) override { return audio_->OpenMusic(path); }
  int PlayMusic() override { return audio_->PlayMusic(); }
  int CloseMusic() override { return audio_->CloseMusic(); }
  std::string MusicErrorText(int error) override { return audio_->MusicErrorText(error); }
  void SetMusicFinishedHandler(std::function<void()> handler) override {
    audio_->SetMusicFinishedHandler(std::move(handler));
  }

  void InvalidateGameWindow() override {
    if (gameFrame_) gameFrame_->Invalidate();
  }
  void PresentGameWindow(const PixelView& source, const Rect& area) override {
    if (gameFrame_) gameFrame_->Present(source, area);
  }
  void SetStatusText(const std::string& text) override {
    if (gameFrame_) gameFrame_->SetStatusText(text);
  }
  void SetFrameCaption(const std::string& text) override {
    if (gameFrame_) gameFrame_->SetCaption(text);
  }

  void EndProgram() override {
    ended_ = true;
    wxTheApp->ExitMainLoop();
  }

  int ScreenWidth() override { return wxDisplay(0u).GetGeometry().GetWidth(); }
  int ScreenHeight() override { return wxDisplay(0u).GetGeometry().GetHeight(); }

  // The browser is started in the background; a failure is not reported.
  void OpenHelpPage(const std::string& path) override {
    wxLogNull quiet;
    wxLaunchDefaultBrowser(wxFileName::FileNameToURL(wxFileName(wxString::FromUTF8(path))),
                           wxBROWSER_NOBUSYCURSOR);
  }

  // The toolkit's queue of pending events takes functions from any thread.
  void CallAfter(std::function<void()> function) override { wxTheApp->CallAfter(std::move(function)); }

  // The desktop asked the program to end (SIGTERM, e.g. at logout). It ends
  // as soon as no modal dialog is open.
  void Terminate() {
    terminating_ = true;
    if (modal_.open == 0) EndProgram();
  }

 private:
  // Ticks never nest and never run while a dialog is open (its owner waits
  // for it in the middle of its work) or a menu is (the game keeps still
  // while the player chooses, and the status bar keeps the item's hint).
  void OnTimer() {
    if (terminating_ && modal_.open == 0 && !ended_) EndProgram();
    if (!tick_ || inTick_ || modal_.open > 0 || AnyMenuOpen() || ended_) return;
    inTick_ = true;
    tick_();
    inTick_ = false;
  }

  ModalCounter modal_;
  std::unique_ptr<wxTimer> timer_;
  std::unique_ptr<SdlAudio> audio_;
  std::function<void()> tick_;
  DesktopFrame* gameFrame_ = nullptr;
  bool inTick_ = false;
  bool ended_ = false;
  bool terminating_ = false;
};

}  // namespace

std::unique_ptr<Platform> CreateDesktopPlatform(int argc, char** argv) {
  return std::make_unique<DesktopPlatform>(argc, argv);
}

}  // namespace platform
