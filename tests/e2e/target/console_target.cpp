// A console test target: a console-subsystem program, started with a console
// window of its own, that reads its console input and records every key event
// into a log file the tests read, in the format of the window recorder.
//
//   marrowind_console_target.exe TITLE LOGFILE
//
// Log lines: milliseconds since start, then "KEYDOWN"/"KEYUP" with the virtual
// key and the control key state (CAPSLOCK_ON and so on), or "CHAR" with the
// character's code, 0 and the character as UTF-8. The first line is READY with
// the console window's handle (it belongs to the console host, not to this
// process) and the tick count the times start from.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

FILE* logFile = nullptr;
ULONGLONG started = 0;

void record(const KEY_EVENT_RECORD& key)
{
    const ULONGLONG ms = GetTickCount64() - started;
    std::fprintf(logFile, "%llu %s %u %lu \n", ms, key.bKeyDown ? "KEYDOWN" : "KEYUP", key.wVirtualKeyCode,
                 key.dwControlKeyState);
    const wchar_t ch = key.uChar.UnicodeChar;
    if (!key.bKeyDown || ch == 0) return;
    char utf8[8] = "";
    const int n = WideCharToMultiByte(CP_UTF8, 0, &ch, 1, utf8, sizeof utf8 - 1, nullptr, nullptr);
    utf8[n > 0 ? n : 0] = '\0';
    // A repeat count above one stands for that many characters.
    for (WORD i = 0; i < (key.wRepeatCount ? key.wRepeatCount : 1); ++i)
        std::fprintf(logFile, "%llu CHAR %u 0 %s\n", ms, static_cast<unsigned>(ch), utf8);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) return 2;
    logFile = _wfopen(argv[2], L"wb");
    if (!logFile) return 1;
    started = GetTickCount64();
    SetConsoleTitleW(argv[1]);
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    // Raw key events: no line editing, no echo, Ctrl+C as a key like any other.
    SetConsoleMode(input, 0);
    std::fprintf(logFile, "0 READY %lld %llu\n", static_cast<long long>(reinterpret_cast<LONG_PTR>(GetConsoleWindow())),
                 started);
    std::fflush(logFile);
    INPUT_RECORD records[512];
    DWORD count = 0;
    while (ReadConsoleInputW(input, records, 512, &count)) {
        for (DWORD i = 0; i < count; ++i)
            if (records[i].EventType == KEY_EVENT) record(records[i].Event.KeyEvent);
        // Written out whenever the input is drained, so a reader sees all that
        // arrived without a write for every event while keys pour in.
        DWORD pending = 0;
        if (!GetNumberOfConsoleInputEvents(input, &pending) || pending == 0) std::fflush(logFile);
    }
    std::fclose(logFile);
    return 0;
}
