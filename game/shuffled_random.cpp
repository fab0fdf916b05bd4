#include "game/shuffled_random.h"

#include <cmath>

namespace quarvel {

double ShuffledRandomSource::ShuffledRandom(std::int16_t reseed) {
  if (reseed < 0) {
    generator_.ReseedFromClock();
    for (int i = 0; i < 97; ++i) generator_.Next();  // thrown away
    for (double& slot : RandomTable) slot = generator_.Next();
    LastRandom = generator_.Next();
  }
  // A generator value of 1.0 or more would leave the table; clamp rather than overrun.
  const double slot = std::floor(97.0 * LastRandom);
  std::size_t index = 0;
  if (slot > 96)
    index = 96;
  else if (slot > 0)
    index = static_cast<std::size_t>(slot);
  LastRandom = RandomTable[index];
  RandomTable[index] = generator_.Next();
  return LastRandom;
}

}  // namespace quarvel
