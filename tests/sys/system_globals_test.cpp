#include "sys/system_globals.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include "sys/hotfix.h"
#include "text/charset.h"

namespace velmora {
namespace {

TEST(SystemGlobalsTest, PacksMajorAndMinor) {
  struct Case {
    std::uint32_t major, minor;
    std::int32_t want;
  } cases[] = {
      {6, 1, 0x0601}, {6, 2, 0x0602}, {10, 0, 0x0A00}, {0x1FF, 0x102, 0xFF02}, {0, 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(PackOsVersion(c.major, c.minor), c.want);
}

TEST(SystemGlobalsTest, InitReadsTheRunningKernel) {
  DefaultCodePage = 0;
  InitSystemGlobals();
  EXPECT_EQ(DefaultCodePage, 936);
  utsname name{};
  ASSERT_EQ(uname(&name), 0);
  unsigned major = 0, minor = 0;
  ASSERT_EQ(std::sscanf(name.release, "%u.%u", &major, &minor), 2);
  EXPECT_EQ(OsVersion, PackOsVersion(major, minor));
  std::uint32_t gotMajor = 77, gotMinor = 77;
  EXPECT_TRUE(GetProcessOsVersion(gotMajor, gotMinor));
  EXPECT_EQ(gotMajor, major);
}

TEST(HotfixTest, ListIsEmptiedAndNothingIsFound) {
  TextArray hotfixes = {Text("KB1"), Text("KB2")};
  EXPECT_EQ(IsHotfixInstalled(hotfixes, Text("KB3140245")), 0);
  EXPECT_TRUE(hotfixes.empty());
  hotfixes = {Text("KB1")};
  EXPECT_EQ(IsHotfixInstalled(hotfixes), 0);
  EXPECT_TRUE(hotfixes.empty());
}

}  // namespace
}  // namespace velmora
