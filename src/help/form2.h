#pragma once
// The help window's logic: what it shows and how its pointer behaves. It is
// built afresh at every showing.
#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/services.h"

namespace mw {

// The row below the special keys: "{DELAY n}" pauses the turn.
inline constexpr const char* kDelayHelpKey = "PAUSE (n ms)";
inline constexpr const char* kDelayHelpCommand = "{DELAY n}";

struct Form2Controls {
    Form& form;
    Label& Label1;
    ListView& ListView1;
    Button& PushButton1;
};

class Form2 {
public:
    Form2(const Form2Controls& controls, const Services& services);
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    void Form_Load();
    void PushButton1_Click();

private:
    // Over the Close button the hand, over the background and the list the
    // arrow; never replacing the hourglass.
    void pointTo(MousePointer pointer);

    Form2Controls c_;
    Services s_;
};

}  // namespace mw
