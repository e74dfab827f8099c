// Typing turns of 2,000 and 20,000 characters: time from the click on "Type Now
// (Test)" to the last character received, and characters lost or out of order,
// into the window recorder, into a console window (the console recorder) and
// into Notepad. Each is measured in the same run beside its anchor, with the
// ratio: the 2,000 into the window recorder beside xdotool (--delay 0, which
// types as fast as the target takes them), everything else beside one raw
// SendInput batch of the same text into the same kind of target.
//   bench_typing.exe                the figures above
//   bench_typing.exe recorder       the window recorder's figures alone
//   bench_typing.exe long           the 1 MB text into the two recorders instead
//   ... PATH\OTHER.exe              another build of the program measured too,
//                                   beside the same anchors (before and after)
// Run under Wine in the test environment (bench/run.sh does).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "main_window/form1_layout.h"

using namespace e2e;
using Clock = std::chrono::steady_clock;

namespace {

// Lines of 60 characters, the line break counted as one ("\n" here): Notepad
// under Wine slows with the length of the line it types into.
std::string sampleText(std::size_t length)
{
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz0123456789 ";
    std::string text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i) text += i % 60 == 59 ? '\n' : alphabet[(i * 7 + i / 37) % alphabet.size()];
    return text;
}

// The text with its line breaks written as given.
std::string withLineBreaks(const std::string& text, const std::string& lineBreak)
{
    std::string out;
    out.reserve(text.size() + text.size() / 30);
    for (char c : text) out += c == '\n' ? lineBreak : std::string(1, c);
    return out;
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
    r.inOrder = received == sent;
    if (!r.inOrder) {
        std::size_t i = 0;
        while (i < received.size() && i < sent.size() && received[i] == sent[i]) ++i;
        std::printf("  first difference at %zu: sent \"%s\" received \"%s\"\n", i, sent.substr(i, 20).c_str(),
                    received.substr(i, 20).c_str());
    }
    return r;
}

// The figure, and its ratio to the anchor measured beside it.
void print(const std::string& what, const Result& r, const Result* anchor = nullptr, const char* anchorName = "")
{
    std::printf("%-52s %9.1f ms  %7zu received  %7zu lost  %s", what.c_str(), r.ms, r.received, r.lost,
                r.inOrder ? "in order" : "NOT in order");
    if (anchor && anchor->ms > 0) std::printf("  (%.2fx %s)", r.ms / anchor->ms, anchorName);
    std::printf("\n");
    std::fflush(stdout);
}

// Waits until `content` returns `count` characters or stays the same for 30 s
// and a tenth of a millisecond per character; *ms is the time from start to the
// last change. (A console host that takes a
// large batch at once gives its program nothing until it has taken all of it:
// under Wine 20,000 characters kept the console recorder waiting for seconds.)
std::string waitForCharacters(const std::function<std::string()>& content, std::size_t count,
                              Clock::time_point start, double* ms)
{
    std::string typed;
    auto lastChange = Clock::now();
    std::size_t lastSize = 0;
    waitUntil(
        [&] {
            typed = content();
            if (typed.size() != lastSize) {
                lastSize = typed.size();
                lastChange = Clock::now();
                *ms = std::chrono::duration<double, std::milli>(lastChange - start).count();
            }
            return typed.size() >= count || Clock::now() - lastChange > std::chrono::milliseconds(30000 + count / 10);
        },
        std::chrono::hours(2));
    return typed;
}

// The whole text as one SendInput call, as the target's keyboard layout types it.
void sendRawBatch(const std::string& text, HWND target)
{
    const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(target, nullptr));
    std::vector<INPUT> inputs;
    inputs.reserve(text.size() * 4);
    auto key = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, layout));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (char c : text) {
        const SHORT scan = c == '\n' ? VK_RETURN : VkKeyScanExW(static_cast<wchar_t>(c), layout);
        const bool shift = HIBYTE(scan) & 1;
        if (shift) key(VK_SHIFT, false);
        key(LOBYTE(scan), false);
        key(LOBYTE(scan), true);
        if (shift) key(VK_SHIFT, true);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// One kind of target: started afresh for each measurement.
struct Kind {
    std::string name;
    std::string listTitle;
    std::string lineBreak;  // what a line break arrives as
    std::function<void()> start;
    std::function<HWND()> window;
    std::function<std::string()> content;
    std::function<void()> stop;
};

// The key text stored in fresh settings, for the program to restore as it
// starts. (Wine's WM_SETTEXT from another process breaks beyond about 2 MB.)
void storeKeyText(const std::string& text)
{
    regDeleteKey(kSettingsKey);
    const std::wstring value = widen(text);
    const std::wstring path = widen(kSettingsKey.substr(kSettingsKey.find('\\') + 1));
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExW(key, L"Textbox", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

Result viaMarrowind(Kind& kind, const std::string& text, const std::wstring& exe)
{
    kind.start();
    storeKeyText(withLineBreaks(text, "\r\n"));
    Marrowind app(Marrowind::Options{false, true, exe});
    app.selectTarget(kind.listTitle);
    const std::string expected = withLineBreaks(text, kind.lineBreak);
    const auto start = Clock::now();
    app.press(mw::form1_id::kPushButton2);
    double ms = 0;
    const std::string typed = waitForCharacters(kind.content, expected.size(), start, &ms);
    kind.stop();
    return compare(expected, typed, ms);
}

Result viaRawBatch(Kind& kind, const std::string& text)
{
    kind.start();
    bringToFront(kind.window());
    const auto start = Clock::now();
    sendRawBatch(text, kind.window());
    const std::string expected = withLineBreaks(text, kind.lineBreak);
    double ms = 0;
    const std::string typed = waitForCharacters(kind.content, expected.size(), start, &ms);
    kind.stop();
    return compare(expected, typed, ms);
}

Result viaXdotool(Kind& kind, const std::string& lines, const std::string& delay)
{
    // xdotool's line breaks do not reach a Wine window: the same text in one line.
    const std::string text = withLineBreaks(lines, " ");
    {
        std::ofstream file("Z:\\tmp\\marrowind-bench-text.txt", std::ios::binary);
        file << text;
    }
    kind.start();
    bringToFront(kind.window());
    std::wstring command = L"/bin/sh -c \"/usr/bin/xdotool type " + widen(delay) +
                           L" --file /tmp/marrowind-bench-text.txt\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const auto start = Clock::now();
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
    const std::string expected = withLineBreaks(text, kind.lineBreak);
    double ms = 0;
    const std::string typed = waitForCharacters(kind.content, expected.size(), start, &ms);
    kind.stop();
    return compare(expected, typed, ms);
}

Kind recorder(Target::Kind targetKind, std::unique_ptr<Target>& target)
{
    const bool console = targetKind == Target::Kind::Console;
    const std::wstring title = console ? L"Marrowind Bench Console" : L"Marrowind Bench Target";
    return Kind{
        console ? "the console recorder" : "the window recorder",
        narrow(title),
        "\r",
        [&target, title, targetKind] { target = std::make_unique<Target>(title, L"", targetKind); },
        [&target] { return target->window(); },
        [&target] { return target->typed(); },
        [&target] { target.reset(); },
    };
}

Kind notepadKind(std::unique_ptr<Process>& notepad, HWND& window)
{
    return Kind{
        "Notepad",
        "Untitled - Notepad",
        "\r\n",
        [&] {
            notepad = std::make_unique<Process>(L"C:\\windows\\system32\\notepad.exe", L"");
            window = waitForWindow(notepad->id(), L"Untitled - Notepad");
        },
        [&] { return window; },
        [&] { return narrow(text(FindWindowExW(window, nullptr, L"Edit", nullptr))); },
        [&] { notepad.reset(); },
    };
}

// The program's name in a line: the built one, or another build by its path.
std::string programName(const std::wstring& exe) { return exe.empty() ? "Marrowind" : "Marrowind " + narrow(exe); }

}  // namespace

int main(int argc, char** argv)
{
    bool longText = false, recorderOnly = false;
    std::vector<std::wstring> programs{L""};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "long") longText = true;
        else if (arg == "recorder") recorderOnly = true;
        else programs.push_back(widen(arg));
    }
    std::unique_ptr<Target> target;
    std::unique_ptr<Process> notepad;
    HWND notepadWindow = nullptr;
    Kind window = recorder(Target::Kind::Window, target);
    Kind console = recorder(Target::Kind::Console, target);
    Kind notepadTarget = notepadKind(notepad, notepadWindow);
    const auto besideRawBatch = [&](Kind& kind, const std::string& text, const std::string& size) {
        const Result raw = viaRawBatch(kind, text);
        print(size + ", one raw batch, into " + kind.name, raw);
        for (const std::wstring& exe : programs)
            print(size + ", " + programName(exe) + ", into " + kind.name, viaMarrowind(kind, text, exe), &raw,
                  "one raw batch");
    };

    if (longText) {
        const std::string text = sampleText(1 << 20);
        for (Kind* kind : {&window, &console}) besideRawBatch(*kind, text, "1 MB");
        return 0;
    }

    const std::string text = sampleText(2000);
    const Result xdoZero = viaXdotool(window, text, "--delay 0");
    print("2,000, xdotool type --delay 0, into the window recorder", xdoZero);
    for (const std::wstring& exe : programs)
        print("2,000, " + programName(exe) + ", into the window recorder", viaMarrowind(window, text, exe), &xdoZero,
              "xdotool --delay 0");
    const std::string longer = sampleText(20000);
    besideRawBatch(window, longer, "20,000");
    if (recorderOnly) return 0;

    print("2,000, xdotool type (default delay), into the window recorder", viaXdotool(window, text, ""));
    besideRawBatch(console, text, "2,000");
    besideRawBatch(console, longer, "20,000");
    besideRawBatch(notepadTarget, text, "2,000");
    besideRawBatch(notepadTarget, longer, "20,000");
    return 0;
}
