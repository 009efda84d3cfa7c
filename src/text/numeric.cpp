#include "text/numeric.h"

#include <cmath>
#include <limits>

namespace velmora {

std::int32_t TruncateToInt32(double value) {
  if (!std::isfinite(value)) return 0;
  double t = std::trunc(value);
  if (t <= std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  if (t >= std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(t);
}

}  // namespace velmora
