#include <algorithm>
#include <optional>

#include "targets/foreground.h"
#include "typing/held_modifiers.h"
#include "typing/key_channel.h"
#include "typing/key_translation.h"
#include "typing/posted_keys.h"

namespace mw {
namespace {

class TypedKeys final : public KeyChannel {
public:
    TypedKeys(Services& services, WindowHandle target) : services_(services), target_(target) {}

    void useLayout(const KeyboardLayout& layout) override
    {
        translator_.emplace(layout, services_.keys.capsLockOn());
    }
    bool takes(const std::vector<KeyEvent>&) const override { return true; }

    std::vector<KeySegment> load(const std::vector<KeyEvent>& batch, int keyDelayMs, int keyHoldMs) override
    {
        // Caps Lock as it is now: the user may have switched it since the
        // last batch.
        translator_->setCapsLock(services_.keys.capsLockOn());
        inputs_ = translator_->translate(batch);
        return keySegments(inputs_, keyDelayMs, keyHoldMs);
    }
    std::size_t items() const override { return inputs_.size(); }

    bool pressesAny(const std::vector<HotkeyCombination>& hotkeys) const override
    {
        return std::any_of(hotkeys.begin(), hotkeys.end(),
                           [&](const HotkeyCombination& h) { return pressesHotkey(inputs_, h); });
    }

    bool reachesTarget() const override { return inFront(services_.windows, target_); }

    PieceSent send(std::size_t begin, std::size_t end) override
    {
        std::vector<KeyInput> part =
            begin == 0 ? std::vector<KeyInput>{} : modifiersToPressAgain(inputs_, begin, services_.user.held());
        const std::size_t again = part.size();
        part.insert(part.end(), inputs_.begin() + static_cast<std::ptrdiff_t>(begin),
                    inputs_.begin() + static_cast<std::ptrdiff_t>(end));
        const KeyInjector::Sent sent = services_.keys.send(part, target_);
        const std::size_t sentItems = begin + (sent.accepted > again ? sent.accepted - again : 0);
        if (sent.accepted == part.size()) return {PieceSent::Result::Whole, sentItems, {}};
        return {PieceSent::Result::Partial, sentItems,
                "The system accepted " + std::to_string(sent.accepted) + " of " + std::to_string(part.size()) +
                    " key events" + (sent.error.empty() ? std::string() : ": " + sent.error)};
    }

    void releaseHeld(std::size_t sent) override
    {
        if (translator_ && !inputs_.empty())
            if (const std::vector<KeyInput> up = translator_->cleanUp(sent); !up.empty())
                services_.keys.send(up, target_);
        inputs_.clear();
    }

    std::unique_ptr<TakenWatch> watchTaken() override { return services_.keys.watchTaken(target_, true); }

private:
    Services& services_;
    WindowHandle target_;
    std::optional<KeyTranslator> translator_;
    std::vector<KeyInput> inputs_;
};

class PostedKeys final : public KeyChannel {
public:
    PostedKeys(Services& services, WindowHandle target) : services_(services), target_(target) {}

    void useLayout(const KeyboardLayout& layout) override { layout_ = &layout; }
    bool takes(const std::vector<KeyEvent>& events) const override { return !holdsControl(events); }

    std::vector<KeySegment> load(const std::vector<KeyEvent>& batch, int keyDelayMs, int keyHoldMs) override
    {
        messages_ = postedKeys(batch, *layout_);
        return keySegments(messages_, keyDelayMs, keyHoldMs);
    }
    std::size_t items() const override { return messages_.size(); }
    // Posted messages never reach a hotkey.
    bool pressesAny(const std::vector<HotkeyCombination>&) const override { return false; }

    bool reachesTarget() const override { return true; }

    PieceSent send(std::size_t begin, std::size_t end) override
    {
        const std::vector<KeyMessage> part(messages_.begin() + static_cast<std::ptrdiff_t>(begin),
                                           messages_.begin() + static_cast<std::ptrdiff_t>(end));
        if (!services_.posting.post(part, target_)) return {PieceSent::Result::TargetGone, begin, {}};
        return {PieceSent::Result::Whole, end, {}};
    }

    void releaseHeld(std::size_t sent) override
    {
        if (const std::vector<KeyMessage> up = releaseFor(messages_, sent); !up.empty())
            services_.posting.post(up, target_);
        messages_.clear();
    }

    std::unique_ptr<TakenWatch> watchTaken() override { return services_.keys.watchTaken(target_, false); }

private:
    Services& services_;
    WindowHandle target_;
    const KeyboardLayout* layout_ = nullptr;
    std::vector<KeyMessage> messages_;
};

}  // namespace

std::unique_ptr<KeyChannel> typedKeyChannel(Services& services, WindowHandle target)
{
    return std::make_unique<TypedKeys>(services, target);
}

std::unique_ptr<KeyChannel> postedKeyChannel(Services& services, WindowHandle target)
{
    return std::make_unique<PostedKeys>(services, target);
}

}  // namespace mw
