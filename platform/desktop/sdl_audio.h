#pragma once
// Sound effects and music through SDL2_mixer: the audio half of the
// desktop platform. Without an audio device everything here is silent and
// reports success, so the game runs as it would with sound switched off.

#include <functional>
#include <string>

namespace platform {

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

 private:
  std::function<void(std::function<void()>)> post_;
  std::function<void()> finished_;
};

}  // namespace platform
