#pragma once
#include <functional>
#include <algorithm>
#include <set>
#include <vector>

#include "platform/window_system.h"

namespace mw::sim {

// A desktop of top-level windows in stacking order, top first.
class SimWindowSystem final : public WindowSystem {
public:
    struct Window {
        WindowHandle handle = kNoWindow;
        std::string title;
        bool visible = true;
        WindowHandle owner = kNoWindow;
        bool topmost = false;
        bool shown = false;
        bool cloaked = false;
        ExtendedStyle style;
        Creator creator;           // as the system names it
        ThreadId inputThread = 0;  // the thread that owns the window and takes its keys
        std::string program = "program.exe";
        std::string windowClass = "Window";
    };

    // Adds a window of a program of its own below the existing ones and
    // returns its handle.
    WindowHandle add(std::string title, bool visible = true, WindowHandle owner = kNoWindow)
    {
        Window w;
        w.handle = nextHandle_;
        nextHandle_ += 4;
        w.title = std::move(title);
        w.visible = visible;
        w.owner = owner;
        w.creator = {nextId_, nextId_ + 1};
        w.inputThread = w.creator.thread;
        nextId_ += 4;
        stack.push_back(w);
        return w.handle;
    }
    // A console window: the system names the console program and one of its
    // threads as its creator, while the console host's thread owns it.
    WindowHandle addConsole(std::string title)
    {
        const WindowHandle handle = add(std::move(title));
        find(handle)->inputThread = nextId_;
        nextId_ += 4;
        return handle;
    }
    void destroy(WindowHandle window) { std::erase_if(stack, [&](const Window& w) { return w.handle == window; }); }
    Window* find(WindowHandle window)
    {
        for (auto& w : stack)
            if (w.handle == window) return &w;
        return nullptr;
    }
    void bringToTop(WindowHandle window)
    {
        auto it = std::find_if(stack.begin(), stack.end(), [&](const Window& w) { return w.handle == window; });
        if (it == stack.end()) return;
        Window w = *it;
        stack.erase(it);
        stack.insert(stack.begin(), w);
    }

    WindowHandle firstTopLevel() override { return stack.empty() ? kNoWindow : stack.front().handle; }
    WindowHandle nextBelow(WindowHandle window) override
    {
        if (onVisit) onVisit(window);
        for (std::size_t i = 0; i < stack.size(); ++i)
            if (stack[i].handle == window) return i + 1 < stack.size() ? stack[i + 1].handle : kNoWindow;
        return kNoWindow;
    }
    WindowHandle owner(WindowHandle window) override
    {
        const Window* w = find(window);
        return w ? w->owner : kNoWindow;
    }
    std::string title(WindowHandle window) override
    {
        if (onTitle) onTitle(window);
        const Window* w = find(window);
        return w ? w->title : std::string();
    }
    bool isVisible(WindowHandle window) override
    {
        const Window* w = find(window);
        return w && w->visible;
    }
    bool exists(WindowHandle window) override { return find(window) != nullptr; }
    bool isCloaked(WindowHandle window) override
    {
        const Window* w = find(window);
        return w && w->cloaked;
    }
    ExtendedStyle extendedStyle(WindowHandle window) override
    {
        const Window* w = find(window);
        if (!w) return {};
        ExtendedStyle style = w->style;
        style.topmost = w->topmost;
        return style;
    }
    std::string programOf(WindowHandle window) override
    {
        const Window* w = find(window);
        return w ? w->program : std::string();
    }
    std::string className(WindowHandle window) override
    {
        const Window* w = find(window);
        return w ? w->windowClass : std::string();
    }
    Creator creatorOf(WindowHandle window) override
    {
        const Window* w = find(window);
        return w ? w->creator : Creator{};
    }
    WindowHandle foregroundWindow() override { return foreground; }
    // The thread that owns the foreground window has it active and focused;
    // no other thread has a window active.
    ThreadInput threadInput(ThreadId thread) override
    {
        const Window* front = find(foreground);
        if (!front || (thread != kForegroundThread && thread != front->inputThread)) return {};
        return {front->handle, front->handle};
    }
    void setTopmostBand(WindowHandle window, bool topmost, bool activate = true) override
    {
        if (!activate) releasedWithoutActivation.insert(window);
        calls.push_back({topmost ? Call::Raise : Call::Release, window});
        if (onCall) onCall(calls.back());
        if (Window* w = find(window)) {
            w->topmost = topmost;
            bringToTop(window);
        }
    }
    void show(WindowHandle window) override
    {
        calls.push_back({Call::Show, window});
        if (Window* w = find(window)) w->shown = true;
    }
    bool isHung(WindowHandle window) override { return hung.count(window) != 0; }
    bool askForeground(WindowHandle window, bool ownInput) override
    {
        calls.push_back({ownInput ? Call::ForegroundWithInput : Call::Foreground, window});
        if (onCall) onCall(calls.back());
        if (!find(window) || refuseForeground || hung.count(window) || (foregroundLocked && !ownInput)) return false;
        foreground = window;
        return true;
    }
    bool desktopTakesInput() override { return !locked; }
    bool fullScreenInFront() override { return fullScreenFront; }
    bool acceptsOurInput(WindowHandle window) override { return !elevated.count(window); }

    struct Call {
        enum Kind { Raise, Show, Foreground, ForegroundWithInput, Release } kind;
        WindowHandle window;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;
    std::set<WindowHandle> releasedWithoutActivation;
    std::function<void(const Call&)> onCall;
    // Windows that no longer respond: they cannot be brought to the front.
    std::set<WindowHandle> hung;
    WindowHandle foreground = kNoWindow;
    bool refuseForeground = false;
    // The foreground lock: only a request that comes with input of the
    // program's own is granted.
    bool foregroundLocked = false;
    // The session is locked or a secure desktop is up.
    bool locked = false;
    // The foreground window runs full screen.
    bool fullScreenFront = false;
    // Windows of programs running with higher privileges.
    std::set<WindowHandle> elevated;
    std::vector<Window> stack;
    // Hooks to change the desktop in the middle of a walk.
    std::function<void(WindowHandle)> onTitle;
    std::function<void(WindowHandle)> onVisit;

private:
    WindowHandle nextHandle_ = 0x20000;
    std::uint32_t nextId_ = 0x100;
};

}  // namespace mw::sim
