#include "sequences/sequence_runner.h"

#include <algorithm>
#include <random>

#include "shell/numbers.h"
#include "typing/hotkey.h"

namespace mw {

struct SequenceRunner::Running {
    Sequence def;
    std::unique_ptr<AutoTyping> session;
    WindowHandle lastUsed = kNoWindow;  // the window its rule found last
    std::string status;                 // what its last turn or tick said
    std::string countdown;              // "On, next in 00:00:04"
    bool waiting = false;               // its rule found no window at the last turn
    bool failed = false;                // its last turn typed nothing or stopped short
    std::string offReason;              // why it turned itself off
    GlobalHotkey::Id hotkeyId = 0;
    bool hotkeyTaken = false;
};

SequenceRunner::SequenceRunner(const Services& services, TurnQueue& queue, SettingsSections& sections, Timer& tick)
    : services_(services), queue_(queue), store_(sections), timer_(tick)
{
    timer_.onTick = [this] { this->tick(); };
}

SequenceRunner::~SequenceRunner()
{
    timer_.onTick = nullptr;
    for (const auto& r : running_)
        if (r->hotkeyId) services_.hotkey.release(r->hotkeyId);
}

void SequenceRunner::setMainWindow(WindowHandle window)
{
    mainWindow_ = window;
    for (const auto& r : running_) r->session->setMainWindow(window);
}

void SequenceRunner::load()
{
    for (const Sequence& sequence : store_.load()) running_.push_back(start(sequence));
    updateTimer();
    notify();
}

std::vector<Sequence> SequenceRunner::sequences() const
{
    std::vector<Sequence> all;
    for (const auto& r : running_) all.push_back(r->def);
    std::sort(all.begin(), all.end(), [](const Sequence& a, const Sequence& b) { return a.name < b.name; });
    return all;
}

SequenceRunner::Running* SequenceRunner::running(const std::string& name) const
{
    for (const auto& r : running_)
        if (equalIgnoringCase(r->def.name, name)) return r.get();
    return nullptr;
}

const Sequence* SequenceRunner::find(const std::string& name) const
{
    const Running* r = running(name);
    return r ? &r->def : nullptr;
}

std::unique_ptr<SequenceRunner::Running> SequenceRunner::start(const Sequence& sequence)
{
    auto r = std::make_unique<Running>();
    r->def = sequence;
    Running& self = *r;
    AutoTyping::View view;
    view.status = [this, &self](const std::string& text) {
        self.status = text;
        notify();
    };
    view.rebuildTargets = [] {};
    view.target = [this, &self]() -> TurnTarget {
        const WindowHandle found =
            resolveRule(services_.windows, self.def.target, self.lastUsed, mainWindow_);
        self.waiting = found == kNoWindow;
        if (self.waiting) return {kNoWindow, "Waiting for " + ruleText(self.def.target) + "\xE2\x80\xA6"};
        self.lastUsed = found;
        return {found, {}};
    };
    // Once a turn is over the state shows the count again, or why it failed.
    view.turnOver = [this, &self](SendOutcome outcome) {
        self.failed = outcome != SendOutcome::Sent;
        notify();
    };
    view.stopped = [this, &self](const std::string& why) {
        if (shutDown_) return;
        self.offReason = why;
        self.def.on = false;
        store_.save(self.def);
        updateTimer();
        notify();
    };
    r->session = std::make_unique<AutoTyping>(services_, queue_, std::move(view), std::random_device{}());
    r->session->setMainWindow(mainWindow_);
    SessionOptions options;
    options.jitterSeconds = sequence.jitter;
    options.stopRules = {sequence.stopAfterTurns, sequence.stopAfterMinutes};
    options.turns.keyDelayMs = sequence.keyDelay;
    options.turns.keyHoldMs = sequence.keyHold;
    options.turns.background = sequence.background;
    r->session->setOptions(options);
    r->session->chooseInterval(Interval{sequence.every, sequence.oneKey});
    claimHotkey(*r);
    if (sequence.on) setOn(*r, true);
    return r;
}

void SequenceRunner::claimHotkey(Running& r)
{
    if (r.hotkeyId) services_.hotkey.release(r.hotkeyId);
    r.hotkeyId = 0;
    r.hotkeyTaken = false;
    const std::optional<HotkeyCombination> combination = parseHotkey(r.def.hotkey);
    if (!combination) return;
    r.hotkeyId = nextHotkeyId_++;
    const std::string name = r.def.name;
    r.hotkeyTaken = !services_.hotkey.claim(r.hotkeyId, *combination, [this, name] {
        Running* pressed = running(name);
        if (!pressed || shutDown_) return;
        // During its turn it ends the turn, and with it the sequence, as the
        // main window's hotkey does.
        if (pressed->session->turnRunning()) return pressed->session->stopTurn(SendOutcome::StoppedByHotkey);
        setOn(*pressed, !pressed->def.on);
    });
}

std::string SequenceRunner::stateOf(const std::string& name) const
{
    const Running* r = running(name);
    if (!r) return {};
    std::string state;
    if (!r->def.on)
        state = r->offReason.empty() ? kSequenceOffText : r->offReason;
    else if (r->session->turnRunning() || r->waiting || r->failed)
        state = r->status;
    else
        state = r->countdown;
    if (r->hotkeyTaken) state += " (its hotkey is held by another program)";
    return state;
}

bool SequenceRunner::hotkeyTaken(const std::string& name) const
{
    const Running* r = running(name);
    return r && r->hotkeyTaken;
}

void SequenceRunner::setOn(Running& r, bool on)
{
    r.offReason.clear();
    r.failed = r.waiting = false;
    if (on) {
        r.session->restartCharacters();
        r.session->restartCount();
        r.session->turnOn(services_.clock.monotonicMs());
        r.countdown =
            "On, next in " + SecondsToHms(r.session->schedule().currentInterval(), services_.locale.format().timeSeparator);
    } else {
        r.session->turnOff();
    }
    r.def.on = on;
    store_.save(r.def);
    updateTimer();
    notify();
}

bool SequenceRunner::turnOn(const std::string& name)
{
    Running* r = running(name);
    if (r && !r->def.on) setOn(*r, true);
    return r != nullptr;
}

bool SequenceRunner::turnOff(const std::string& name)
{
    Running* r = running(name);
    if (r && r->def.on) setOn(*r, false);
    return r != nullptr;
}

bool SequenceRunner::toggle(const std::string& name)
{
    Running* r = running(name);
    if (r) setOn(*r, !r->def.on);
    return r != nullptr;
}

bool SequenceRunner::typeNow(const std::string& name)
{
    Running* r = running(name);
    if (!r) return false;
    // Into the window its rule finds now; none, and it says so.
    const TurnTarget target = [&] {
        const WindowHandle found = resolveRule(services_.windows, r->def.target, r->lastUsed, mainWindow_);
        if (found == kNoWindow) return TurnTarget{kNoWindow, "Waiting for " + ruleText(r->def.target) + "\xE2\x80\xA6"};
        r->lastUsed = found;
        return TurnTarget{found, {}};
    }();
    r->waiting = target.window == kNoWindow;
    if (r->waiting) {
        r->status = target.nothingTyped;
        notify();
        return true;
    }
    if (!r->session->turnRunning()) r->session->typeNow(r->def.keys, target.window, nullptr);
    return true;
}

void SequenceRunner::add(const Sequence& sequence)
{
    store_.save(sequence);
    running_.push_back(start(sequence));
    updateTimer();
    notify();
}

void SequenceRunner::replace(const std::string& name, const Sequence& sequence)
{
    remove(name);
    add(sequence);
}

void SequenceRunner::remove(const std::string& name)
{
    const auto it = std::find_if(running_.begin(), running_.end(),
                                 [&](const auto& r) { return equalIgnoringCase(r->def.name, name); });
    if (it == running_.end()) return;
    // Its turn ends first, so that the queue goes on with the next.
    (*it)->session->stopTurn(SendOutcome::TurnedOff);
    if ((*it)->hotkeyId) services_.hotkey.release((*it)->hotkeyId);
    store_.remove((*it)->def.name);
    running_.erase(it);
    updateTimer();
    notify();
}

std::optional<std::string> SequenceRunner::hotkeyHolder(const std::string& hotkey, const std::string& except) const
{
    const std::optional<HotkeyCombination> wanted = parseHotkey(hotkey);
    if (!wanted) return std::nullopt;
    for (const auto& r : running_)
        if (!equalIgnoringCase(r->def.name, except) && parseHotkey(r->def.hotkey) == wanted) return r->def.name;
    return std::nullopt;
}

void SequenceRunner::shutDown()
{
    shutDown_ = true;
    timer_.setInterval(0);
    for (const auto& r : running_) r->session->stopTurn(SendOutcome::TurnedOff);
}

void SequenceRunner::tick()
{
    if (shutDown_) return;
    // Ticks arriving while one of the program's boxes waits for an answer
    // are dropped, as the main window's are.
    if (services_.dialogs.modalOpen()) return;
    for (const auto& r : running_)
        if (r->def.on) tickOne(*r);
    notify();
}

void SequenceRunner::tickOne(Running& r)
{
    AutoTyping& session = *r.session;
    if (session.stopIfDue(services_.clock.monotonicMs())) return;
    // Its turn waits for its place or runs: the count goes on after it.
    if (session.turnRunning()) return;
    session.updateInterval();
    const Countdown countdown = session.tick();
    r.countdown = "On, next in " + SecondsToHms(countdown.secondsLeft, services_.locale.format().timeSeparator);
    if (!countdown.due) return;
    typeOneTurn(r);
    session.restartCount();
    // The count starts again: the state shows the whole interval to come.
    r.countdown = "On, next in " +
                  SecondsToHms(session.schedule().currentInterval(), services_.locale.format().timeSeparator);
}

void SequenceRunner::typeOneTurn(Running& r)
{
    AutoTyping& session = *r.session;
    if (!session.oneKey()) return session.typeTurn(r.def.keys);
    const std::vector<std::string> keys = AutoTyping::keysOf(r.def.keys);
    if (!session.positionWithin(keys.size())) session.restartCharacters();
    const auto at = static_cast<std::size_t>(session.CharPosition() - 1);
    session.typeTurn(at < keys.size() ? keys[at] : std::string());
    session.nextCharacter();
}

void SequenceRunner::updateTimer()
{
    const bool anyOn = std::any_of(running_.begin(), running_.end(), [](const auto& r) { return r->def.on; });
    const int interval = anyOn && !shutDown_ ? 1000 : 0;
    if (timer_.interval() != interval) timer_.setInterval(interval);
}

void SequenceRunner::notify()
{
    if (changed) changed();
}

}  // namespace mw
