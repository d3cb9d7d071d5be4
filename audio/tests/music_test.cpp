// Sound effects, background music and the song list dialog, on the headless
// platform: which songs are opened when, what the player is told, and what
// the settings file keeps.

#include <filesystem>
#include <set>

#include "levels/tests/window_fixture.h"

namespace lorvix::testing {
namespace {

using platform::HeadlessControls;
using platform::WindowEvents;

constexpr int ID_CHANGE = 101, ID_EMPTY = 102, ID_SONGS = 104;

class Music : public WindowTest {
 protected:
  void ListSong(int slot, const std::string& path) { SetSetting("MIDI", "Midi" + std::to_string(slot), path); }
  std::string Song(int slot) const { return Setting("MIDI", "Midi" + std::to_string(slot)); }
  // The game as it starts: window constructed and set up.
  TMyWindow& Start() {
    WriteWorldsFile(1);
    Open().SetupGameWindow();
    return w();
  }
  void InDialog(platform::DialogScript script) { platform.dialogScripts.push_back(std::move(script)); }
};

TEST_F(Music, OnlySongIsPlayedAgainAfterEachEndFromTheProgramDirectory) {
  SetSetting("SETUP", "MIDI", "1");
  ListSong(19, "lied.mid");
  Start();
  EXPECT_EQ(platform.musicOpen, "lied.mid");
  EXPECT_EQ(std::filesystem::current_path().string() + "/", programDir);

  platform.FinishSong();
  platform.FinishSong();
  EXPECT_EQ(platform.songsOpened, (std::vector<std::string>{"lied.mid", "lied.mid", "lied.mid"}));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Music, RandomPicksReachEveryListedSongAndNoEmptySlot) {
  SetSetting("SETUP", "MIDI", "1");
  ListSong(2, "/a.mid");
  ListSong(7, "/b.mid");
  Start();
  for (int i = 0; i < 60; ++i) platform.FinishSong();
  std::set<std::string> opened(platform.songsOpened.begin(), platform.songsOpened.end());
  EXPECT_EQ(opened, (std::set<std::string>{"/a.mid", "/b.mid"}));
}

TEST_F(Music, EmptyListLeavesTheMusicOnButSilentUntilSwitchedOffAndOn) {
  SetSetting("SETUP", "MIDI", "1");
  TMyWindow& g = Start();
  EXPECT_TRUE(g.MusicOn);
  EXPECT_TRUE(platform.songsOpened.empty());
  EXPECT_TRUE(platform.messages.empty());

  ListSong(5, "/neu.mid");
  EXPECT_TRUE(platform.songsOpened.empty()) << "filling a slot starts nothing by itself";
  g.ToggleMusic();
  g.ToggleMusic();
  EXPECT_EQ(platform.musicOpen, "/neu.mid");
}

TEST_F(Music, MusicOffAtStartPlaysNothing) {
  ListSong(0, "/a.mid");
  Start();
  EXPECT_FALSE(w().MusicOn);
  EXPECT_TRUE(platform.songsOpened.empty());
}

TEST_F(Music, SongThatCannotBeOpenedIsReportedOnceAndSwitchesOffForThisRunOnly) {
  SetSetting("SETUP", "MIDI", "1");
  ListSong(3, "/weg.mid");
  platform.nextOpenError = 263;
  TMyWindow& g = Start();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Fehlernummer: 263 \n\nFehlerstring: Fehler 263");
  EXPECT_EQ(LastMessage().caption, "MCI Rückmeldung - Open - (Fehlermeldung)");
  EXPECT_EQ(LastMessage().icon, platform::Icon::None);
  EXPECT_EQ(LastMessage().buttons, platform::Buttons::Ok);
  EXPECT_FALSE(g.MusicOn);
  EXPECT_EQ(Setting("SETUP", "MIDI"), "1");

  platform.nextOpenError = 0;
  g.ToggleMusic();
  EXPECT_TRUE(g.MusicOn);
  EXPECT_EQ(platform.musicOpen, "/weg.mid");
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Music, SongThatCannotBePlayedIsReportedAndClosed) {
  SetSetting("SETUP", "MIDI", "1");
  ListSong(0, "/a.mid");
  platform.nextPlayError = 5;
  Start();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage().caption, "MCI Rückmeldung - Play - (Fehlermeldung)");
  EXPECT_TRUE(platform.musicOpen.empty());
  EXPECT_FALSE(w().MusicOn);
}

TEST_F(Music, SwitchingOffStopsAtOnceAndALateEndStartsNothing) {
  SetSetting("SETUP", "MIDI", "1");
  ListSong(0, "/a.mid");
  TMyWindow& g = Start();
  g.ToggleMusic();
  EXPECT_TRUE(platform.musicOpen.empty());
  EXPECT_EQ(Setting("SETUP", "MIDI"), "0");
  platform.musicFinished();
  EXPECT_EQ(platform.songsOpened.size(), 1u);

  g.ToggleMusic();
  EXPECT_EQ(Setting("SETUP", "MIDI"), "1");
  EXPECT_EQ(platform.songsOpened.size(), 2u);
}

TEST_F(Music, ClosingTheWindowStopsTheSongAndItsReports) {
  SetSetting("SETUP", "MIDI", "1");
  ListSong(0, "/a.mid");
  Start();
  window.reset();
  EXPECT_TRUE(platform.musicOpen.empty());
  EXPECT_FALSE(platform.musicFinished);
}

TEST_F(Music, EffectsPlayWhileSoundIsAnyNonZeroValue) {
  SetSetting("SETUP", "SOUND", "2");
  TMyWindow& g = Open();
  for (int n : {0, 1, 5, 6}) g.PlayEffect(n);
  EXPECT_EQ(platform.sounds, (std::vector<std::string>{programDir + "SOUND1.WAV", programDir + "SOUND5.WAV"}));
  g.ToggleSound();
  g.ToggleSound();
  g.PlayEffect(3);
  EXPECT_EQ(platform.sounds.size(), 2u) << "sound is off now";
}

using SongList = Music;

TEST_F(SongList, DialogListsEverySlotWithFreiForEmptyOnes) {
  ListSong(0, "/musik/a.mid");
  InDialog([](HeadlessControls& c, WindowEvents&) {
    ASSERT_EQ(c.rows[ID_SONGS].size(), 20u);
    EXPECT_EQ(c.rows[ID_SONGS][0], "/musik/a.mid");
    EXPECT_EQ(c.rows[ID_SONGS][19], "Frei");
  });
  Open().ShowSongList();
  ASSERT_EQ(platform.modalDialogs.size(), 1u);
  const platform::DialogSpec& spec = platform.modalDialogs[0];
  EXPECT_EQ(spec.caption, "Hintergrundmusik - Songauswahl");
  EXPECT_EQ(spec.width, 305);
  EXPECT_EQ(spec.height, 184);
  EXPECT_TRUE(platform.dialogScripts.empty()) << "the script ran";
}

TEST_F(SongList, ChangeAndEmptyAskForASelectionFirst) {
  InDialog([](HeadlessControls& c, WindowEvents& e) {
    e.ControlActivated(c, ID_CHANGE, -1);
    e.ControlActivated(c, ID_EMPTY, -1);
  });
  Open().ShowSongList();
  ASSERT_EQ(platform.messages.size(), 2u);
  for (const auto& m : platform.messages) {
    EXPECT_EQ(m.text, "Sie müssen erst einen Eintrag auswählen.");
    EXPECT_EQ(m.caption, "Sorry");
    EXPECT_EQ(m.icon, platform::Icon::None);
  }
  EXPECT_TRUE(platform.dialogs.empty()) << "no file dialog without a selection";
}

TEST_F(SongList, ButtonAndDoubleClickChangeASlotAtOnceAndEmptyingKeepsTheKey) {
  std::filesystem::create_directories(programDir + "musik");
  Choose("/m/eins.mid");
  Choose("/m/zwei.mid");
  InDialog([this](HeadlessControls& c, WindowEvents& e) {
    c.selection[ID_SONGS] = 4;
    e.ControlActivated(c, ID_CHANGE, -1);
    EXPECT_EQ(Song(4), "/m/eins.mid") << "written before the dialog closes";
    EXPECT_EQ(c.rows[ID_SONGS][4], "/m/eins.mid");
    EXPECT_EQ(c.Selection(ID_SONGS), -1) << "the list was filled again";

    e.ControlActivated(c, ID_SONGS, 6);
    EXPECT_EQ(c.rows[ID_SONGS][6], "/m/zwei.mid");

    c.selection[ID_SONGS] = 4;
    e.ControlActivated(c, ID_EMPTY, -1);
    EXPECT_EQ(c.rows[ID_SONGS][4], "Frei");
  });
  Open().ShowSongList();
  EXPECT_EQ(Song(4), "");
  EXPECT_NE(ReadFile(settingsFile).find("Midi4=\n"), std::string::npos);
  EXPECT_EQ(Song(6), "/m/zwei.mid");
  ASSERT_EQ(platform.dialogs.size(), 2u);
  const platform::FileDialogRequest& r = platform.dialogs[0].request;
  EXPECT_EQ(platform.dialogs[0].kind, "open");
  EXPECT_EQ(r.filter, "Midi - Datei (*.mid)|*.mid");
  EXPECT_EQ(r.defaultExt, "mid");
  EXPECT_TRUE(r.mustExist);
  EXPECT_EQ(r.initialDir, programDir + "musik");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SongList, CancelledFileDialogChangesNothingAndAFailedOneIsReported) {
  ListSong(1, "/alt.mid");
  platform.fileDialogResults.push_back({false, 0, ""});
  platform.fileDialogResults.push_back({false, 12290, "x"});
  InDialog([](HeadlessControls& c, WindowEvents& e) {
    c.selection[ID_SONGS] = 1;
    e.ControlActivated(c, ID_CHANGE, -1);
    e.ControlActivated(c, ID_SONGS, 1);
  });
  Open().ShowSongList();
  EXPECT_EQ(Song(1), "/alt.mid");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Fehler beim öffnen der Datei #12290");
  EXPECT_EQ(LastMessage().caption, "Datei Fehler");
  EXPECT_EQ(LastMessage().icon, platform::Icon::Stop);
}

TEST_F(SongList, EmptyingThePlayingSongLetsItEndAndThenNothingFollows) {
  SetSetting("SETUP", "MIDI", "1");
  ListSong(19, "/lied.mid");
  Start();
  InDialog([](HeadlessControls& c, WindowEvents& e) {
    c.selection[ID_SONGS] = 19;
    e.ControlActivated(c, ID_EMPTY, -1);
  });
  w().ShowSongList();
  EXPECT_EQ(platform.musicOpen, "/lied.mid");
  platform.FinishSong();
  EXPECT_EQ(platform.songsOpened.size(), 1u);
  EXPECT_TRUE(w().MusicOn);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace lorvix::testing
