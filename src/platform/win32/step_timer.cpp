#include "platform/win32/step_timer.h"

#include <mmsystem.h>

#include <algorithm>
#include <utility>

#include "platform/failure.h"
#include "platform/win32/utf.h"

namespace mw::win32 {
namespace {

constexpr UINT kStepDue = WM_APP + 1;

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

long long counterNow()
{
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

long long counterTicksPerSecond()
{
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

long long counterTicks(std::int64_t milliseconds) { return milliseconds * counterTicksPerSecond() / 1000; }

}  // namespace

Win32StepTimer::Win32StepTimer()
{
    create(L"MarrowindSteps", 0, 0, L"", 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, "StepTimer");
    timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
    highResolution_ = static_cast<bool>(timer_);
    if (!timer_) {
        timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
        // An ordinary timer fires on the system timer's ticks: make them 1 ms.
        periodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
    stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!timer_ || !stop_) fail(describeError(GetLastError()));
    thread_.reset(CreateThread(nullptr, 0, &Win32StepTimer::waiter, this, 0, nullptr));
    if (!thread_) fail(describeError(GetLastError()));
}

Win32StepTimer::~Win32StepTimer()
{
    SetEvent(stop_.get());
    WaitForSingleObject(thread_.get(), INFINITE);
    if (periodRaised_) timeEndPeriod(1);
}

DWORD WINAPI Win32StepTimer::waiter(void* self)
{
    auto& timer = *static_cast<Win32StepTimer*>(self);
    const HANDLE handles[] = {timer.stop_.get(), timer.timer_.get()};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1)
        PostMessageW(timer.hwnd(), kStepDue, 0, 0);
    return 0;
}

void Win32StepTimer::schedule(std::int64_t delayMs, std::function<void()> step)
{
    step_ = std::move(step);
    // A quarter of a millisecond early is on time: the timer rounds.
    dueTicks_ = counterNow() + counterTicks(delayMs) - counterTicks(1) / 4;
    if (delayMs <= 0) {
        CancelWaitableTimer(timer_.get());
        PostMessageW(hwnd(), kStepDue, 0, 0);
        return;
    }
    arm(delayMs * 10000);
}

void Win32StepTimer::arm(long long hundredNanoseconds)
{
    LARGE_INTEGER due{};
    due.QuadPart = -std::max(1LL, hundredNanoseconds);  // relative
    SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE);
}

void Win32StepTimer::cancel()
{
    CancelWaitableTimer(timer_.get());
    step_ = nullptr;
}

LRESULT Win32StepTimer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kStepDue) return defaultProc(message, wParam, lParam);
    if (!step_) return 0;  // cancelled, or run already
    // Too soon: the timer fired for a step this one replaced, or fired early,
    // as an ordinary waitable timer may on the system timer's ticks. It is
    // one-shot, so it is armed again for the time still to go.
    if (const long long left = dueTicks_ - counterNow(); left > 0) {
        arm(static_cast<long long>(static_cast<double>(left) * 1e7 / static_cast<double>(counterTicksPerSecond())));
        return 0;
    }
    // Taken first: the step may schedule the next one.
    std::function<void()> step = std::exchange(step_, nullptr);
    step();
    return 0;
}

}  // namespace mw::win32
