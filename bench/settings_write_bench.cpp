// One settings write as the key text box makes on every keystroke, into the
// real per-user registry store (run it under Wine or on Windows).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/win32/settings_store.h"
#include "shell/product.h"

int main()
{
    mw::win32::Win32SettingsStore store(mw::kApplicationName, "Marrowind benchmark");
    constexpr int kWrites = 2000;
    std::vector<double> micros;
    std::string text;
    for (int i = 0; i < kWrites; ++i) {
        text += static_cast<char>('a' + i % 26);
        if (text.size() > 200) text.clear();
        const auto start = std::chrono::steady_clock::now();
        store.write(mw::setting::kTextbox, text);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    double sum = 0;
    for (double m : micros) sum += m;
    std::printf("settings write (registry): mean %.1f us, median %.1f us, 99th percentile %.1f us, max %.1f us (%d writes)\n",
                sum / kWrites, micros[kWrites / 2], micros[kWrites * 99 / 100], micros.back(), kWrites);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Marrowind\\Marrowind benchmark");
    return 0;
}
