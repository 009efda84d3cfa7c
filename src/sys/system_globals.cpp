#include "sys/system_globals.h"

#include <sys/utsname.h>

#include <cstdio>

#include "text/charset.h"

namespace velmora {

std::int32_t OsVersion = 0;

void InitSystemGlobals() {
  DefaultCodePage = 936;
  ProbeOsVersion();
}

void ProbeOsVersion() {
  std::uint32_t major = 0, minor = 0;
  GetProcessOsVersion(major, minor);
  OsVersion = PackOsVersion(major, minor);
}

bool GetProcessOsVersion(std::uint32_t& major, std::uint32_t& minor) {
  utsname name{};
  if (uname(&name) != 0) return false;
  unsigned int readMajor = 0, readMinor = 0;
  if (std::sscanf(name.release, "%u.%u", &readMajor, &readMinor) != 2) return false;
  major = readMajor;
  minor = readMinor;
  return true;
}

std::int32_t PackOsVersion(std::uint32_t major, std::uint32_t minor) {
  return static_cast<std::int32_t>((major & 0xFF) << 8 | (minor & 0xFF));
}

}  // namespace velmora
