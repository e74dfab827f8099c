#include "typing/typing_engine.h"

#include "shell/error_dialog.h"
#include "targets/foreground.h"
#include "targets/window_list.h"
#include "typing/hotkey.h"
#include "typing/keyboard_wait.h"
#include "typing/key_notation.h"
#include "typing/key_translation.h"
#include "typing/turn_hold.h"

namespace mw {
namespace {

void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::string translateModifierCodes(std::string keys)
{
    replaceAll(keys, "{SHIFT}", "+");
    replaceAll(keys, "{CTRL}", "^");
    replaceAll(keys, "{ALT}", "%");
    return keys;
}

namespace {

// Holds the hotkey back while a batch that presses it goes in.
class HotkeyHeldBack {
public:
    explicit HotkeyHeldBack(GlobalHotkey* hotkey) : hotkey_(hotkey)
    {
        if (hotkey_) hotkey_->suspend();
    }
    ~HotkeyHeldBack()
    {
        if (hotkey_) hotkey_->resume();
    }
    HotkeyHeldBack(const HotkeyHeldBack&) = delete;
    HotkeyHeldBack& operator=(const HotkeyHeldBack&) = delete;

private:
    GlobalHotkey* hotkey_;
};

}  // namespace

SendOutcome SendKeyString(WindowSystem& windows, KeyInjector& keys, WindowHandle target,
                          const std::string& keyString, bool wait, const TurnHotkey* hotkey, const TurnUser* user)
{
    const std::vector<KeyEvent> events = parseKeyString(keyString);
    const auto batches = splitIntoBatches(events, kMaxEventsPerBatch);
    bool waited = false;  // the last look at the keyboard had to wait
    const auto keyboardFree = [&] {
        waited = false;
        if (!user) return SendOutcome::Sent;
        const auto onWaiting = [&] {
            waited = true;
            if (user->onWaiting) user->onWaiting();
        };
        switch (waitForFreeKeyboard(keys, user->clock, hotkey ? &hotkey->hotkey : nullptr, onWaiting)) {
        case KeyboardWait::Free: return SendOutcome::Sent;
        case KeyboardWait::StillHeld: return SendOutcome::KeyboardHeld;
        case KeyboardWait::HotkeyPressed: return SendOutcome::StoppedByHotkey;
        }
        return SendOutcome::Sent;
    };
    // Keys go to the target or nowhere: never into whatever window happens to
    // have the focus when the target is gone or stays behind another window.
    if (!windows.exists(target)) return SendOutcome::NotInFront;
    // The user's keys are let go before the target is made the foreground: in
    // the middle of Alt+Tab or a drag it would come between.
    if (!batches.empty())
        if (const SendOutcome outcome = keyboardFree(); outcome != SendOutcome::Sent) return outcome;
    if (!bringToFront(windows, target)) return SendOutcome::NotInFront;
    if (batches.empty()) return SendOutcome::Sent;
    const std::unique_ptr<KeyboardLayout> layout = keys.layoutOf(target);
    KeyTranslator translator(*layout, keys.capsLockOn());
    const auto taken = [&] {
        switch (keys.waitUntilTaken(target)) {
        case KeyInjector::Taken::Yes: return SendOutcome::Sent;
        case KeyInjector::Taken::NotResponding: return SendOutcome::NotResponding;
        case KeyInjector::Taken::FocusLost:
            // The lock screen takes the front too.
            return windows.desktopTakesInput() ? SendOutcome::FocusLost : SendOutcome::DesktopLost;
        }
        return SendOutcome::Sent;
    };
    // The keys of a turn of several batches take a while to go in, and keys
    // the user types meanwhile would mix with them.
    std::unique_ptr<UserKeyWatch> userKeys;
    if (user && batches.size() > 1) userKeys = keys.watchUserKeys();
    bool lastTaken = false;  // the last batch was waited for already
    for (std::size_t i = 0; i < batches.size(); ++i) {
        if (batches[i].front().kind == KeyEvent::Kind::Delay) continue;  // paused by the turn's job
        // A target's input queue holds only what its thread takes: the next
        // batch goes once it has taken this one, and none to a hung target.
        if (i > 0) {
            if (!lastTaken)
                if (const SendOutcome outcome = taken(); outcome != SendOutcome::Sent) return outcome;
            // The user pressed the hotkey while the last batch went in.
            if (hotkey && hotkey->hotkey.takePress()) return SendOutcome::StoppedByHotkey;
            if (userKeys && userKeys->pressed()) return SendOutcome::StoppedByUserKeys;
            if (const SendOutcome outcome = keyboardFree(); outcome != SendOutcome::Sent) return outcome;
            // A button held for a while may have brought another window to
            // the front.
            if (waited)
                if (const SendOutcome outcome = taken(); outcome != SendOutcome::Sent) return outcome;
            translator.setCapsLock(keys.capsLockOn());
        }
        const std::vector<KeyInput> inputs = translator.translate(batches[i]);
        const bool pressesIt = hotkey && pressesHotkey(inputs, hotkey->combination);
        const HotkeyHeldBack heldBack(pressesIt ? &hotkey->hotkey : nullptr);
        const KeyInjector::Sent sent = keys.send(inputs, target);
        if (sent.accepted < inputs.size()) {
            // Whatever went in, no key stays down and Caps Lock is left as it was.
            if (const auto cleanUp = translator.cleanUp(sent.accepted); !cleanUp.empty()) keys.send(cleanUp, target);
            // The session was locked or a security prompt came up under the
            // keys: no fault, and the next turn types again.
            if (!windows.desktopTakesInput()) return SendOutcome::DesktopLost;
            fail("The system accepted " + std::to_string(sent.accepted) + " of " + std::to_string(inputs.size()) +
                 " key events" + (sent.error.empty() ? std::string() : ": " + sent.error));
        }
        // Once the target has taken the batch the system has seen its keys,
        // and the hotkey can be claimed again without answering to them.
        lastTaken = pressesIt;
        if (pressesIt)
            if (const SendOutcome outcome = taken(); outcome != SendOutcome::Sent) return outcome;
    }
    return wait && !lastTaken ? taken() : SendOutcome::Sent;
}

SendOutcome TypeTextbox(const TypingContext& context, TargetList& targets, ListView& windowList, Frame& status,
                        const std::string& keyString)
{
    NumberedSteps steps(context.services.dialogs, "mTypedKeys.TypeTextbox");
    WindowSystem& windows = context.services.windows;

    if (!steps.test(102, [&] { return windowList.count() > 0; })) {
        steps.step(140, [&] { status.setCaption(kNoWindowsText); });
        return SendOutcome::Sent;
    }
    WindowHandle target = kNoWindow;
    steps.step(104, [&] { target = targets.windowAt(windowList.selectedPosition()); });
    bool ownWindow = false;
    steps.step(106, [&] { ownWindow = target == context.mainWindowHandle; });
    SendOutcome outcome = SendOutcome::Sent;
    TurnHold hold = TurnHold::None;
    if (!ownWindow) steps.step(107, [&] { hold = holdBeforeTurn(windows, target); });
    if (hold != TurnHold::None) outcome = SendOutcome::Held;
    if (!ownWindow && hold == TurnHold::None) {
        steps.step(108, [&] { setTopMost(windows, target); });
        steps.step(110, [&] { windows.show(target); });
        steps.step(112, [&] {
            std::optional<TurnHotkey> hotkey;
            if (context.hotkey) hotkey.emplace(TurnHotkey{context.services.hotkey, *context.hotkey});
            const TurnUser user{context.services.clock, [&] { status.setCaption(kWaitingForKeyboardText); }};
            outcome = SendKeyString(windows, context.services.keys, target, translateModifierCodes(keyString), false,
                                    hotkey ? &*hotkey : nullptr, &user);
        });
        steps.step(114, [&] { clearTopMost(windows, target); });
    }
    steps.step(136, [&] {
        switch (outcome) {
        case SendOutcome::Sent: status.setCaption(kCompletedText + context.services.clock.nowText()); break;
        case SendOutcome::NotInFront: status.setCaption(kNotInFrontText); break;
        case SendOutcome::NotResponding: status.setCaption(kNotRespondingText); break;
        case SendOutcome::FocusLost: status.setCaption(kFocusLostText); break;
        case SendOutcome::StoppedByHotkey: status.setCaption(kStoppedByHotkeyText); break;
        case SendOutcome::DesktopLost: status.setCaption(kDesktopLostText); break;
        case SendOutcome::Held:
            status.setCaption(hold == TurnHold::DesktopLocked      ? kDesktopLockedText
                              : hold == TurnHold::HigherPrivileges ? kHigherPrivilegesText
                                                                   : kFullScreenInFrontText);
            break;
        case SendOutcome::KeyboardHeld: status.setCaption(kKeyboardHeldText); break;
        case SendOutcome::StoppedByUserKeys: status.setCaption(kStoppedByUserKeysText); break;
        }
    });
    steps.step(138, [&] {
        getAllWindows(WindowListContext{windows, context.services.dialogs, context.mainWindowHandle}, targets,
                      windowList);
    });
    return outcome;
}

}  // namespace mw
