// The SDL2_mixer audio on SDL's "disk" driver, which writes what would be
// heard into a file in real time: effects, MIDI music, song ends, errors,
// and a machine without any audio device.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "levels/tests/scratch_dir.h"
#include "platform/desktop/sdl_audio.h"
#include "platform/desktop/tests/audio_capture.h"
#include "resources/music/midi_file.h"
#include "resources/sounds/wav_file.h"

namespace platform::testing {
namespace {

using lorvix::testing::ScratchDir;
using ::testing::HasSubstr;

const std::string kData = LORVIX_DATA_DIR;

// A sine tone of `seconds` at half of full scale.
std::string WriteTone(const ScratchDir& dir, const std::string& name, double hz, double seconds) {
  std::vector<double> samples(static_cast<size_t>(seconds * 44100));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = 0.5 * std::sin(2 * M_PI * hz * i / 44100);
  lorvix::sounds::WriteWav(dir / name, samples, 44100);
  return dir / name;
}

// One quarter note at 120 a minute: a song of half a second.
std::string WriteShortSong(const std::string& path) {
  lorvix::music::MidiTrack track;
  track.Tempo(0, 120);
  track.Program(0, 0);
  track.Note(0, 72, 100, 0, 480);
  lorvix::music::WriteMidiFile(path, 480, {track});
  return path;
}

class SdlAudioTest : public ::testing::Test {
 protected:
  void OpenDisk() {
    UseAudioDriver("disk", dir / "out.raw");
    audio = std::make_unique<SdlAudio>(posted.Poster());
    ASSERT_TRUE(audio->HasDevice());
    audio->SetMusicFinishedHandler([this] {
      ++songEnds;
      endThread = std::this_thread::get_id();
    });
  }
  // Closes the device, which flushes the file, and reads what was played.
  Capture Finish() {
    audio.reset();
    return Capture(dir / "out.raw");
  }

  ScratchDir dir;
  PostedQueue posted;
  std::unique_ptr<SdlAudio> audio;
  int songEnds = 0;
  std::thread::id endThread;
};

TEST_F(SdlAudioTest, NewEffectCutsOffTheOneBeforeAndABrokenFileOnlyStops) {
  const std::string longTone = WriteTone(dir, "lang.wav", 440, 1.0);
  const std::string shortTone = WriteTone(dir, "kurz.wav", 880, 0.1);
  lorvix::testing::WriteBytes(dir / "kaputt.wav", "RIFF but no wave");
  OpenDisk();
  audio->PlaySoundFile(longTone);
  Sleep(200);
  audio->PlaySoundFile(shortTone);
  Sleep(400);
  audio->PlaySoundFile(longTone);
  Sleep(200);
  audio->PlaySoundFile(dir / "kaputt.wav");
  Sleep(400);
  audio->PlaySoundFile(dir / "fehlt.wav");
  const Capture played = Finish();
  // 0.2 s of the first tone, the short one, 0.2 s of the long one again;
  // without cutting off, the long tones would sound for 1.6 s on end.
  EXPECT_GT(played.SoundingSeconds(), 0.35);
  EXPECT_LT(played.SoundingSeconds(), 1.2);
  EXPECT_EQ(played.SoundingRuns(0.2), 2);
}

TEST_F(SdlAudioTest, TheFiveGameSoundsAllSoundWithoutClipping) {
  OpenDisk();
  // The long exit sound comes last, so that nothing cuts it off.
  for (int n : {1, 2, 3, 5, 4}) {
    audio->PlaySoundFile(kData + "/SOUND" + std::to_string(n) + ".WAV");
    Sleep(600);
  }
  Sleep(600);
  const Capture played = Finish();
  EXPECT_EQ(played.SoundingRuns(0.1), 5);
  EXPECT_GT(played.Peak(), 0.3);
  EXPECT_LT(played.Peak(), 0.9);
}

TEST_F(SdlAudioTest, OurTunePlaysAndStopsAtOnceWhenClosedWithoutReportingAnEnd) {
  OpenDisk();
  ASSERT_EQ(audio->OpenMusic(kData + "/musik/Waldweg.mid"), 0);
  ASSERT_EQ(audio->PlayMusic(), 0);
  Sleep(1500);
  EXPECT_EQ(audio->CloseMusic(), 0);
  Sleep(300);
  posted.RunPosted();
  EXPECT_EQ(songEnds, 0);
  const Capture played = Finish();
  EXPECT_GT(played.SoundingSeconds(), 0.5);
  EXPECT_LT(played.PeakOfLast(0.2), 0.01) << "silent after closing";
}

TEST_F(SdlAudioTest, SongEndReachesTheWindowThreadOnlyThroughPostAndHaltsAreNoEnds) {
  const std::string song = WriteShortSong(dir / "kurz.mid");
  OpenDisk();
  ASSERT_EQ(audio->OpenMusic(song), 0);
  ASSERT_EQ(audio->PlayMusic(), 0);
  ASSERT_TRUE(posted.WaitForPost(std::chrono::seconds(10)));
  EXPECT_EQ(songEnds, 0) << "nothing runs on the audio thread";
  posted.RunPosted();
  EXPECT_EQ(songEnds, 1);
  EXPECT_EQ(endThread, std::this_thread::get_id());

  ASSERT_EQ(audio->PlayMusic(), 0);
  ASSERT_EQ(audio->PlayMusic(), 0) << "starts the song again, halting it first";
  Sleep(200);
  audio->CloseMusic();
  posted.RunPosted();
  EXPECT_EQ(songEnds, 1);
}

TEST_F(SdlAudioTest, SongsThatCannotBeReadFailToOpenWithATextToShow) {
  lorvix::testing::WriteBytes(dir / "text.mid", "Dies ist kein Lied.\n");
  const std::string whole = lorvix::testing::ReadBytes(kData + "/musik/Waldweg.mid");
  lorvix::testing::WriteBytes(dir / "halb.mid", whole.substr(0, whole.size() / 2));
  OpenDisk();
  EXPECT_EQ(audio->OpenMusic(dir / "weg.mid"), MUSIC_OPEN_FAILED);
  EXPECT_THAT(audio->MusicErrorText(MUSIC_OPEN_FAILED), HasSubstr("weg.mid"));
  EXPECT_EQ(audio->PlayMusic(), MUSIC_NOTHING_OPEN);
  EXPECT_FALSE(audio->MusicErrorText(MUSIC_NOTHING_OPEN).empty());
  for (const char* broken : {"text.mid", "halb.mid"}) {
    EXPECT_EQ(audio->OpenMusic(dir / broken), MUSIC_OPEN_FAILED) << broken;
    EXPECT_EQ(audio->MusicErrorText(MUSIC_OPEN_FAILED), "Die Datei ist keine vollständige MIDI-Datei.");
  }
}

TEST_F(SdlAudioTest, WithoutAnAudioDeviceEverythingIsSilentAndSucceeds) {
  UseAudioDriver("keiner");
  SdlAudio silent(posted.Poster());
  EXPECT_FALSE(silent.HasDevice());
  silent.PlaySoundFile(kData + "/SOUND1.WAV");
  EXPECT_EQ(silent.OpenMusic(dir / "weg.mid"), 0);
  EXPECT_EQ(silent.PlayMusic(), 0);
  EXPECT_EQ(silent.CloseMusic(), 0);
  EXPECT_EQ(posted.RunPosted(), 0);
}

}  // namespace
}  // namespace platform::testing
