// The five sound effects of the game, synthesised from the recipes below and
// written as SOUND1.WAV .. SOUND5.WAV (16-bit PCM, mono, 44.1 kHz).
//
//   make_sounds OUTDIR
//
// Each sound is a few layers mixed together and then scaled so that its
// loudest sample reaches `peak` (1.0 = full scale). A layer is a tone or a
// band of noise:
//
//   start, length  when it sounds (ms from the start of the sound)
//   attack         rises linearly from silence over this many ms,
//   decay          then falls to 1/e every `decay` ms (and fades out over
//                  its last 5 ms, so that nothing clicks)
//   level          its share of the mix
//   from, to       pitch in Hz, gliding evenly in musical steps from one to
//                  the other; for noise, the centre of the band
//   fmRatio,       frequency modulation: a modulator at fmRatio x pitch
//   fmDepth        bends the tone by up to fmDepth radians; the depth follows
//                  the envelope, so a tone is bright when struck and mellow
//                  as it dies away (bells)
//   q              noise only: how narrow the band is (higher = more tonal)
//
// To change a sound, edit its table and rebuild; the build runs this program.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "resources/sounds/wav_file.h"

namespace lorvix::sounds {
namespace {

enum class Wave { Sine, Triangle, Noise };

struct Layer {
  Wave wave;
  double start, length, attack, decay, level, from, to;
  double fmRatio = 0, fmDepth = 0, q = 1;
};

struct SoundRecipe {
  const char* file;
  const char* what;
  double peak;
  std::vector<Layer> layers;
};

// Notes of the exit fanfare.
constexpr double C5 = 523.25, C6 = 1046.50, E6 = 1318.51, G6 = 1567.98, C7 = 2093.00;

// clang-format off
const std::vector<SoundRecipe> kSounds = {
  {"SOUND1.WAV", "push: a crate scraped one square over stone", 0.55, {
    //   wave            start length attack decay level  from   to    fmRatio fmDepth q
    {Wave::Noise,        0,    170,   12,    70,   0.55,  900,   500,  0,      0,      2.5},  // scrape
    {Wave::Triangle,     0,    130,   3,     45,   0.80,  150,   105},                          // body
  }},
  {"SOUND2.WAV", "door: a stone slab sliding, ending in a latch", 0.60, {
    {Wave::Noise,        0,    300,   40,    150,  1.00,  250,   180,  0,      0,      1.5},  // rumble
    {Wave::Sine,         0,    300,   20,    200,  0.60,  82,    98},                           // slab hum
    {Wave::Noise,        270,  45,    1,     10,   0.35,  2500,  2500, 0,      0,      4},    // latch click
    {Wave::Sine,         270,  60,    1,     20,   0.35,  660,   640},                          // latch ring
  }},
  {"SOUND3.WAV", "blocked: a soft thud against a wall", 0.50, {
    {Wave::Sine,         0,    100,   2,     30,   1.00,  110,   60},                           // thud
    {Wave::Noise,        0,    30,    1,     6,    0.35,  600,   400,  0,      0,      1},    // contact
  }},
  {"SOUND4.WAV", "exit: a rising bell arpeggio over a low tone", 0.60, {
    {Wave::Sine,         0,    1000,  3,     250,  0.50,  C6,    C6,   2,      0.8},
    {Wave::Sine,         90,   910,   3,     250,  0.50,  E6,    E6,   2,      0.8},
    {Wave::Sine,         180,  820,   3,     250,  0.50,  G6,    G6,   2,      0.8},
    {Wave::Sine,         270,  730,   3,     300,  0.55,  C7,    C7,   2,      0.8},
    {Wave::Sine,         0,    1000,  30,    400,  0.25,  C5,    C5},                           // ground tone
  }},
  {"SOUND5.WAV", "teleport: a shimmering upward sweep", 0.55, {
    {Wave::Sine,         0,    420,   30,    160,  0.80,  320,   1600, 0.5,    3},            // wobbling sweep
    {Wave::Sine,         60,   360,   40,    140,  0.30,  1600,  3200},                         // sparkle
    {Wave::Noise,        0,    300,   50,    100,  0.15,  3000,  6000, 0,      0,      3},    // hiss
  }},
};
// clang-format on

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kFadeMs = 5;

double Envelope(const Layer& l, double ms) {
  double e = ms < l.attack ? ms / l.attack : std::exp(-(ms - l.attack) / l.decay);
  const double left = l.length - ms;
  if (left < kFadeMs) e *= left / kFadeMs;
  return e;
}

double Pitch(const Layer& l, double ms) { return l.from * std::pow(l.to / l.from, ms / l.length); }

double Triangle(double phase) {
  const double p = phase / (2 * kPi) - std::floor(phase / (2 * kPi));
  return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
}

// One band-pass stage: a state-variable filter.
class BandPass {
 public:
  double Next(double in, double centreHz, double q) {
    const double f = 2 * std::sin(kPi * centreHz / kRate);
    low_ += f * band_;
    const double high = in - low_ - band_ / q;
    band_ += f * high;
    return band_;
  }

 private:
  double low_ = 0, band_ = 0;
};

// A band of white noise. Two stages in a row keep the hiss far from the
// band's centre down; one alone lets much of it through.
class NoiseBand {
 public:
  explicit NoiseBand(unsigned seed) : random_(seed) {}
  double Next(double centreHz, double q) {
    return second_.Next(first_.Next(noise_(random_), centreHz, q), centreHz, q);
  }

 private:
  std::mt19937 random_;
  std::uniform_real_distribution<double> noise_{-1.0, 1.0};
  BandPass first_, second_;
};

void AddLayer(const Layer& l, unsigned seed, std::vector<double>& out) {
  const auto first = static_cast<size_t>(l.start * kRate / 1000);
  const auto count = static_cast<size_t>(l.length * kRate / 1000);
  if (out.size() < first + count) out.resize(first + count, 0.0);
  NoiseBand noise(seed);
  double phase = 0, modulatorPhase = 0;
  for (size_t i = 0; i < count; ++i) {
    const double ms = i * 1000.0 / kRate;
    const double pitch = Pitch(l, ms), envelope = Envelope(l, ms);
    double value = 0;
    switch (l.wave) {
      case Wave::Sine: value = std::sin(phase + l.fmDepth * envelope * std::sin(modulatorPhase)); break;
      case Wave::Triangle: value = Triangle(phase); break;
      case Wave::Noise: value = noise.Next(pitch, l.q); break;
    }
    out[first + i] += l.level * envelope * value;
    phase += 2 * kPi * pitch / kRate;
    modulatorPhase += 2 * kPi * pitch * l.fmRatio / kRate;
  }
}

std::vector<double> Render(const SoundRecipe& recipe) {
  std::vector<double> samples;
  unsigned seed = 1;
  for (const Layer& layer : recipe.layers) AddLayer(layer, seed++, samples);
  double loudest = 0;
  for (double s : samples) loudest = std::max(loudest, std::abs(s));
  if (loudest > 0)
    for (double& s : samples) s *= recipe.peak / loudest;
  return samples;
}

}  // namespace
}  // namespace lorvix::sounds

int main(int argc, char** argv) {
  using namespace lorvix::sounds;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds OUTDIR\n");
    return 2;
  }
  for (const SoundRecipe& recipe : kSounds) {
    const std::string path = std::string(argv[1]) + "/" + recipe.file;
    if (!WriteWav(path, Render(recipe), kRate)) {
      std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
