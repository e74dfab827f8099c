// A test target: a titled top-level window that records every key message it
// receives, with timestamps, into a log file the tests read.
//
//   marrowind_target.exe TITLE LOGFILE [--owned-dialog] [--hidden-window]
//                        [--hang-after N] [--hang-idle-after N] [--edit]
//
// Each log line: milliseconds since start, message name, wParam, lParam,
// and for character messages the character as UTF-8. --hang-after N stops
// taking messages for a minute after the Nth character, as a hung program does;
// --hang-idle-after N does so only once the window has drawn itself after it,
// so the turn that typed it completes and the next finds a hung window.
// --edit fills the window with an edit control that has the focus: the key
// messages it receives are what is logged, and its text is what it shows.
// The message kQueryKeyState returns GetKeyState of the key in wParam as this
// window's thread sees it; kQueryCharacters the number of characters so far.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

FILE* logFile = nullptr;
ULONGLONG started = 0;
long hangAfter = -1;
long hangIdleAfter = -1;
constexpr UINT_PTR kHangTimer = 1;
long characters = 0;
constexpr UINT kQueryKeyState = WM_APP + 1;
constexpr UINT kQueryCharacters = WM_APP + 2;

const char* messageName(UINT message)
{
    switch (message) {
    case WM_KEYDOWN: return "KEYDOWN";
    case WM_KEYUP: return "KEYUP";
    case WM_SYSKEYDOWN: return "SYSKEYDOWN";
    case WM_SYSKEYUP: return "SYSKEYUP";
    case WM_CHAR: return "CHAR";
    case WM_SYSCHAR: return "SYSCHAR";
    case WM_DEADCHAR: return "DEADCHAR";
    default: return nullptr;
    }
}

void record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const char* name = messageName(message);
    if (!name || !logFile) return;
    char utf8[8] = "";
    if (message == WM_CHAR || message == WM_SYSCHAR) {
        const wchar_t ch = static_cast<wchar_t>(wParam);
        const int n = WideCharToMultiByte(CP_UTF8, 0, &ch, 1, utf8, sizeof utf8 - 1, nullptr, nullptr);
        utf8[n > 0 ? n : 0] = '\0';
    }
    std::fprintf(logFile, "%llu %s %llu %lld %s\n", GetTickCount64() - started, name,
                 static_cast<unsigned long long>(wParam), static_cast<long long>(lParam), utf8);
    if (message != WM_CHAR && message != WM_SYSCHAR) return;
    ++characters;
    if (characters == hangAfter || characters == hangIdleAfter) std::fflush(logFile);
    if (characters == hangAfter) Sleep(60000);
    // A timer comes after the paint the keys caused.
    if (characters == hangIdleAfter) SetTimer(hwnd, kHangTimer, 100, nullptr);
}

WNDPROC editProc = nullptr;
HWND edit = nullptr;

LRESULT CALLBACK editSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (messageName(message)) record(hwnd, message, wParam, lParam);
    return CallWindowProcW(editProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (edit && (message == WM_SETFOCUS || (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE))) {
        SetFocus(edit);
        return 0;
    }
    if (messageName(message)) {
        record(hwnd, message, wParam, lParam);
        // Alt combinations must not open the (absent) menu or beep.
        if (message == WM_SYSCHAR || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) return 0;
        return 0;
    }
    if (message == kQueryKeyState) return GetKeyState(static_cast<int>(wParam));
    if (message == kQueryCharacters) return characters;
    if (message == WM_TIMER && wParam == kHangTimer) {
        KillTimer(hwnd, kHangTimer);
        Sleep(60000);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring title = argc > 1 ? argv[1] : L"Marrowind Test Target";
    if (argc > 2) logFile = _wfopen(argv[2], L"wb");
    bool ownedDialog = false, hiddenWindow = false, withEdit = false;
    for (int i = 3; i < argc; ++i) {
        ownedDialog |= std::wstring(argv[i]) == L"--owned-dialog";
        hiddenWindow |= std::wstring(argv[i]) == L"--hidden-window";
        withEdit |= std::wstring(argv[i]) == L"--edit";
        if (std::wstring(argv[i]) == L"--hang-after" && i + 1 < argc) hangAfter = std::wcstol(argv[++i], nullptr, 10);
        if (std::wstring(argv[i]) == L"--hang-idle-after" && i + 1 < argc)
            hangIdleAfter = std::wcstol(argv[++i], nullptr, 10);
    }
    started = GetTickCount64();

    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"MarrowindTestTarget";
    RegisterClassW(&wc);
    const HWND main = CreateWindowExW(0, wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200,
                                      400, 300, nullptr, nullptr, instance, nullptr);
    if (withEdit) {
        RECT client{};
        GetClientRect(main, &client);
        edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                               client.right, client.bottom, main, nullptr, instance, nullptr);
        editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&editSubclass)));
        SetFocus(edit);
    }
    if (ownedDialog)
        CreateWindowExW(0, wc.lpszClassName, (title + L" Owned Dialog").c_str(), WS_POPUP | WS_CAPTION | WS_VISIBLE,
                        350, 250, 200, 100, main, nullptr, instance, nullptr);
    if (hiddenWindow)
        CreateWindowExW(0, wc.lpszClassName, (title + L" Hidden Window").c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200,
                        100, nullptr, nullptr, instance, nullptr);
    if (logFile) {
        // The window handle and the system tick count the log's times start from.
        std::fprintf(logFile, "0 READY %lld %llu\n", static_cast<long long>(reinterpret_cast<LONG_PTR>(main)),
                     started);
        std::fflush(logFile);
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        // Written out whenever the queue is drained, so a reader sees all that
        // arrived without a write for every message while keys pour in.
        if (logFile && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) std::fflush(logFile);
    }
    if (logFile) std::fclose(logFile);
    return 0;
}
