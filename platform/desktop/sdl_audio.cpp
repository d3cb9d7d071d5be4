#include "platform/desktop/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace platform {

namespace {

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;  // about 23 ms: effects follow the key at once
constexpr int kEffectChannel = 0;

struct MusicErrorInfo {
  int number;
  const char* text;  // when the mixer gave none
};
constexpr std::array<MusicErrorInfo, 3> kMusicErrors{{
    {MUSIC_OPEN_FAILED, "Das Lied kann nicht geöffnet werden."},
    {MUSIC_PLAY_FAILED, "Das Lied kann nicht abgespielt werden."},
    {MUSIC_NOTHING_OPEN, "Es ist kein Lied geöffnet."},
}};

constexpr const char* kBrokenMidiText = "Die Datei ist keine vollständige MIDI-Datei.";

uint32_t BigEndian(const std::string& bytes, size_t at, int count) {
  uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

bool HasMidiExtension(const std::string& path) {
  std::string lower = std::filesystem::path(path).extension().string();
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower == ".mid" || lower == ".midi";
}

// FluidSynth reads a MIDI file only when it starts to play it, and takes a
// broken one for a song that has ended at once; the game would then draw
// the next song at once, over and over. So a MIDI file (by its name or its
// first bytes) must have its header and every track it announces complete
// before it counts as opened. Other files are left to the mixer.
bool IsBrokenMidi(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const bool midiHeader = bytes.compare(0, 4, "MThd") == 0;
  if (!midiHeader) return HasMidiExtension(path);
  if (bytes.size() < 14) return true;
  const uint32_t tracks = BigEndian(bytes, 10, 2);
  size_t at = 8 + BigEndian(bytes, 4, 4);
  uint32_t found = 0;
  while (found < tracks) {
    if (at + 8 > bytes.size()) return true;
    const size_t end = at + 8 + BigEndian(bytes, at + 4, 4);
    if (end > bytes.size()) return true;
    if (bytes.compare(at, 4, "MTrk") == 0) ++found;
    at = end;
  }
  return tracks == 0;
}

}  // namespace

struct SdlAudioDevice {
  std::function<void(std::function<void()>)> post;
  std::function<void()> finished;
  std::weak_ptr<SdlAudioDevice> self;
  bool open = false;
  std::unique_ptr<Mix_Chunk, decltype(&Mix_FreeChunk)> effect{nullptr, Mix_FreeChunk};
  std::unique_ptr<Mix_Music, decltype(&Mix_FreeMusic)> song{nullptr, Mix_FreeMusic};
  // The song that plays, numbered by its PlayMusic call; 0 when none plays
  // or it was stopped. The mixer's hook reads it on the audio thread.
  std::atomic<unsigned> playing{0};
  unsigned plays = 0;
  int lastError = 0;
  std::string lastErrorText;

  int Fail(int error, const std::string& text = Mix_GetError()) {
    lastError = error;
    lastErrorText = text;
    return error;
  }
};

namespace {

// The device whose songs the mixer reports; null while none is open.
std::atomic<SdlAudioDevice*> g_reporting{nullptr};

// The mixer calls this when a song ends, on the audio thread, and also on
// the calling thread when a song is halted. A halt has cleared `playing`
// first, so only a real end is handed over; the window thread then checks
// that the same song is still the one playing, so that an end that crossed
// a CloseMusic on its way is dropped too.
void SDLCALL SongEnded() {
  SdlAudioDevice* device = g_reporting.load();
  if (!device) return;
  const unsigned song = device->playing.load();
  if (song == 0) return;
  device->post([weak = device->self, song] {
    const auto d = weak.lock();
    unsigned expected = song;
    if (!d || !d->playing.compare_exchange_strong(expected, 0)) return;
    if (d->finished) d->finished();
  });
}

}  // namespace

// Without a device (no sound card, a remote desktop, CI) the game goes on
// silently: nothing here is reported.
SdlAudio::SdlAudio(std::function<void(std::function<void()>)> post)
    : device_(std::make_shared<SdlAudioDevice>()) {
  device_->post = std::move(post);
  device_->self = device_;
  // SDL would otherwise take SIGINT and SIGTERM away from the program.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(1);
  device_->open = true;
  g_reporting = device_.get();
  Mix_HookMusicFinished(SongEnded);
}

SdlAudio::~SdlAudio() {
  if (!device_->open) return;
  Mix_HookMusicFinished(nullptr);
  g_reporting = nullptr;
  CloseMusic();
  PlaySoundFile("");
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::HasDevice() const { return device_->open; }

// Each effect is read from its file again, as the files are small; a file
// that cannot be read plays nothing.
void SdlAudio::PlaySoundFile(const std::string& path) {
  SdlAudioDevice& d = *device_;
  if (!d.open) return;
  Mix_HaltChannel(kEffectChannel);
  d.effect.reset();
  if (path.empty()) return;
  d.effect.reset(Mix_LoadWAV(path.c_str()));
  if (d.effect) Mix_PlayChannel(kEffectChannel, d.effect.get(), 0);
}

int SdlAudio::OpenMusic(const std::string& path) {
  SdlAudioDevice& d = *device_;
  if (!d.open) return 0;
  CloseMusic();
  d.song.reset(Mix_LoadMUS(path.c_str()));
  if (!d.song) return d.Fail(MUSIC_OPEN_FAILED);
  if (!IsBrokenMidi(path)) return 0;
  d.song.reset();
  return d.Fail(MUSIC_OPEN_FAILED, kBrokenMidiText);
}

int SdlAudio::PlayMusic() {
  SdlAudioDevice& d = *device_;
  if (!d.open) return 0;
  if (!d.song) return d.Fail(MUSIC_NOTHING_OPEN, {});
  // A song still playing is halted first, while no number is set, so that
  // its halt is not taken for the end of the new one.
  d.playing = 0;
  Mix_HaltMusic();
  if (++d.plays == 0) ++d.plays;
  d.playing = d.plays;
  if (Mix_PlayMusic(d.song.get(), 0) == 0) return 0;
  d.playing = 0;
  return d.Fail(MUSIC_PLAY_FAILED);
}

int SdlAudio::CloseMusic() {
  SdlAudioDevice& d = *device_;
  if (!d.open) return 0;
  d.playing = 0;
  Mix_HaltMusic();
  d.song.reset();
  return 0;
}

std::string SdlAudio::MusicErrorText(int error) {
  const SdlAudioDevice& d = *device_;
  if (error == d.lastError && !d.lastErrorText.empty()) return d.lastErrorText;
  for (const MusicErrorInfo& e : kMusicErrors)
    if (e.number == error) return e.text;
  return "Unbekannter Fehler.";
}

void SdlAudio::SetMusicFinishedHandler(std::function<void()> handler) {
  device_->finished = std::move(handler);
}

}  // namespace platform
