#pragma once
// In-memory services for tests, each scriptable and recording what it was
// asked to do.
#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/file_dialogs.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/global_hotkey.h"
#include "platform/key_injection.h"
#include "platform/user_input.h"
#include "platform/key_posting.h"
#include "platform/locale.h"
#include "platform/notification_area.h"
#include "platform/registry.h"
#include "platform/settings_sections.h"
#include "platform/settings_store.h"
#include "platform/step_timer.h"
#include "shell/utf8.h"
#include "sim/event_hook.h"

namespace mw::sim {

class SimSettingsStore final : public SettingsStore {
public:
    std::string read(const std::string& key, const std::string& fallback) override
    {
        ++reads;
        if (failReads) fail("Settings store unavailable");
        const auto it = values.find(key);
        return it == values.end() ? fallback : it->second;
    }
    void write(const std::string& key, const std::string& value) override
    {
        if (failWrites) fail("Settings store unavailable");
        values[key] = value;
        writes.push_back({key, value});
    }

    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
    int reads = 0;
    bool failReads = false;
    bool failWrites = false;
};

// Sections of settings, each a map of its own.
class SimSettingsSections final : public SettingsSections {
public:
    std::vector<std::string> names() override
    {
        std::vector<std::string> out;
        for (const auto& [name, values] : sections) out.push_back(name);
        return out;
    }
    std::unique_ptr<SettingsStore> open(const std::string& name) override
    {
        return std::make_unique<Section>(sections, name);
    }
    void remove(const std::string& name) override { sections.erase(name); }

    std::map<std::string, std::map<std::string, std::string>> sections;

private:
    class Section final : public SettingsStore {
    public:
        Section(std::map<std::string, std::map<std::string, std::string>>& sections, std::string name)
            : sections_(sections), name_(std::move(name))
        {
        }
        std::string read(const std::string& key, const std::string& fallback) override
        {
            const auto section = sections_.find(name_);
            if (section == sections_.end()) return fallback;
            const auto it = section->second.find(key);
            return it == section->second.end() ? fallback : it->second;
        }
        void write(const std::string& key, const std::string& value) override { sections_[name_][key] = value; }

    private:
        std::map<std::string, std::map<std::string, std::string>>& sections_;
        std::string name_;
    };
};

class SimDialogs final : public Dialogs {
public:
    struct Shown {
        std::string text;
        std::string title;
    };
    std::vector<Shown> warnings;
    std::vector<Shown> prompts;
    std::vector<Shown> questions;
    // Answers the yes/no questions give, in order (true: Yes).
    std::deque<bool> questionAnswers;
    // Answers the input box gives, in order; nullopt is Cancel. When they run
    // out the box is cancelled.
    std::deque<std::optional<std::string>> answers;
    // Run while a warning or an input box is open, as a nested event would.
    std::function<void()> whileWarningOpen;
    std::function<void()> whileInputOpen;

protected:
    void showWarning(const std::string& text, const std::string& title) override
    {
        warnings.push_back({text, title});
        if (whileWarningOpen) whileWarningOpen();
    }
    bool askQuestion(const std::string& text, const std::string& title) override
    {
        questions.push_back({text, title});
        if (questionAnswers.empty()) fail("No answer scripted for the question");
        const bool yes = questionAnswers.front();
        questionAnswers.pop_front();
        return yes;
    }
    std::optional<std::string> showInput(const std::string& prompt, const std::string& title,
                                         const std::string&) override
    {
        prompts.push_back({prompt, title});
        if (whileInputOpen) whileInputOpen();
        if (answers.empty()) fail("No answer scripted for the input box");
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class SimFiles final : public Files {
public:
    std::string programFolder() override { return folder; }
    std::string programFileName() override { return fileName; }
    bool exists(const std::string& path) override { return contents.count(path) != 0; }
    bool isOrdinaryFile(const std::string& path) override
    {
        return exists(path) && !notOrdinary.count(path);
    }
    std::string readAll(const std::string& path) override
    {
        const auto it = contents.find(path);
        if (it == contents.end() || unreadable.count(path)) fail("Path/File access error");
        return it->second;
    }
    void writeAll(const std::string& path, const std::string& content) override
    {
        if (unwritable.count(path)) fail("Permission denied");
        contents[path] = content;
    }

    std::string folder = "C:\\Program Files\\Marrowind";
    std::string fileName = "Marrowind.exe";
    std::map<std::string, std::string> contents;
    std::map<std::string, bool> notOrdinary;
    std::map<std::string, bool> unreadable;
    std::map<std::string, bool> unwritable;
};

// The open and save dialogs: each answers with the next path scripted, or is
// cancelled when none is left.
class SimFileDialogs final : public FileDialogs {
public:
    std::optional<std::string> chooseFileToOpen(const std::string& title, const FileType& type) override
    {
        return answer(title, type);
    }
    std::optional<std::string> chooseFileToSave(const std::string& title, const FileType& type,
                                                const std::string& suggestedName) override
    {
        suggested = suggestedName;
        return answer(title, type);
    }
    std::deque<std::string> paths;
    std::vector<std::string> titles;
    std::string suggested;
    FileType lastType;

private:
    std::optional<std::string> answer(const std::string& title, const FileType& type)
    {
        titles.push_back(title);
        lastType = type;
        if (paths.empty()) return std::nullopt;
        std::string path = paths.front();
        paths.pop_front();
        return path;
    }
};

class SimClock final : public Clock {
public:
    std::int64_t monotonicMs() override { return now; }
    std::string nowText() override { return dateTimeText; }

    std::int64_t now = 0;
    std::string dateTimeText = "12/7/2026 10:31:45 PM";
};

// Steps of a job run as the simulated clock passes their time.
class SimStepTimer final : public StepTimer {
public:
    explicit SimStepTimer(SimClock& clock) : clock_(clock) {}
    void schedule(std::int64_t delayMs, std::function<void()> step) override
    {
        due_ = clock_.now + std::max<std::int64_t>(0, delayMs);
        step_ = std::move(step);
    }
    void cancel() override { step_ = nullptr; }
    bool pending() const { return static_cast<bool>(step_); }
    // As the message loop does once an event's handler has returned: the
    // steps run one after another, the clock moving to each, until the job is
    // done. Not from inside a step (a nested event), and not when a test has
    // turned autoRun off to let the time pass itself (advance).
    void settle()
    {
        if (autoRun && !running_) runAll();
    }
    bool autoRun = true;
    std::int64_t due() const { return due_; }
    // Lets the time pass, running each step when its time comes.
    void advance(std::int64_t ms)
    {
        const std::int64_t until = clock_.now + ms;
        const bool outer = !running_;
        running_ = true;
        while (step_ && due_ <= until) {
            clock_.now = std::max(clock_.now, due_);
            std::exchange(step_, nullptr)();
        }
        if (outer) running_ = false;
        clock_.now = std::max(clock_.now, until);
    }
    // Runs the steps one after another until none is left (at most so many).
    void runAll(int most = 1000000)
    {
        const bool outer = !running_;
        running_ = true;
        for (; step_ && most > 0; --most) {
            clock_.now = std::max(clock_.now, due_);
            std::exchange(step_, nullptr)();
        }
        if (outer) running_ = false;
    }

private:
    SimClock& clock_;
    bool running_ = false;
    std::int64_t due_ = 0;
    std::function<void()> step_;
};

class SimLocale final : public Locale {
public:
    LocaleFormat format() override { return current; }
    LocaleFormat current;
};

class SimEventLoop final : public EventLoop {
public:
    void processPending() override
    {
        ++processed;
        if (onProcess) onProcess();
    }
    void waitForEvents(int timeoutMs) override
    {
        waitedMs += timeoutMs;
        if (onWait) onWait(timeoutMs);
    }
    bool quitRequested() const override { return quit; }
    bool quit = false;
    int processed = 0;
    std::int64_t waitedMs = 0;
    std::function<void()> onProcess;
    std::function<void(int)> onWait;
};

class SimRegistry final : public Registry {
public:
    using Address = std::tuple<Hive, std::string, std::string>;
    bool setString(Hive hive, const std::string& keyPath, const std::string& name,
                   const std::string& data) override
    {
        if (isRefused(hive, keyPath)) return false;
        strings[{hive, keyPath, name}] = data;
        binaries.erase({hive, keyPath, name});
        return true;
    }
    bool setBinary(Hive hive, const std::string& keyPath, const std::string& name,
                   const std::string& data) override
    {
        if (isRefused(hive, keyPath)) return false;
        binaries[{hive, keyPath, name}] = data;
        strings.erase({hive, keyPath, name});
        return true;
    }
    bool deleteValue(Hive hive, const std::string& keyPath, const std::string& name) override
    {
        if (isRefused(hive, keyPath)) return false;
        strings.erase({hive, keyPath, name});
        binaries.erase({hive, keyPath, name});
        return true;
    }
    std::optional<std::string> getString(Hive hive, const std::string& keyPath, const std::string& name) override
    {
        const auto it = strings.find({hive, keyPath, name});
        if (it == strings.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::string> getBinary(Hive hive, const std::string& keyPath, const std::string& name) override
    {
        const auto it = binaries.find({hive, keyPath, name});
        if (it == binaries.end()) return std::nullopt;
        return it->second;
    }
    std::map<Address, std::string> strings;
    std::map<Address, std::string> binaries;
    // Writes and deletes refused for a whole hive or for one key of it.
    std::map<Hive, bool> refused;
    std::set<std::pair<Hive, std::string>> refusedKeys;

private:
    bool isRefused(Hive hive, const std::string& keyPath) const
    {
        return refused.count(hive) || refusedKeys.count({hive, keyPath});
    }
};

class SimNotificationArea final : public NotificationArea {
public:
    bool notify(TrayOperation operation, const TrayRecord& record) override
    {
        log.push_back({operation, record});
        if (!shellRunning) return false;
        // As the shell: an icon is added once, and only an icon it holds can
        // be modified or deleted.
        switch (operation) {
        case TrayOperation::Add:
            if (iconShown) return false;
            iconShown = true;
            return !addTimesOut;  // the shell took it but the call timed out
        case TrayOperation::Modify: return iconShown;
        case TrayOperation::Delete: return std::exchange(iconShown, false);
        }
        return false;
    }
    void scheduleRetry(int delayMs) override { retryDelays.push_back(delayMs); }
    int showMenu(const std::vector<TrayMenuItem>& items) override
    {
        menus.push_back(items);
        return menuChoice;
    }
    std::vector<std::vector<TrayMenuItem>> menus;
    int menuChoice = -1;  // what the user picks from the next menu
    // The retry the control asked for comes due.
    void retryDue()
    {
        if (onRetryDue) onRetryDue();
    }
    bool shellRunning = true;
    bool addTimesOut = false;
    bool iconShown = false;
    std::vector<int> retryDelays;
    // The shell reports what the user did with the icon.
    void deliver(TrayEvent event)
    {
        if (onEvent) onEvent(event);
        eventHandled();
    }
    struct Entry {
        TrayOperation operation;
        TrayRecord record;
    };
    std::vector<Entry> log;
};

// A United States keyboard layout, as far as the tests need one: letters,
// digits, space and the punctuation of the main block; anything else has no key.
// Scan codes are made up, with the 0xE0 prefix on the navigation keys. A test
// can add keys (AltGr ones), make strokes dead keys (US-International's
// Shift+6), give its table entries whose key types another character, or
// make it the layout of another language.
class SimKeyboardLayout final : public KeyboardLayout {
public:
    std::optional<Stroke> strokeFor(char32_t c) const override
    {
        if (const auto named = wrongTableEntries.find(c); named != wrongTableEntries.end()) return named->second;
        if (const auto key = extraKeys.find(c); key != extraKeys.end()) return key->second;
        if (c >= 'a' && c <= 'z') return Stroke{static_cast<std::uint16_t>(c - 'a' + 'A'), 0};
        if (c >= 'A' && c <= 'Z') return Stroke{static_cast<std::uint16_t>(c), 1};
        if (c == ' ') return Stroke{0x20, 0};
        for (const Key& k : kKeys) {
            if (c == static_cast<char32_t>(k.plain)) return Stroke{k.key, 0};
            if (c == static_cast<char32_t>(k.shifted)) return Stroke{k.key, 1};
        }
        return std::nullopt;
    }
    Typed typedBy(const Stroke& stroke) const override
    {
        for (const auto& [c, key] : extraKeys)
            if (key.virtualKey == stroke.virtualKey && key.shiftState == stroke.shiftState)
                return Typed{false, std::u16string(1, static_cast<char16_t>(c))};
        if (stroke.shiftState & ~1) return {};  // Ctrl and Alt type nothing here
        const char16_t c = character(stroke.virtualKey, stroke.shiftState & 1);
        return Typed{isDead(stroke.virtualKey, stroke.shiftState & 1), c ? std::u16string(1, c) : std::u16string()};
    }
    std::uint16_t language() const override { return languageId; }
    std::uint16_t scanCode(std::uint16_t key) const override
    {
        const bool navigation = key >= 0x21 && key <= 0x2E;
        return static_cast<std::uint16_t>((navigation ? 0xE000 : 0) | (key & 0x7F));
    }

    // The character the key types with Shift or without, 0 for none.
    static char16_t character(std::uint16_t key, bool shift)
    {
        if (key >= 'A' && key <= 'Z') return static_cast<char16_t>(shift ? key : key - 'A' + 'a');
        if (key == 0x20) return u' ';
        for (const Key& k : kKeys)
            if (k.key == key) return static_cast<char16_t>(shift ? k.shifted : k.plain);
        return 0;
    }
    bool isDead(std::uint16_t key, bool shift) const { return deadKeys.count({key, shift}) != 0; }

    struct Key {
        std::uint16_t key;
        char plain, shifted;
    };
    static constexpr Key kKeys[] = {
        {'1', '1', '!'}, {'2', '2', '@'},  {'3', '3', '#'}, {'4', '4', '$'},  {'5', '5', '%'},  {'6', '6', '^'},
        {'7', '7', '&'}, {'8', '8', '*'},  {'9', '9', '('}, {'0', '0', ')'},  {0xBD, '-', '_'}, {0xBB, '=', '+'},
        {0xDB, '[', '{'}, {0xDD, ']', '}'}, {0xDC, '\\', '|'}, {0xBA, ';', ':'}, {0xDE, '\'', '"'}, {0xBC, ',', '<'},
        {0xBE, '.', '>'}, {0xBF, '/', '?'}, {0xC0, '`', '~'},
    };
    std::map<char32_t, Stroke> extraKeys;               // the key types the character
    std::map<char32_t, Stroke> wrongTableEntries;       // the key types something else
    std::set<std::pair<std::uint16_t, bool>> deadKeys;  // key, with Shift
    std::uint16_t languageId = 0x09;  // English
};

// The keys sent, and a target behind them: a keyboard with Caps Lock, dead
// keys and the layout above, turning what it is sent into the text that
// arrives; and the user at it, who may hold keys or press them.
// The keys sent and the user's keyboard, in one: what the user holds and
// what the program's keys hold are read together, as the system reads them.
class SimKeyInjector final : public KeyInjector, public UserInput {
public:
    std::unique_ptr<KeyboardLayout> layoutOf(WindowHandle) override
    {
        if (onLayout) onLayout();
        return std::make_unique<SimKeyboardLayout>(layout);
    }
    bool capsLockOn() override { return capsLock; }
    Sent send(const std::vector<KeyInput>& inputs, WindowHandle target) override
    {
        if (onSend) onSend();
        const std::size_t accepted = failSends ? 0 : std::min(inputs.size(), shortSend.value_or(inputs.size()));
        shortSend.reset();
        batches.push_back({inputs, target});
        for (std::size_t i = 0; i < accepted; ++i) take(inputs[i]);
        if (afterSend) afterSend();
        if (accepted < inputs.size()) return {accepted, failSends ? std::string() : "The input was blocked"};
        return {accepted, {}};
    }
    std::unique_ptr<TakenWatch> watchTaken(WindowHandle target, bool) override
    {
        waitedFor.push_back(target);
        if (onWait) onWait();
        return std::make_unique<Taking>(*this);
    }
    std::int64_t userIdleMs() override { return idleMs ? idleMs() : 1000000000; }
    // The user's keys, as the tests script them, and the program's own.
    HeldInput held() override
    {
        if (onHeldLook) onHeldLook();
        HeldInput held = userHolds;
        held.shift = held.shift || keyDown(0x10);
        held.control = held.control || keyDown(0x11);
        held.alt = held.alt || keyDown(0x12);
        return held;
    }
    // A key the system lets go of by itself, as Wine does with the modifiers
    // when a window takes the focus.
    void letGo(std::uint16_t key) { down_.erase(key); }
    std::unique_ptr<UserKeyWatch> watchUserKeys() override { return std::make_unique<Watch>(*this, userPresses); }

    // What arrived, as UTF-8; Ctrl and Alt combinations type nothing here.
    std::string typed() const { return utf16ToUtf8(typed_); }
    bool keyDown(std::uint16_t key) const { return down_.count(key) != 0; }

    SimKeyboardLayout layout;
    bool capsLock = false;
    std::vector<WindowHandle> waitedFor;
    struct Batch {
        std::vector<KeyInput> inputs;
        WindowHandle target;
    };
    std::vector<Batch> batches;
    bool failSends = false;
    std::optional<std::size_t> shortSend;  // the next send takes only so many
    std::deque<Taken> answers;             // of taken, one a look, then Yes
    std::function<void()> onSend;
    std::function<void()> afterSend;  // once the keys of a send were taken
    std::function<void()> onWait;
    std::function<void()> onLayout;  // while the target's keyboard is read
    // The user: what they hold, and how many keys they pressed so far.
    HeldInput userHolds;
    int userPresses = 0;
    std::function<void()> onHeldLook;  // each time the program looks at what is held
    // How long the user has been idle; by default for ever.
    std::function<std::int64_t()> idleMs;

private:
    // Each look takes the next scripted answer, then Yes.
    class Taking final : public TakenWatch {
    public:
        explicit Taking(SimKeyInjector& keys) : keys_(keys) {}
        KeysTaken taken() override
        {
            if (keys_.answers.empty()) return KeysTaken::Yes;
            const KeysTaken answer = keys_.answers.front();
            keys_.answers.pop_front();
            return answer;
        }

    private:
        SimKeyInjector& keys_;
    };
    class Watch final : public UserKeyWatch {
    public:
        Watch(const SimKeyInjector& keys, int pressesBefore) : keys_(keys), before_(pressesBefore) {}
        bool pressed() override { return keys_.userPresses != before_; }

    private:
        const SimKeyInjector& keys_;
        int before_;
    };

    void take(const KeyInput& input)
    {
        if (input.unicode) {
            if (!input.up) typed_ += static_cast<char16_t>(input.scanCode);
            return;
        }
        const std::uint16_t key = input.virtualKey;
        if (input.up) {
            down_.erase(key);
            return;
        }
        down_.insert(key);
        if (key == 0x14) capsLock = !capsLock;
        if (keyDown(0x11) || keyDown(0x12)) return;
        const bool shift = keyDown(0x10);
        char16_t c = 0;
        if (key >= 'A' && key <= 'Z') c = static_cast<char16_t>(shift != capsLock ? key : key - 'A' + 'a');
        if (key == 0x20 || key == 0x0D || key == 0x09) c = static_cast<char16_t>(key == 0x0D ? '\r' : key);
        if (!c) c = SimKeyboardLayout::character(key, shift);
        if (!c) return;
        if (layout.isDead(key, shift)) {
            // Types nothing yet; composes with the next character.
            deadPending_ = c;
            return;
        }
        if (deadPending_) {
            const char16_t dead = std::exchange(deadPending_, u'\0');
            const char16_t composed = compose(dead, c);
            if (composed) {
                typed_ += composed;
                return;
            }
            typed_ += dead;
            if (c == u' ') return;  // a space types the dead key's own character
        }
        typed_ += c;
    }
    static char16_t compose(char16_t dead, char16_t c)
    {
        if (dead == u'^' && c == u'e') return u'\u00EA';
        if (dead == u'^' && c == u'a') return u'\u00E2';
        return 0;
    }
    std::u16string typed_;
    std::set<std::uint16_t> down_;
    char16_t deadPending_ = 0;
};

// Key messages posted to a target: what a focused edit control would show of
// them (characters, Enter as CR), and every message in order.
class SimKeyPoster final : public KeyPosting {
public:
    bool post(const std::vector<KeyMessage>& messages, WindowHandle target) override
    {
        if (refuse) return false;
        for (const KeyMessage& m : messages) {
            posted.push_back({m, target});
            if (m.kind == KeyMessage::Kind::Character) typed_ += static_cast<char16_t>(m.code);
            if (m.kind == KeyMessage::Kind::KeyDown && m.code == 0x0D) typed_ += u'\r';
        }
        return true;
    }
    std::string typed() const { return utf16ToUtf8(typed_); }
    struct Posted {
        KeyMessage message;
        WindowHandle target;
    };
    std::vector<Posted> posted;
    bool refuse = false;

private:
    std::u16string typed_;
};

class SimGlobalHotkey final : public GlobalHotkey {
public:
    bool claim(Id id, const HotkeyCombination& combination, std::function<void()> pressed) override
    {
        release(id);
        if (heldElsewhere) return false;
        claims[id] = {combination, std::move(pressed)};
        return true;
    }
    void release(Id id) override { claims.erase(id); }
    std::vector<HotkeyCombination> held() const override
    {
        std::vector<HotkeyCombination> out;
        for (const auto& [id, claim] : claims) out.push_back(claim.first);
        return out;
    }
    void suspend() override { ++suspended; }
    void resume() override
    {
        if (suspended > 0) --suspended;
    }
    // The user presses the combination claimed under the id.
    void press(Id id = kMainHotkeyId)
    {
        if (const auto it = claims.find(id); it != claims.end() && !suspended && it->second.second) {
            const std::function<void()> pressed = it->second.second;
            pressed();
        }
        eventHandled();
    }
    // The main window's combination, if claimed.
    std::optional<HotkeyCombination> claimed(Id id = kMainHotkeyId) const
    {
        const auto it = claims.find(id);
        if (it == claims.end()) return std::nullopt;
        return it->second.first;
    }

    std::map<Id, std::pair<HotkeyCombination, std::function<void()>>> claims;
    bool heldElsewhere = false;
    int suspended = 0;  // suspensions not yet resumed
};

}  // namespace mw::sim
