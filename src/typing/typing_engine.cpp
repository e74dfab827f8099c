#include "typing/typing_engine.h"

#include <charconv>

#include "shell/error_dialog.h"
#include "targets/window_list.h"
#include "typing/key_notation.h"

namespace mw {
namespace {

void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

WindowHandle parseHandle(const std::string& text)
{
    WindowHandle value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) fail(kOverflow);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) fail(kTypeMismatch);
    return value;
}

}  // namespace

std::string translateModifierCodes(std::string keys)
{
    replaceAll(keys, "{SHIFT}", "+");
    replaceAll(keys, "{CTRL}", "^");
    replaceAll(keys, "{ALT}", "%");
    return keys;
}

bool SendKeyString(WindowSystem& windows, KeyInjector& keys, WindowHandle target, const std::string& keyString,
                   bool wait)
{
    const std::vector<KeyEvent> events = parseKeyString(keyString);
    // Keys go to the target or nowhere: never into whatever window happens to
    // have the focus when the target is gone or stays behind another window.
    if (!windows.exists(target) || !windows.bringToForeground(target)) return false;
    const auto batches = splitIntoBatches(events, kMaxEventsPerBatch);
    for (std::size_t i = 0; i < batches.size(); ++i) {
        // A target's input queue holds only so much: let it take one batch
        // before the next arrives, or keys are dropped.
        if (i > 0) keys.waitUntilTaken(target);
        keys.send(batches[i], target);
    }
    if (wait) keys.waitUntilTaken(target);
    return true;
}

void TypeTextbox(const TypingContext& context, ListView& windowList, Frame& status, const std::string& keyString)
{
    NumberedSteps steps(context.services.dialogs, "mTypedKeys.TypeTextbox");
    WindowSystem& windows = context.services.windows;

    if (!steps.test(102, [&] { return windowList.count() > 0; })) {
        steps.step(140, [&] { status.setCaption(kNoWindowsText); });
        return;
    }
    std::string handleText;
    steps.step(104, [&] { handleText = windowList.selectedSubItem(); });
    WindowHandle target = kNoWindow;
    bool ownWindow = false;
    steps.step(106, [&] {
        target = parseHandle(handleText);
        ownWindow = target == context.mainWindowHandle;
    });
    bool typed = true;
    if (!ownWindow) {
        steps.step(108, [&] { setTopMost(windows, target); });
        steps.step(110, [&] { windows.showDefault(target); });
        steps.step(112, [&] {
            typed = SendKeyString(windows, context.services.keys, target, translateModifierCodes(keyString), false);
        });
        steps.step(114, [&] { clearTopMost(windows, target); });
    }
    steps.step(136, [&] {
        status.setCaption(typed ? kCompletedText + context.services.clock.nowText() : kNotInFrontText);
    });
    steps.step(138, [&] {
        getAllWindows(WindowListContext{windows, context.services.dialogs, context.mainWindowHandle}, windowList);
    });
}

}  // namespace mw
