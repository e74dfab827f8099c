#pragma once
#include <functional>

#include "platform/step_timer.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_class.h"

namespace mw::win32 {

// A high-resolution waitable timer, waited on by a thread of its own that
// only posts a message to a hidden window when it fires: the step then runs
// on the program's thread, from the main loop or a modal one (a message box,
// a menu) alike. Where the system has no high-resolution timers, an ordinary
// waitable timer with the system timer at its 1 ms period serves instead.
class Win32StepTimer final : public StepTimer, private WindowClass {
public:
    Win32StepTimer();
    ~Win32StepTimer() override;
    void schedule(std::int64_t delayMs, std::function<void()> step) override;
    void cancel() override;
    // Whether the timer is a high-resolution one, for the benchmarks.
    bool highResolution() const { return highResolution_; }

    // The waitable timer, for tests that make it fire before the step is due,
    // as an ordinary waitable timer may.
    HANDLE waitableTimer() const { return timer_.get(); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    static DWORD WINAPI waiter(void* self);
    void arm(long long hundredNanoseconds);

    UniqueKernelHandle timer_;
    UniqueKernelHandle stop_;
    UniqueKernelHandle thread_;
    bool highResolution_ = false;
    bool periodRaised_ = false;
    // When the step is due, in performance counter ticks.
    long long dueTicks_ = 0;
    std::function<void()> step_;
};

}  // namespace mw::win32
