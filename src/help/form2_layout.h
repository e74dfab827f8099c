#pragma once
#include "platform/form_layout.h"

namespace mw {

// The help window's design.
const FormLayout& form2Layout();

namespace form2_id {
inline constexpr int kLabel1 = 2001;
inline constexpr int kListView1 = 2002;
inline constexpr int kPushButton1 = 2003;
}  // namespace form2_id

}  // namespace mw
