#pragma once
// Sound effects and music through SDL2_mixer: the audio half of the
// desktop platform. Without an audio device everything here is silent and
// reports success, so the game runs as it would with sound switched off.
//
// Effects play on one mixer channel, so a new effect cuts off the one still
// playing. Music plays MIDI files (FluidSynth with the system's General MIDI
// sound font). Only one SdlAudio may exist at a time: the mixer reports the
// end of a song to a single global hook.

#include <functional>
#include <memory>
#include <string>

namespace platform {

struct SdlAudioDevice;

// Error numbers of the music calls; MusicErrorText gives the mixer's own
// text for the last failure.
enum MusicError : int {
  MUSIC_OPEN_FAILED = 1,   // the file is missing or no song the mixer can read
  MUSIC_PLAY_FAILED = 2,   // the song was read but cannot be played
  MUSIC_NOTHING_OPEN = 3,  // play asked for with no song open
};

class SdlAudio {
 public:
  // `post` hands a function over to the window thread; the end of a song
  // is reported through it, never from the audio thread itself.
  explicit SdlAudio(std::function<void(std::function<void()>)> post);
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // The functions of the same names in platform/platform.h.
  void PlaySoundFile(const std::string& path);
  int OpenMusic(const std::string& path);
  int PlayMusic();
  int CloseMusic();
  std::string MusicErrorText(int error);
  void SetMusicFinishedHandler(std::function<void()> handler);

  // Whether an audio device was found; without one every call is silent.
  bool HasDevice() const;

 private:
  // Shared with the functions posted to the window thread, which must do
  // nothing once this object is gone.
  std::shared_ptr<SdlAudioDevice> device_;
};

}  // namespace platform
