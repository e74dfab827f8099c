// Rebuilding the window list over a desktop of 500 simulated windows.
#include <chrono>
#include <cstdio>

#include "sim/list_view.h"
#include "sim/services.h"
#include "sim/window_system.h"
#include "targets/window_list.h"

int main()
{
    using namespace mw;
    sim::SimWindowSystem windows;
    sim::SimDialogs dialogs;
    sim::SimListView list;
    TargetList targets;
    for (int i = 0; i < 500; ++i) windows.add("Window number " + std::to_string(i), i % 5 != 0, kNoWindow);

    constexpr int kRounds = 2000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) getAllWindows({windows, dialogs, kNoWindow}, targets, list);
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("getAllWindows over 500 simulated windows (%d listed): %.1f us per rebuild (%d rebuilds)\n",
                list.count(), elapsed.count() / kRounds, kRounds);
    return 0;
}
