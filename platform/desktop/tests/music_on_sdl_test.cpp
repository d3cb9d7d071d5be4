// The game window's music on the real SDL audio (with SDL's silent "dummy"
// driver, which keeps real time): a song's end comes back to the window
// through the window thread and starts the next pick, and a listed song
// that is missing is reported once with the mixer's own text.

#include <gtest/gtest.h>

#include <optional>

#include "levels/tests/window_fixture.h"
#include "platform/desktop/sdl_audio.h"
#include "platform/desktop/tests/audio_capture.h"
#include "resources/music/midi_file.h"

namespace lorvix::testing {
namespace {

// Windows and dialogs of the headless platform, sound and music of SDL.
class SdlMusicPlatform : public platform::HeadlessPlatform {
 public:
  SdlMusicPlatform() {
    platform::testing::UseAudioDriver("dummy");
    audio.emplace(posted.Poster());
  }
  void PlaySoundFile(const std::string& path) override { audio->PlaySoundFile(path); }
  int OpenMusic(const std::string& path) override {
    songsOpened.push_back(path);
    return audio->OpenMusic(path);
  }
  int PlayMusic() override { return audio->PlayMusic(); }
  int CloseMusic() override { return audio->CloseMusic(); }
  std::string MusicErrorText(int error) override { return audio->MusicErrorText(error); }
  void SetMusicFinishedHandler(std::function<void()> handler) override {
    audio->SetMusicFinishedHandler(std::move(handler));
  }

  std::optional<platform::SdlAudio> audio;
};

class MusicOnSdl : public WindowTest {
 protected:
  void StartGame() {
    WriteWorldsFile(1);
    window = std::make_unique<TMyWindow>(sdl, AppPaths{programDir, settingsFile});
    window->SetupGameWindow();
  }
  SdlMusicPlatform sdl;
};

TEST_F(MusicOnSdl, EndOfASongStartsTheNextPickOnTheWindowThread) {
  lorvix::music::MidiTrack track;
  track.Tempo(0, 120);
  track.Note(0, 67, 100, 0, 240);
  lorvix::music::WriteMidiFile(programDir + "kurz.mid", 480, {track});
  SetSetting("SETUP", "MIDI", "1");
  SetSetting("MIDI", "Midi19", "kurz.mid");  // beside the program
  StartGame();
  ASSERT_EQ(sdl.songsOpened.size(), 1u);

  ASSERT_TRUE(sdl.posted.WaitForPost(std::chrono::seconds(10)));
  EXPECT_EQ(sdl.songsOpened.size(), 1u) << "the end waits for the window thread";
  sdl.posted.RunPosted();
  EXPECT_EQ(sdl.songsOpened.size(), 2u);
  EXPECT_TRUE(w().MusicOn);
  EXPECT_TRUE(sdl.messages.empty());
}

TEST_F(MusicOnSdl, MissingSongIsReportedOnceAndTheSettingKeepsMusicOn) {
  SetSetting("SETUP", "MIDI", "1");
  SetSetting("MIDI", "Midi0", programDir + "weg.mid");
  StartGame();
  ASSERT_EQ(sdl.messages.size(), 1u);
  EXPECT_EQ(sdl.messages[0].caption, "MCI Rückmeldung - Open - (Fehlermeldung)");
  EXPECT_EQ(sdl.messages[0].text.rfind("Fehlernummer: 1 \n\nFehlerstring: ", 0), 0u);
  EXPECT_NE(sdl.messages[0].text.find("weg.mid"), std::string::npos) << "the mixer's text";
  EXPECT_FALSE(w().MusicOn);
  EXPECT_EQ(Setting("SETUP", "MIDI"), "1");
  platform::testing::Sleep(300);
  EXPECT_EQ(sdl.posted.RunPosted(), 0);
  EXPECT_EQ(sdl.messages.size(), 1u);
}

}  // namespace
}  // namespace lorvix::testing
