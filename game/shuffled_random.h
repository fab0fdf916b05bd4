#pragma once
// The game's random source: a 97-slot shuffle table over the platform generator, so that
// consecutive values handed out are not consecutive values of the generator.
#include <array>

#include "core/platform.h"

namespace quarvel {

class ShuffledRandomSource : public DrawSource {
 public:
  explicit ShuffledRandomSource(UniformGenerator& generator) : generator_(generator) {}

  double ShuffledRandom(std::int16_t reseed) override;

 private:
  UniformGenerator& generator_;
  std::array<double, 97> RandomTable{};  // slots 1..97 at indexes 0..96
  double LastRandom = 0;
};

}  // namespace quarvel
