#pragma once

#include <cstdint>

namespace velmora {

// Converts a double to a 32-bit integer by truncating toward zero. A value
// that is not finite gives 0; a finite value beyond the 32-bit range
// saturates at its nearest limit, where a plain cast would be undefined.
std::int32_t TruncateToInt32(double value);

}  // namespace velmora
