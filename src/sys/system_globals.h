#pragma once

#include <cstdint>

namespace velmora {

// Running kernel's version: major in the high byte, minor in the low byte; 0
// when it cannot be read.
extern std::int32_t OsVersion;

// Sets DefaultCodePage to 936, then probes the OS version.
void InitSystemGlobals();
void ProbeOsVersion();
// Reads the running kernel's major and minor version. On failure returns
// false and leaves both outputs as they were.
bool GetProcessOsVersion(std::uint32_t& major, std::uint32_t& minor);
// The version packing: (major & 0xFF) << 8 | (minor & 0xFF).
std::int32_t PackOsVersion(std::uint32_t major, std::uint32_t minor);

}  // namespace velmora
