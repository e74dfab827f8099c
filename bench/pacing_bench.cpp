// The repeat options' timing, against the recorder target's arrival times:
// 2,000 characters with no delay between keys; the error of a 20 ms delay
// over 500 keys (median and 95th percentile); and the program's CPU while
// an automatic turn waits for the user to be idle and while a long delayed
// turn types. Run under Wine in the test environment (bench/run.sh does).
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "main_window/form1_layout.h"

using namespace e2e;
namespace id = mw::form1_id;

namespace {

std::vector<long long> characterTimes(const Target& target)
{
    std::vector<long long> times;
    for (const KeyMessage& m : target.messages())
        if (m.kind == "CHAR") times.push_back(m.ms);
    return times;
}

double cpuMsOf(DWORD processId)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return 0;
    FILETIME created, exited, kernel, user;
    double ms = 0;
    if (GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        const auto value = [](const FILETIME& t) {
            return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 10000.0;
        };
        ms = value(kernel) + value(user);
    }
    CloseHandle(process);
    return ms;
}

// The share of one core the program used over a stretch of wall time.
double cpuPercentOver(Marrowind& app, Duration stretch)
{
    const double before = cpuMsOf(app.process().id());
    const ULONGLONG start = GetTickCount64();
    waitUntil([] { return false; }, stretch);
    const double wall = static_cast<double>(GetTickCount64() - start);
    return 100.0 * (cpuMsOf(app.process().id()) - before) / wall;
}

std::string letters(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i) text += static_cast<char>('a' + i % 26);
    return text;
}

}  // namespace

int main()
{
    {
        Target target(L"Marrowind Bench Target");
        presetSettings({});
        Marrowind app(false);
        app.selectTarget("Marrowind Bench Target");
        app.setKeys(widen(letters(2000)));
        app.press(id::kPushButton2);
        waitUntil([&] { return target.typed().size() >= 2000; }, 60s);
        const auto times = characterTimes(target);
        if (times.size() >= 2000)
            std::printf("KeyDelay 0: 2,000 characters arrived over %lld ms (target: under 1,000)\n",
                        times.back() - times.front());
    }
    {
        Target target(L"Marrowind Bench Target");
        presetSettings({{"KeyDelay", "20"}});
        Marrowind app(false);
        app.selectTarget("Marrowind Bench Target");
        app.setKeys(widen(letters(500)));
        app.press(id::kPushButton2);
        waitUntil([&] { return target.typed().size() >= 500; }, 60s);
        const auto times = characterTimes(target);
        std::vector<double> errors;
        for (std::size_t i = 1; i < times.size(); ++i)
            errors.push_back(std::fabs(static_cast<double>(times[i] - times[i - 1]) - 20.0));
        std::sort(errors.begin(), errors.end());
        if (!errors.empty())
            std::printf("KeyDelay 20 over %zu keys: error of the gap median %.1f ms, 95th percentile %.1f ms, "
                        "largest %.1f ms (target: p95 within 2 ms)\n",
                        times.size(), errors[errors.size() / 2], errors[errors.size() * 95 / 100], errors.back());
    }
    {
        Target target(L"Marrowind Bench Target");
        presetSettings({{"WaitForIdle", "600"}, {"OftenIndex", "1"}});
        Marrowind app(false);
        app.selectTarget("Marrowind Bench Target");
        app.writeKeys(L"k");
        app.press(id::kPushButton4);  // the click is the user's last input
        waitUntil([&] { return app.status() == L"Waiting for you to stop typing\u2026"; }, 5s);
        std::printf("Waiting for the user to be idle: %.2f %% of a core over 10 s (target: under 1 %%)\n",
                    cpuPercentOver(app, 10s));
        app.press(id::kPushButton4);
    }
    {
        Target target(L"Marrowind Bench Target");
        presetSettings({{"KeyDelay", "200"}});
        Marrowind app(false);
        app.selectTarget("Marrowind Bench Target");
        app.setKeys(widen(letters(60)));
        app.press(id::kPushButton2);
        waitUntil([&] { return !target.typed().empty(); }, 5s);
        std::printf("A turn with 200 ms between keys: %.2f %% of a core over 10 s (target: under 1 %%)\n",
                    cpuPercentOver(app, 10s));
    }
    return 0;
}
