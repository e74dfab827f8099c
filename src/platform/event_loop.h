#pragma once
// Explicit processing of pending events inside a handler (the balloon wait and
// the shutdown), without spinning.
namespace mw {

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Dispatches every event that is pending now, then returns.
    virtual void processPending() = 0;
    // Blocks until an event arrives or the timeout passes, dispatching what
    // arrives; returns after at most timeoutMs milliseconds.
    virtual void waitForEvents(int timeoutMs) = 0;
    // The program is ending (its main window was closed during the wait).
    virtual bool quitRequested() const = 0;
};

}  // namespace mw
