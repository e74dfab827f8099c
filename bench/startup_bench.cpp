// Start-up time from launch to the main window visible, against a minimal
// Win32 window program started the same way; and the CPU time the program
// uses during the 5-second balloon wait after the first minimise.
// Run under Wine in the test environment (bench/run.sh does).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <tuple>
#include <vector>

#include "driver.h"

using namespace e2e;
using Clock = std::chrono::steady_clock;

namespace {

// Milliseconds from the start of the process to its window being visible,
// looked for every millisecond (a coarser wait would round both figures up to
// its own step).
double startToVisible(const std::wstring& exe, const std::wstring& arguments, const std::wstring& title)
{
    const auto start = Clock::now();
    Process process(exe, arguments);
    while (!findWindow(process.id(), title)) {
        if (Clock::now() - start > std::chrono::seconds(20)) return 20000;
        Sleep(1);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (const HWND window = findWindow(process.id(), title)) PostMessageW(window, WM_CLOSE, 0, 0);
    process.waitForExit(std::chrono::seconds(10));
    return ms;
}

}  // namespace

int main()
{
    constexpr int kRuns = 21;
    std::vector<double> program, minimal;
    const std::wstring log = binFolder() + L"\\bench-minimal.log";
    for (int i = 0; i < kRuns; ++i) {
        // The settings are not reset: that would time reg.exe too.
        program.push_back(startToVisible(binFolder() + L"\\Marrowind.exe", L"", kProductTitle));
        minimal.push_back(startToVisible(binFolder() + L"\\marrowind_target.exe", L"\"Minimal Window\" \"" + log + L"\"",
                                         L"Minimal Window"));
    }
    DeleteFileW(log.c_str());
    // Each start against the minimal one started right after it, so that a
    // slow patch of the machine weighs on both alike.
    std::vector<double> ratios;
    for (int i = 0; i < kRuns; ++i) ratios.push_back(program[i] / minimal[i]);
    const auto quartiles = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return std::make_tuple(v[v.size() / 4], v[v.size() / 2], v[v.size() * 3 / 4]);
    };
    const auto [p1, p2, p3] = quartiles(program);
    const auto [m1, m2, m3] = quartiles(minimal);
    const auto [r1, r2, r3] = quartiles(ratios);
    std::printf("start-up to the window visible, %d starts each (quartiles): Marrowind %.0f/%.0f/%.0f ms, minimal "
                "window %.0f/%.0f/%.0f ms; ratio of each pair %.2f/%.2f/%.2f\n",
                kRuns, p1, p2, p3, m1, m2, m3, r1, r2, r3);

    Marrowind app;
    const double before = cpuMs(app.process().id());
    const auto start = Clock::now();
    PostMessageW(app.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    waitUntil([&] { return !IsWindowVisible(app.window()); });
    // The wait lasts 5 s (no shell reports under Wine); measure over 6 s.
    waitUntil([] { return false; }, std::chrono::seconds(6));
    const double used = cpuMs(app.process().id()) - before;
    std::printf("CPU time during the balloon wait (%.1f s): %.0f ms\n",
                std::chrono::duration<double>(Clock::now() - start).count(), used);
    return 0;
}
