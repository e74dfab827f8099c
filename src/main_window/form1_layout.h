#pragma once
#include "platform/form_layout.h"

namespace mw {

// The main window's design: controls, texts, positions (twips) and tab order.
const FormLayout& form1Layout();

// Control identifiers of the main window's controls.
namespace form1_id {
inline constexpr int kFrame2 = 1001;
inline constexpr int kProgressBar1 = 1002;
inline constexpr int kListView1 = 1003;
inline constexpr int kPushButton1 = 1004;
inline constexpr int kPushButton3 = 1005;
inline constexpr int kFrame1 = 1006;
inline constexpr int kText2 = 1007;
inline constexpr int kFrame3 = 1008;
inline constexpr int kCheck4 = 1009;
inline constexpr int kCheck8 = 1010;
inline constexpr int kListView2 = 1011;
inline constexpr int kPushButton4 = 1012;
inline constexpr int kPushButton2 = 1013;
}  // namespace form1_id

}  // namespace mw
