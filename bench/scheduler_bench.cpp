// Automatic typing at "every 1 second" for a number of turns (120 unless
// given) into the recorder target: how far turn k lands from start + k
// seconds, the mean spacing, and the program's CPU time and private memory.
// Run under Wine in the test environment (bench/run.sh does).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "driver.h"
#include "main_window/form1_layout.h"

using namespace e2e;

namespace {

struct Usage {
    double cpuMs = 0;
    double privateMb = 0;
    double workingSetMb = 0;
};

Usage usageOf(DWORD processId)
{
    Usage usage;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return usage;
    FILETIME created, exited, kernel, user;
    if (GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        auto ms = [](const FILETIME& t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 10000.0; };
        usage.cpuMs = ms(kernel) + ms(user);
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    {
        // Wine leaves PrivateUsage at 0; its commit charge is PagefileUsage.
        usage.privateMb = static_cast<double>(std::max(memory.PrivateUsage, memory.PagefileUsage)) / (1024.0 * 1024.0);
        usage.workingSetMb = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
    }
    CloseHandle(process);
    return usage;
}

}  // namespace

int main(int argc, char** argv)
{
    const int turns = argc > 1 ? std::atoi(argv[1]) : 120;
    Target target(L"Marrowind Bench Target");
    Marrowind app;
    app.writeKeys(L"k");
    app.selectTarget("Marrowind Bench Target");
    app.chooseInterval(1);  // every second
    const Usage before = usageOf(app.process().id());
    const ULONGLONG clicked = GetTickCount64();
    app.press(mw::form1_id::kPushButton4);

    std::vector<long long> times;
    waitUntil(
        [&] {
            times.clear();
            for (const KeyMessage& m : target.messages())
                if (m.kind == "CHAR") times.push_back(m.ms);
            return static_cast<int>(times.size()) >= turns;
        },
        std::chrono::seconds(turns * 2 + 30));
    const Usage after = usageOf(app.process().id());
    app.press(mw::form1_id::kPushButton4);
    if (times.size() < 2) {
        std::printf("only %zu turns arrived\n", times.size());
        return 1;
    }
    const long long first = times.front();
    double worst = 0;
    std::size_t worstAt = 0;
    for (std::size_t k = 0; k < times.size(); ++k) {
        const double deviation = std::fabs(static_cast<double>(times[k] - (first + static_cast<long long>(k) * 1000)));
        if (deviation > worst) {
            worst = deviation;
            worstAt = k + 1;
        }
    }
    const double spacing = static_cast<double>(times.back() - first) / static_cast<double>(times.size() - 1);
    std::printf("%zu turns at every 1 second (first turn %lld ms after the click, expected about 1000):\n",
                times.size(), static_cast<long long>(target.startedTick() + static_cast<ULONGLONG>(first) - clicked));
    std::printf("  largest deviation of turn k from first + (k-1) s: %.0f ms (turn %zu)\n", worst, worstAt);
    std::printf("  deviation of the last turn: %lld ms\n",
                times.back() - (first + static_cast<long long>(times.size() - 1) * 1000));
    std::printf("  mean spacing: %.2f ms\n", spacing);
    const double seconds = static_cast<double>(times.back() - first) / 1000.0;
    std::printf("  program CPU time over the run: %.0f ms (%.3f %% of one core, turns included)\n",
                after.cpuMs - before.cpuMs, (after.cpuMs - before.cpuMs) / (seconds * 10.0));
    std::printf("  program private memory: %.1f MB (working set %.1f MB)\n", after.privateMb, after.workingSetMb);
    return 0;
}
