// Soak: automatic typing at "every 1 second" into the recorder target for a
// number of minutes (30 unless given), sampling the program's USER and GDI
// objects, handles and private bytes every minute; then characters lost or
// out of order. Run under Wine in the test environment (bench/run.sh does).
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "driver.h"
#include "main_window/form1_layout.h"

using namespace e2e;

int main(int argc, char** argv)
{
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 30;
    Target target(L"Marrowind Soak Target");
    Marrowind app;
    app.writeKeys(L"0123456789");
    app.selectTarget("Marrowind Soak Target");
    app.chooseInterval(1);  // every second
    app.press(mw::form1_id::kPushButton4);

    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, app.process().id());
    std::printf("minute  USER  GDI  handles  private-KB  characters\n");
    for (int minute = 0; minute <= minutes; ++minute) {
        if (minute > 0) waitUntil([] { return false; }, std::chrono::minutes(1));
        DWORD handles = 0;
        GetProcessHandleCount(process, &handles);
        PROCESS_MEMORY_COUNTERS_EX memory{};
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        const SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
        std::printf("%6d  %4lu  %3lu  %7lu  %10zu  %10zu\n", minute, GetGuiResources(process, GR_USEROBJECTS),
                    GetGuiResources(process, GR_GDIOBJECTS), handles, privateBytes / 1024, target.typed().size());
        std::fflush(stdout);
    }
    app.press(mw::form1_id::kPushButton4);
    waitUntil([] { return false; }, std::chrono::seconds(2));
    const std::string typed = target.typed();
    std::size_t outOfOrder = 0;
    for (std::size_t i = 0; i < typed.size(); ++i) outOfOrder += typed[i] != static_cast<char>('0' + i % 10);
    std::printf("typed %zu characters in %zu turns; %zu out of order, %zu lost (incomplete turns)\n", typed.size(),
                typed.size() / 10, outOfOrder, typed.size() % 10);
    CloseHandle(process);
    return 0;
}
