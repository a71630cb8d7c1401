#pragma once
// Uniform pseudo-random fractions for the models. A program seeds its generator once from the
// clock; tests give a fixed seed so that every draw can be repeated.
#include <cstdint>
#include <random>

namespace norvella {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform fraction x with 0 <= x < 1.
  virtual double NextFraction() = 0;
};

// The suite's generator: a 64-bit Mersenne twister. Seeded once, its draws stay independent
// however quickly they follow each other (reseeding from the clock before each draw would repeat
// a draw within one tick of the clock).
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  double NextFraction() override {
    // 53 random bits: every double of [0, 1) on the grid of 2^-53, never 1 itself.
    return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
  }

 private:
  std::mt19937_64 engine_;
};

}  // namespace norvella
