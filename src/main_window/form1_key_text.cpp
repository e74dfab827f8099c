#include "main_window/form1.h"

#include "shell/product.h"
#include "typing/key_notation.h"

// The key box: what the user writes is stored as it is written, and checked
// once the user pauses.
namespace mw {

void Form1::Text2_Change()
{
    // A failing settings write is reported like any handler's failure, so the
    // user learns that the text was not stored; the position resets regardless.
    // Only the first of a run of failing writes is reported: the box writes on
    // every keystroke.
    NumberedSteps steps = handlerSteps("Form1.Text2_Change");
    std::string text;
    steps.step(100, [&] { text = c_.Text2.text(); });
    steps.step(102, [&] {
        try {
            s_.settings.write(setting::kTextbox, text);
            keyTextWriteFailing_ = false;
        } catch (const Failure&) {
            if (keyTextWriteFailing_) return;
            keyTextWriteFailing_ = true;
            throw;
        }
    });
    steps.step(104, [&] { session_.restartCharacters(); });
    // The text is checked once the user pauses (Timer3_Timer): a balloon at
    // every keystroke would name the brace not yet closed.
    steps.step(106, [&] { c_.Timer3.setInterval(kKeyTextPauseMs); });
}

void Form1::Timer3_Timer()
{
    // Once per pause; the next change starts the wait again.
    c_.Timer3.setInterval(0);
    if (program_.Closing) return;
    NumberedSteps steps = handlerSteps("Form1.Timer3");
    // A text that does not parse says where, in the box's own balloon; nothing
    // else changes (a turn would refuse the text all the same). One that
    // parses takes a balloon still up away.
    steps.step(100, [&] {
        if (const auto error = checkKeyText(c_.Text2.text()))
            c_.Text2.showBalloon(kKeyTextBalloonTitle, error->message + ".");
        else
            c_.Text2.hideBalloon();
    });
}

}  // namespace mw
