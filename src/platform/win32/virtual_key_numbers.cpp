// The portable core names the Windows virtual keys it uses without the
// Windows headers; here, where both meet, the compiler checks every number.
#include "platform/win32/windows_include.h"
#include "typing/virtual_keys.h"

namespace mw::vk {

static_assert(kBack == VK_BACK && kTab == VK_TAB && kReturn == VK_RETURN && kShift == VK_SHIFT &&
              kControl == VK_CONTROL && kMenu == VK_MENU && kCancel == VK_CANCEL && kCapital == VK_CAPITAL &&
              kEscape == VK_ESCAPE);
static_assert(kPrior == VK_PRIOR && kNext == VK_NEXT && kEnd == VK_END && kHome == VK_HOME && kLeft == VK_LEFT &&
              kUp == VK_UP && kRight == VK_RIGHT && kDown == VK_DOWN && kSnapshot == VK_SNAPSHOT &&
              kInsert == VK_INSERT && kDelete == VK_DELETE && kHelp == VK_HELP);
static_assert(kMultiply == VK_MULTIPLY && kAdd == VK_ADD && kSubtract == VK_SUBTRACT && kDivide == VK_DIVIDE &&
              kF1 == VK_F1 && kF1 + 15 == VK_F16 && kNumLock == VK_NUMLOCK && kScroll == VK_SCROLL);

}  // namespace mw::vk
