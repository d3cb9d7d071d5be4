// Silent until the audio is built: every call succeeds and nothing plays.

#include "platform/desktop/sdl_audio.h"

#include <utility>

namespace platform {

SdlAudio::SdlAudio(std::function<void(std::function<void()>)> post) : post_(std::move(post)) {}
SdlAudio::~SdlAudio() = default;

void SdlAudio::PlaySoundFile(const std::string& /*path*/) {}
int SdlAudio::OpenMusic(const std::string& /*path*/) { return 0; }
int SdlAudio::PlayMusic() { return 0; }
int SdlAudio::CloseMusic() { return 0; }
std::string SdlAudio::MusicErrorText(int /*error*/) { return {}; }
void SdlAudio::SetMusicFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

}  // namespace platform
