#include "resources/pictures/shading.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lorvix::resources {

namespace {

int Channel(Pixel p, int shift) { return static_cast<int>((p >> shift) & 255); }

double Smooth(double t) { return t * t * (3 - 2 * t); }

int Wrap(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }

}  // namespace

Pixel Mix(Pixel a, Pixel b, double t) {
  auto blend = [&](int shift) {
    return static_cast<int>(
        std::lround(Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * t));
  };
  return Rgb(blend(16), blend(8), blend(0));
}

Ramp::Ramp(std::initializer_list<Pixel> stops, int steps) {
  const std::vector<Pixel> points(stops);
  for (int i = 0; i < steps; ++i) {
    const double position =
        steps == 1 ? 0 : static_cast<double>(i) / (steps - 1) * (points.size() - 1);
    const size_t segment = std::min(static_cast<size_t>(position), points.size() - 2);
    colours_.push_back(points.size() == 1
                           ? points[0]
                           : Mix(points[segment], points[segment + 1], position - segment));
  }
}

Pixel Ramp::operator()(double t) const {
  const int index = static_cast<int>(std::floor(std::clamp(t, 0.0, 1.0) * Size()));
  return At(index);
}

Pixel Ramp::At(int index) const { return colours_[std::clamp(index, 0, Size() - 1)]; }

double Random01(int x, int y, int seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               static_cast<uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

double PeriodicNoise(double x, double y, int period, int cells, int seed) {
  const double u = x * cells / period, v = y * cells / period;
  const int iu = static_cast<int>(std::floor(u)), iv = static_cast<int>(std::floor(v));
  const double fu = Smooth(u - iu), fv = Smooth(v - iv);
  auto corner = [&](int du, int dv) {
    return Random01(Wrap(iu + du, cells), Wrap(iv + dv, cells), seed);
  };
  const double top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * fu;
  const double bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * fu;
  return top + (bottom - top) * fv;
}

double PeriodicFractal(double x, double y, int period, int cells, int octaves, int seed) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += PeriodicNoise(x, y, period, cells << i, seed + 101 * i) * weight;
    total += weight;
    weight /= 2;
  }
  return sum / total;
}

}  // namespace lorvix::resources
