#pragma once
// Colour ramps and repeatable noise. The tile sheet may hold at most 256
// colours and every other picture 16, so all shading picks from short ramps
// instead of mixing arbitrary colours.

#include <initializer_list>
#include <vector>

#include "render/bitmap.h"

namespace lorvix::resources {

// `steps` colours spread evenly over the stops, darkest (or first) first.
class Ramp {
 public:
  Ramp(std::initializer_list<Pixel> stops, int steps);
  // t in 0..1 (clamped) picks one of the colours.
  Pixel operator()(double t) const;
  Pixel At(int index) const;  // clamped to the ramp
  int Size() const { return static_cast<int>(colours_.size()); }

 private:
  std::vector<Pixel> colours_;
};

// Blend of two colours; t = 0 gives a, t = 1 gives b.
Pixel Mix(Pixel a, Pixel b, double t);

// A repeatable pseudo-random value in 0..1 for a lattice point.
double Random01(int x, int y, int seed);

// Smooth value noise in 0..1 that repeats every `period` pixels in both
// directions, with `cells` lattice cells across one period. Textures built
// from it tile without seams.
double PeriodicNoise(double x, double y, int period, int cells, int seed);
// Several octaves of PeriodicNoise, each with twice the cells and half the
// weight; result in 0..1.
double PeriodicFractal(double x, double y, int period, int cells, int octaves, int seed);

}  // namespace lorvix::resources
