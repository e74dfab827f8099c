// One typing turn of 2,000 characters: time from the click on "Type Now
// (Test)" to the last character received, and characters lost or out of
// order; the same text through xdotool for comparison; and into Notepad.
// Run under Wine in the test environment (bench/run.sh does).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "../tests/e2e/driver.h"
#include "main_window/form1_layout.h"

using namespace e2e;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::size_t kLength = 2000;

std::string sampleText()
{
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz0123456789 ";
    std::string text;
    for (std::size_t i = 0; i < kLength; ++i) text += alphabet[(i * 7 + i / 37) % alphabet.size()];
    return text;
}

struct Result {
    double ms = -1;
    std::size_t received = 0;
    std::size_t lost = 0;
    bool inOrder = false;
};

Result compare(const std::string& sent, const std::string& received, double ms)
{
    Result r;
    r.ms = ms;
    r.received = received.size();
    r.lost = received.size() < sent.size() ? sent.size() - received.size() : 0;
    r.inOrder = received == sent.substr(0, received.size()) && received.size() == sent.size();
    if (!r.inOrder) {
        std::size_t i = 0;
        while (i < received.size() && i < sent.size() && received[i] == sent[i]) ++i;
        std::printf("  first difference at %zu: sent \"%s\" received \"%s\"\n", i, sent.substr(i, 20).c_str(),
                    received.substr(i, 20).c_str());
    }
    return r;
}

void print(const char* what, const Result& r)
{
    std::printf("%-38s %8.1f ms  %5zu received  %5zu lost  %s\n", what, r.ms, r.received, r.lost,
                r.inOrder ? "in order" : "NOT in order");
}

// Waits for the target to have `count` characters or to stay still for 3 s.
std::string waitForCharacters(const Target& target, std::size_t count, Clock::time_point start, double* ms)
{
    std::string typed;
    auto lastChange = Clock::now();
    std::size_t lastSize = 0;
    waitUntil(
        [&] {
            typed = target.typed();
            if (typed.size() != lastSize) {
                lastSize = typed.size();
                lastChange = Clock::now();
                *ms = std::chrono::duration<double, std::milli>(lastChange - start).count();
            }
            return typed.size() >= count || Clock::now() - lastChange > std::chrono::seconds(3);
        },
        std::chrono::seconds(600));
    return typed;
}

Result viaMarrowind(const std::string& text)
{
    Target target(L"Marrowind Bench Target");
    Marrowind app;
    app.selectTarget("Marrowind Bench Target");
    SetWindowTextW(app.control(mw::form1_id::kText2), widen(text).c_str());
    const auto start = Clock::now();
    app.press(mw::form1_id::kPushButton2);
    double ms = 0;
    const std::string typed = waitForCharacters(target, text.size(), start, &ms);
    return compare(text, typed, ms);
}

Result viaXdotool(const std::string& text, const std::string& delay)
{
    {
        std::ofstream file("Z:\\tmp\\marrowind-bench-text.txt", std::ios::binary);
        file << text;
    }
    Target target(L"Marrowind Bench Target");
    bringToFront(target.window());
    std::wstring command = L"/bin/sh -c \"/usr/bin/xdotool type " + widen(delay) +
                           L" --file /tmp/marrowind-bench-text.txt\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const auto start = Clock::now();
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    double ms = 0;
    const std::string typed = waitForCharacters(target, text.size(), start, &ms);
    return compare(text, typed, ms);
}

Result intoNotepad(const std::string& text)
{
    Process notepad(L"C:\\windows\\system32\\notepad.exe", L"");
    const HWND window = waitForWindow(notepad.id(), L"Untitled - Notepad");
    Marrowind app;
    app.selectTarget("Untitled - Notepad");
    SetWindowTextW(app.control(mw::form1_id::kText2), widen(text).c_str());
    const HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
    const auto start = Clock::now();
    app.press(mw::form1_id::kPushButton2);
    std::string content;
    double ms = 0;
    auto lastChange = Clock::now();
    waitUntil(
        [&] {
            const std::string now = narrow(e2e::text(edit));
            if (now != content) {
                content = now;
                lastChange = Clock::now();
                ms = std::chrono::duration<double, std::milli>(lastChange - start).count();
            }
            return content.size() >= text.size() || Clock::now() - lastChange > std::chrono::seconds(3);
        },
        std::chrono::seconds(600));
    PostMessageW(window, WM_CLOSE, 0, 0);
    return compare(text, content, ms);
}

}  // namespace

int main()
{
    const std::string text = sampleText();
    std::printf("One turn of %zu characters:\n", text.size());
    const Result marrowind = viaMarrowind(text);
    print("Marrowind into the test target", marrowind);
    const Result xdoDefault = viaXdotool(text, "");
    print("xdotool type (default delay)", xdoDefault);
    const Result xdoZero = viaXdotool(text, "--delay 0");
    print("xdotool type --delay 0", xdoZero);
    if (marrowind.ms > 0) {
        std::printf("xdotool default / Marrowind: %.1fx   xdotool --delay 0 / Marrowind: %.1fx\n",
                    xdoDefault.ms / marrowind.ms, xdoZero.ms / marrowind.ms);
    }
    print("Marrowind into Notepad", intoNotepad(text));
    return 0;
}
