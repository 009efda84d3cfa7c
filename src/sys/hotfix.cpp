#include "sys/hotfix.h"

namespace velmora {

int IsHotfixInstalled(TextArray& hotfixes, const Text& /*id*/) {
  hotfixes.clear();
  return static_cast<int>(hotfixes.size());
}

}  // namespace velmora
